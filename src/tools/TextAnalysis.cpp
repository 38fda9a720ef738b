// The counting side of the text analysis. Each pass is a tight loop over the
// bytes, since the source may be a document of hundreds of megabytes.
#include "tools/TextAnalysis.h"

#include <cstring>

#include "tools/SearchText.h"

namespace {

using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

// Slicing-by-8 tables: table[k][b] is the CRC of byte b followed by k zeros.
constexpr CrcTables BuildCrcTables() {
  CrcTables tables{};
  for (std::uint32_t b = 0; b < 256; ++b) {
    std::uint32_t crc = b;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0u);
    tables[0][b] = crc;
  }
  for (std::uint32_t b = 0; b < 256; ++b) {
    for (int k = 1; k < 8; ++k) {
      tables[k][b] = (tables[k - 1][b] >> 8) ^ tables[0][tables[k - 1][b] & 0xFF];
    }
  }
  return tables;
}

constexpr CrcTables kCrcTables = BuildCrcTables();

std::uint32_t LoadLittleEndian32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::array<std::uint64_t, 256> CountBytes(std::string_view text) {
  // Four interleaved tables keep repeated bytes from waiting on one counter.
  std::array<std::array<std::uint64_t, 256>, 4> partial{};
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t i = 0;
  for (; i + 4 <= text.size(); i += 4) {
    ++partial[0][bytes[i]];
    ++partial[1][bytes[i + 1]];
    ++partial[2][bytes[i + 2]];
    ++partial[3][bytes[i + 3]];
  }
  for (; i < text.size(); ++i) ++partial[0][bytes[i]];
  std::array<std::uint64_t, 256> counts{};
  for (int c = 0; c < 256; ++c)
    counts[c] = partial[0][c] + partial[1][c] + partial[2][c] + partial[3][c];
  return counts;
}

}  // namespace

std::string AnalyseCaption(std::string_view sourceItem) {
  return "Text Analyse <" + std::string(sourceItem) + ">";
}

std::uint64_t CountWords(std::string_view text) {
  if (text.empty()) return 0;
  std::size_t end = text.find('\0');
  if (end != std::string_view::npos) text = text.substr(0, end);
  static constexpr auto kIsGap = [] {
    std::array<std::uint8_t, 256> gap{};
    gap[' '] = gap['\r'] = gap['\n'] = 1;
    return gap;
  }();
  std::uint64_t words = 1;
  std::uint8_t inGap = 0;
  for (char c : text) {
    std::uint8_t gap = kIsGap[static_cast<unsigned char>(c)];
    words += inGap & (gap ^ 1);  // a word starts after a gap
    inGap = gap;
  }
  return words;
}

std::uint32_t Crc32(std::string_view text) {
  std::uint32_t crc = 0xFFFFFFFFu;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint32_t low = LoadLittleEndian32(bytes + i) ^ crc;
    std::uint32_t high = LoadLittleEndian32(bytes + i + 4);
    crc = kCrcTables[7][low & 0xFF] ^ kCrcTables[6][(low >> 8) & 0xFF] ^
          kCrcTables[5][(low >> 16) & 0xFF] ^ kCrcTables[4][low >> 24] ^
          kCrcTables[3][high & 0xFF] ^ kCrcTables[2][(high >> 8) & 0xFF] ^
          kCrcTables[1][(high >> 16) & 0xFF] ^ kCrcTables[0][high >> 24];
  }
  for (; i < text.size(); ++i) crc = (crc >> 8) ^ kCrcTables[0][(crc ^ bytes[i]) & 0xFF];
  return ~crc;
}

TTextStatistics AnalyseText(std::string_view text) {
  TTextStatistics statistics;
  statistics.counts = CountBytes(text);
  statistics.length = text.size();
  statistics.words = CountWords(text);
  statistics.lines = static_cast<std::uint64_t>(CountText(text, "\r\n", 1, true, false)) + 1;
  statistics.crc32 = Crc32(text);
  return statistics;
}
