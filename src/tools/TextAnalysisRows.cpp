// What the Text Analyse window shows of a TTextStatistics, and how its
// character table sorts.
#include <algorithm>
#include <charconv>

#include "support/CodePage.h"
#include "support/Utf8.h"
#include "support/Utf8Case.h"
#include "tools/TextAnalysis.h"

namespace {

constexpr char kUpperHexDigits[] = "0123456789ABCDEF";

std::string HexByte(unsigned value) {
  return std::string{kUpperHexDigits[(value >> 4) & 15], kUpperHexDigits[value & 15]};
}

std::uint64_t CountIn(const TTextStatistics& statistics, int first, int last) {
  std::uint64_t total = 0;
  for (int c = first; c <= last; ++c) total += statistics.counts[c];
  return total;
}

std::uint64_t UniqueCharacters(const TTextStatistics& statistics) {
  return statistics.others.size() + std::count_if(statistics.counts.begin(),
                                                  statistics.counts.end(),
                                                  [](std::uint64_t count) { return count != 0; });
}

std::uint64_t UniqueLetters(const TTextStatistics& statistics) {
  std::uint64_t letters = 0;
  for (int c = 'A'; c <= 'Z'; ++c) {
    if (statistics.counts[c] != 0 || statistics.counts[c + 32] != 0) ++letters;
  }
  return letters;
}

std::string Crc32Text(std::uint32_t crc) {
  std::string text = "0x";
  for (int shift = 24; shift >= 0; shift -= 8) text += HexByte(crc >> shift);
  return text;
}

// counts / length * 100 with three decimals, as "%.3f" gives it.
std::string PercentText(std::uint64_t count, std::uint64_t length, char decimalSeparator) {
  long double percent = static_cast<long double>(count) / length * 100;
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 3);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return text;
}

int Sign(std::int64_t value) {
  return (value > 0) - (value < 0);
}

}  // namespace

std::array<TStatsRow, kStatsRowCount> StatisticsRows(const TTextStatistics& s) {
  auto number = [](std::uint64_t value) { return std::to_string(value); };
  std::uint64_t upper = CountIn(s, 65, 90), lower = CountIn(s, 97, 122);
  return {{
      {"Number of Characters", number(s.length)},
      {"Number of Words", number(s.words)},
      {"Number of Lines", number(s.lines)},
      {"CRC-32", Crc32Text(s.crc32)},
      {"-", ""},
      {"Unique Characters", number(UniqueCharacters(s))},
      {"Unique Letters (65..90,97..122)", number(UniqueLetters(s))},
      {"-", ""},
      {"Control Characters (0..31)", number(CountIn(s, 0, 31))},
      {"Number Characters (48..57)", number(CountIn(s, 48, 57))},
      {"Regular Letters (65..90,97..122)", number(upper + lower)},
      {"Upper Case (65..90)", number(upper)},
      {"Lower Case (97..122)", number(lower)},
      {"1..7-bits Characters (0..127)", number(CountIn(s, 0, 127))},
      {"8-bit Characters (128..255)", number(CountIn(s, 128, 255))},
      {"-", ""},
      {"NFO Characters (176..223,254)", number(CountIn(s, 176, 223) + s.counts[254])},
  }};
}

namespace {

std::string CodePointText(std::uint32_t codePoint) {
  std::string digits;
  for (int shift = 20; shift >= 0; shift -= 4) digits += kUpperHexDigits[(codePoint >> shift) & 15];
  return "U+" + digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 4));
}

TCharRow CodePageRow(unsigned char c) {
  TCharRow row;
  row.value = c;
  row.caseKey = codepage::ToUpper(c);
  row.hex = "0x" + HexByte(c);
  row.chr = std::string(1, static_cast<char>(c));
  return row;
}

TCharRow Utf8Row(std::uint32_t key) {
  TCharRow row;
  row.value = static_cast<std::int32_t>(key);
  if (key >= kBrokenByteKey) {  // shown as the byte it is, with the replacement character
    row.caseKey = row.value;
    row.hex = "0x" + HexByte(key - kBrokenByteKey);
    utf8::Append(row.chr, 0xFFFD);
    return row;
  }
  row.caseKey = static_cast<std::int32_t>(utf8::UpperOf(key));
  row.hex = CodePointText(key);
  utf8::Append(row.chr, key);
  return row;
}

}  // namespace

std::vector<TCharRow> CharacterRows(const TTextStatistics& statistics, char decimalSeparator) {
  std::vector<TCharRow> rows;
  rows.reserve(256 + statistics.others.size());
  const auto add = [&](std::uint32_t key, std::uint64_t count) {
    TCharRow& row = rows.emplace_back(statistics.utf8 ? Utf8Row(key) : CodePageRow(key));
    row.count = count;
    const std::uint32_t shown = key >= kBrokenByteKey ? key - kBrokenByteKey : key;
    row.dec = std::to_string(shown);
    if (shown < 10) row.dec.insert(row.dec.begin(), '0');  // "%.2d"
    if (count > 0) {
      row.countText = std::to_string(count);
      row.percentText = PercentText(count, statistics.length, decimalSeparator);
    }
  };
  for (unsigned c = 0; c < 256; ++c) add(c, statistics.counts[c]);
  for (const TCharCount& other : statistics.others) add(other.key, other.count);
  return rows;
}

void TCharSortState::ColumnClick(int columnIndex) {
  tag_ = columnIndex + 1 == tag_ ? -tag_ : columnIndex + 1;
}

int TCharSortState::Compare(const TCharRow& a, const TCharRow& b) const {
  int result = 0;
  switch (tag_ < 0 ? -tag_ : tag_) {
    case 1:
    case 2:
      result = Sign(static_cast<std::int64_t>(a.value) - b.value);
      break;
    case 3:  // letters without regard to case
      result = Sign(std::int64_t{a.caseKey} - b.caseKey);
      break;
    default:  // Count and %: an empty count is 0
      result = a.count < b.count ? -1 : a.count > b.count ? 1 : 0;
      break;
  }
  return tag_ < 0 ? -result : result;
}

void TCharSortState::Sort(std::vector<TCharRow>& rows) const {
  std::stable_sort(rows.begin(), rows.end(),
                   [this](const TCharRow& a, const TCharRow& b) { return Compare(a, b) < 0; });
}
