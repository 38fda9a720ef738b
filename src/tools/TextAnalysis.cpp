// The counting side of the text analysis. Each pass is a tight loop over the
// bytes, since the source may be a document of hundreds of megabytes.
#include "tools/TextAnalysis.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <numeric>

#include "support/Utf8.h"
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

// Counts by key in pages of 256, made when a key of theirs first occurs:
// most texts use a few small ranges of Unicode.
class PagedCounts {
 public:
  void Add(std::uint32_t key) {
    std::unique_ptr<Page>& page = pages_[key >> 8];
    if (!page) page = std::make_unique<Page>();
    ++(*page)[key & 0xFF];
  }
  void AppendTo(std::vector<TCharCount>& counts) const {
    for (std::size_t p = 0; p < pages_.size(); ++p) {
      if (!pages_[p]) continue;
      for (std::uint32_t k = 0; k < 256; ++k)
        if ((*pages_[p])[k] != 0)
          counts.push_back({static_cast<std::uint32_t>(p << 8) | k, (*pages_[p])[k]});
    }
  }

 private:
  using Page = std::array<std::uint64_t, 256>;
  std::vector<std::unique_ptr<Page>> pages_{(kBrokenByteKey >> 8) + 1};
};

// Moves the characters from U+0080 on, and the bytes that are not UTF-8,
// from the byte counts to their own.
void CountUtf8Characters(std::string_view text, TTextStatistics& statistics) {
  std::fill(statistics.counts.begin() + 0x80, statistics.counts.end(), 0);
  PagedCounts beyond;  // from U+0100 on
  for (std::size_t at = utf8::NextNonAscii(text, 0); at < text.size();
       at = utf8::NextNonAscii(text, at)) {
    const int length = utf8::SequenceLength(text, at);
    const std::uint32_t key = length == 0 ? kBrokenByteKey + static_cast<unsigned char>(text[at])
                                          : static_cast<std::uint32_t>(utf8::Decode(text, at));
    at += length == 0 ? 1 : static_cast<std::size_t>(length);
    if (key < 0x100)
      ++statistics.counts[key];
    else
      beyond.Add(key);
  }
  beyond.AppendTo(statistics.others);
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

TTextStatistics AnalyseText(std::string_view text, bool utf8) {
  TTextStatistics statistics;
  statistics.counts = CountBytes(text);
  statistics.length = text.size();
  statistics.utf8 = utf8;
  if (utf8) {
    CountUtf8Characters(text, statistics);
    statistics.length =
        std::accumulate(statistics.counts.begin(), statistics.counts.end(), std::uint64_t{0});
    for (const TCharCount& other : statistics.others) statistics.length += other.count;
  }
  statistics.words = CountWords(text);
  statistics.lines = static_cast<std::uint64_t>(CountText(text, "\r\n", 1, true, false)) + 1;
  statistics.crc32 = Crc32(text);
  return statistics;
}
