// The Text Analyse window's data: the statistics of one text, the 17 rows of
// its statistics list, the 256 rows of its character table and the table's
// sort state. The window picks the source text, calls AnalyseText and shows
// the rows; nothing here knows about widgets.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Color.h"

// The sources of the window's drop-down list, in item order.
inline constexpr std::array<std::string_view, 3> kAnalyseSourceItems = {"All Text", "Selected Text",
                                                                        "Clipboard Text"};

// "Text Analyse <" + the source item's text + ">".
std::string AnalyseCaption(std::string_view sourceItem);

// The character table's keys: a code point, or for a byte that is not UTF-8
// this plus the byte.
inline constexpr std::uint32_t kBrokenByteKey = 0x110000;

struct TCharCount {
  std::uint32_t key = 0;
  std::uint64_t count = 0;
};

struct TTextStatistics {
  // Occurrences of each byte value; in UTF-8 text, of the characters U+0000
  // to U+00FF.
  std::array<std::uint64_t, 256> counts{};
  // UTF-8 text only: every other character that occurs, and every byte that
  // is not UTF-8, in key order.
  std::vector<TCharCount> others;
  bool utf8 = false;
  std::uint64_t length = 0;  // characters (bytes of code-page text)
  std::uint64_t words = 0;
  std::uint64_t lines = 1;  // CR LF pairs + 1
  std::uint32_t crc32 = 0;
};

// Code-page text counts bytes; `utf8` text counts characters, a byte that is
// not UTF-8 as one of its own. Words, lines and the CRC are over the bytes.
TTextStatistics AnalyseText(std::string_view text, bool utf8 = false);

// Words up to the first byte 0: space, CR and LF separate them (tabs do not);
// a text that begins with a separator counts one more; empty text counts 0.
std::uint64_t CountWords(std::string_view text);

// The standard CRC-32 (reflected polynomial 0xEDB88320).
std::uint32_t Crc32(std::string_view text);

inline constexpr std::size_t kStatsRowCount = 17;

// One row of the statistics list; separator rows have the label "-" and no value.
struct TStatsRow {
  std::string_view label;
  std::string value;
  bool IsSeparator() const { return label == "-"; }
};

std::array<TStatsRow, kStatsRowCount> StatisticsRows(const TTextStatistics& statistics);

// Colours of the owner-drawn statistics list, 0x00BBGGRR.
inline constexpr TColor kStatsSelectedBackground = 0xF0CAA6;  // RGB(166, 202, 240)
inline constexpr TColor kStatsBackground = 0xFFFFFF;
inline constexpr std::uint32_t kStatsSeparatorLine = 0x0F3559;  // RGB(89, 53, 15)
inline constexpr std::uint32_t kStatsLabelText = 0x0F0F0F;      // RGB(15, 15, 15)

// One row of the character table; `value` is its sort key (a byte value, or
// a key of UTF-8 text) and `caseKey` that of the Chr column.
struct TCharRow {
  std::int32_t value = 0;
  std::int32_t caseKey = 0;
  std::uint64_t count = 0;
  std::string dec;          // "%.2d"
  std::string hex;          // "0x" and two upper-case digits; "U+" and four or more for UTF-8
  std::string chr;          // the byte itself, or the character as UTF-8
  std::string countText;    // empty when the byte does not occur
  std::string percentText;  // "%.3f" with the locale's separator, or empty
};

// The 256 rows in byte order; for UTF-8 text, U+0000 to U+00FF and then a
// row for each of the other characters.
std::vector<TCharRow> CharacterRows(const TTextStatistics& statistics, char decimalSeparator);

// The character table's sort state (the list view's tag): the sorted column's
// 1-based index, negative for descending. Starts at 1 (Dec ascending).
class TCharSortState {
 public:
  int Tag() const { return tag_; }
  // Clicking the sorted column flips the direction; another column sorts ascending.
  void ColumnClick(int columnIndex);
  // <0, 0 or >0, as the list view's comparison.
  int Compare(const TCharRow& a, const TCharRow& b) const;
  // Sorts the rows; rows that compare equal keep their order.
  void Sort(std::vector<TCharRow>& rows) const;

 private:
  int tag_ = 1;
};
