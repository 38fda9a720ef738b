#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "tools/TextAnalysis.h"

namespace {

std::string ValueOf(const TTextStatistics& statistics, std::string_view label) {
  for (const TStatsRow& row : StatisticsRows(statistics)) {
    if (row.label == label) return row.value;
  }
  return "<no row>";
}

// Bit by bit, as the CRC is defined, to check the table-driven one.
std::uint32_t BitwiseCrc32(std::string_view text) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : text) {
    crc ^= c;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0u);
  }
  return ~crc;
}

// A UTF-8 text piece by piece, with the count of each key taken from the
// pieces themselves rather than by decoding the text.
struct CountedText {
  std::string text;
  std::map<std::uint32_t, std::uint64_t> counts;
  std::uint64_t characters = 0;
};

CountedText RandomUtf8Text(std::mt19937& random) {
  static const std::vector<std::pair<std::string, std::uint32_t>> characters = {
      {"a", 'a'},
      {" ", ' '},
      {"\r\n", 0},
      {"\xC3\xA9", 0xE9},
      {"\xC3\x89", 0xC9},
      {"\xC2\xA0", 0xA0},
      {"\xC4\xB1", 0x131},
      {"\xE4\xB8\xAD", 0x4E2D},
      {"\xF0\x9F\x98\x80", 0x1F600}};
  CountedText counted;
  bool previousBroken = false;
  for (int n = static_cast<int>(random() % 60); n > 0; --n) {
    if (!previousBroken && random() % 7 == 0) {  // broken bytes, never two runs in a row
      counted.text += "\xFF\xE4\xB8";
      for (unsigned byte : {0xFFu, 0xE4u, 0xB8u}) ++counted.counts[kBrokenByteKey + byte];
      counted.characters += 3;
      previousBroken = true;
      continue;
    }
    const auto& [bytes, key] = characters[random() % characters.size()];
    counted.text += bytes;
    if (key == 0) {
      ++counted.counts['\r'];
      ++counted.counts['\n'];
      counted.characters += 2;
    } else {
      ++counted.counts[key];
      ++counted.characters;
    }
    previousBroken = false;
  }
  return counted;
}

TEST(TextAnalysisTest, EmptyText) {
  TTextStatistics statistics = AnalyseText("");
  EXPECT_EQ(ValueOf(statistics, "Number of Characters"), "0");
  EXPECT_EQ(ValueOf(statistics, "Number of Words"), "0");
  EXPECT_EQ(ValueOf(statistics, "Number of Lines"), "1");
  EXPECT_EQ(ValueOf(statistics, "CRC-32"), "0x00000000");
  for (const TCharRow& row : CharacterRows(statistics, '.')) {
    EXPECT_TRUE(row.countText.empty() && row.percentText.empty());
  }
}

TEST(TextAnalysisTest, Words) {
  EXPECT_EQ(CountWords("a b"), 2u);
  EXPECT_EQ(CountWords(" a"), 2u);
  EXPECT_EQ(CountWords("a\tb"), 1u);
  EXPECT_EQ(CountWords("   "), 1u);
  EXPECT_EQ(CountWords("one\r\ntwo  three\n"), 3u);
  EXPECT_EQ(CountWords(std::string("a b\0c d", 7)), 2u);  // the scan stops at byte 0
  EXPECT_EQ(CountWords(std::string("\0a b", 4)), 1u);
}

TEST(TextAnalysisTest, LinesCountCrLfPairsOnly) {
  EXPECT_EQ(AnalyseText("a\r\nb\r\n").lines, 3u);
  EXPECT_EQ(AnalyseText("a\nb\rc").lines, 1u);
  EXPECT_EQ(AnalyseText("\r\r\n\n").lines, 2u);
}

TEST(TextAnalysisTest, Crc32) {
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(ValueOf(AnalyseText("123456789"), "CRC-32"), "0xCBF43926");
  std::string text;
  for (int i = 0; i < 1000; ++i) text += static_cast<char>(i * 7 + i / 3);
  for (std::size_t length : {0u, 1u, 7u, 8u, 9u, 15u, 16u, 17u, 1000u}) {
    EXPECT_EQ(Crc32(std::string_view(text).substr(0, length)),
              BitwiseCrc32(std::string_view(text).substr(0, length)));
  }
  // Find a text whose CRC starts with a zero digit: it keeps its leading zeros.
  for (int i = 0;; ++i) {
    std::string candidate = std::to_string(i);
    if (Crc32(candidate) < 0x10000000u) {
      std::string shown = ValueOf(AnalyseText(candidate), "CRC-32");
      EXPECT_EQ(shown.size(), 10u);
      EXPECT_EQ(shown.substr(0, 3), "0x0");
      break;
    }
  }
}

TEST(TextAnalysisTest, RowsAndRanges) {
  std::string text = "Aa9\t\xB0\xFE\xFF";
  TTextStatistics statistics = AnalyseText(text);
  auto rows = StatisticsRows(statistics);
  EXPECT_EQ(rows[4].label, "-");
  EXPECT_TRUE(rows[15].IsSeparator());
  EXPECT_EQ(rows[16].label, "NFO Characters (176..223,254)");
  EXPECT_EQ(ValueOf(statistics, "Unique Characters"), "7");
  EXPECT_EQ(ValueOf(statistics, "Unique Letters (65..90,97..122)"), "1");
  EXPECT_EQ(ValueOf(statistics, "Control Characters (0..31)"), "1");
  EXPECT_EQ(ValueOf(statistics, "Number Characters (48..57)"), "1");
  EXPECT_EQ(ValueOf(statistics, "Regular Letters (65..90,97..122)"), "2");
  EXPECT_EQ(ValueOf(statistics, "Upper Case (65..90)"), "1");
  EXPECT_EQ(ValueOf(statistics, "Lower Case (97..122)"), "1");
  EXPECT_EQ(ValueOf(statistics, "1..7-bits Characters (0..127)"), "4");
  EXPECT_EQ(ValueOf(statistics, "8-bit Characters (128..255)"), "3");
  EXPECT_EQ(ValueOf(statistics, "NFO Characters (176..223,254)"), "2");
  EXPECT_EQ(AnalyseCaption(kAnalyseSourceItems[1]), "Text Analyse <Selected Text>");
}

TEST(TextAnalysisTest, CharacterRows) {
  std::string text = "aab";
  text += '\0';
  auto rows = CharacterRows(AnalyseText(text), ',');
  ASSERT_EQ(rows.size(), 256u);
  EXPECT_EQ(rows[0].dec, "00");
  EXPECT_EQ(rows[0].chr, std::string(1, '\0'));
  EXPECT_EQ(rows[0].countText, "1");
  EXPECT_EQ(rows[0].percentText, "25,000");
  EXPECT_EQ(rows['a'].dec, "97");
  EXPECT_EQ(rows['a'].hex, "0x61");
  EXPECT_EQ(rows['a'].percentText, "50,000");
  EXPECT_EQ(rows[255].dec, "255");
  EXPECT_EQ(rows[255].hex, "0xFF");
  auto thirds = CharacterRows(AnalyseText("abc"), '.');
  EXPECT_EQ(thirds['a'].percentText, "33.333");
  auto twoThirds = CharacterRows(AnalyseText("aab"), '.');
  EXPECT_EQ(twoThirds['a'].percentText, "66.667");
}

TEST(TextAnalysisTest, SortStateFollowsColumnClicks) {
  TCharSortState state;
  EXPECT_EQ(state.Tag(), 1);
  auto rows = CharacterRows(AnalyseText("bbbcca"), '.');
  state.ColumnClick(3);  // Count: ascending
  EXPECT_EQ(state.Tag(), 4);
  state.Sort(rows);
  EXPECT_EQ(rows.back().value, 'b');
  EXPECT_EQ(rows[253].value, 'a');
  EXPECT_EQ(rows[0].value, 0);  // empty counts are 0; ties keep byte order
  state.ColumnClick(3);         // Count again: descending
  EXPECT_EQ(state.Tag(), -4);
  state.Sort(rows);
  EXPECT_EQ(rows[0].value, 'b');
  EXPECT_EQ(rows[1].value, 'c');
  state.ColumnClick(4);  // "%": a different column, ascending again
  EXPECT_EQ(state.Tag(), 5);
  state.Sort(rows);
  EXPECT_EQ(rows.back().value, 'b');
  state.ColumnClick(0);
  state.Sort(rows);
  for (int c = 0; c < 256; ++c) ASSERT_EQ(rows[c].value, c);
}

TEST(TextAnalysisTest, ChrColumnIgnoresCase) {
  TCharSortState state;
  state.ColumnClick(2);
  auto rows = CharacterRows(AnalyseText(""), '.');
  EXPECT_EQ(state.Compare(rows['a'], rows['A']), 0);
  EXPECT_LT(state.Compare(rows['a'], rows['B']), 0);
  EXPECT_LT(state.Compare(rows['0'], rows['a']), 0);
  state.ColumnClick(2);
  EXPECT_GT(state.Compare(rows['a'], rows['B']), 0);
  state.Sort(rows);
  // Accented letters fold too (0xFF to 0x9F), so the division sign 0xF7 is largest.
  EXPECT_EQ(rows[0].chr, std::string(1, '\xF7'));
}

TEST(TextAnalysisTest, Utf8TextCountsCharactersAsAPieceByPieceCountDoes) {
  std::mt19937 random(4);
  for (int round = 0; round < 300; ++round) {
    const CountedText counted = RandomUtf8Text(random);
    const TTextStatistics statistics = AnalyseText(counted.text, true);
    ASSERT_EQ(statistics.length, counted.characters) << round;
    const std::vector<TCharRow> rows = CharacterRows(statistics, '.');
    std::map<std::uint32_t, std::uint64_t> shown;
    for (const TCharRow& row : rows)
      if (!row.countText.empty()) shown[row.value] = std::stoull(row.countText);
    ASSERT_EQ(shown, counted.counts) << round;
    const auto beyondLatin1 = std::count_if(counted.counts.begin(), counted.counts.end(),
                                            [](const auto& entry) { return entry.first >= 0x100; });
    ASSERT_EQ(rows.size(), 256u + beyondLatin1) << "a row for each other character only";
    ASSERT_EQ(ValueOf(statistics, "Unique Characters"), std::to_string(counted.counts.size()));
    ASSERT_EQ(statistics.crc32, BitwiseCrc32(counted.text)) << "over the bytes";
  }
}

TEST(TextAnalysisTest, Utf8RowsShowCodePointsAndBrokenBytes) {
  const TTextStatistics statistics =
      AnalyseText("\xC3\xA9\xC3\x89 \xE4\xB8\xAD\xF0\x9F\x98\x80\xFF", true);
  EXPECT_EQ(ValueOf(statistics, "Number of Characters"), "6");
  EXPECT_EQ(ValueOf(statistics, "8-bit Characters (128..255)"), "2");
  std::vector<TCharRow> rows = CharacterRows(statistics, '.');
  ASSERT_EQ(rows.size(), 259u);
  EXPECT_EQ(rows[0xE9].hex, "U+00E9");
  EXPECT_EQ(rows[0xE9].chr, "\xC3\xA9");
  EXPECT_EQ(rows[0xE9].percentText, "16.667");
  EXPECT_EQ(rows[256].dec, "20013");
  EXPECT_EQ(rows[256].hex, "U+4E2D");
  EXPECT_EQ(rows[257].hex, "U+1F600");
  EXPECT_EQ(rows[257].chr, "\xF0\x9F\x98\x80");
  EXPECT_EQ(rows[258].dec, "255") << "a broken byte is shown as the byte";
  EXPECT_EQ(rows[258].hex, "0xFF");
  EXPECT_EQ(rows[258].chr, "\xEF\xBF\xBD");

  TCharSortState state;
  state.ColumnClick(2);
  EXPECT_EQ(state.Compare(rows[0xE9], rows[0xC9]), 0) << "Chr ignores case";
  EXPECT_LT(state.Compare(rows[0xE9], rows[256]), 0);
  state.ColumnClick(3);
  state.ColumnClick(3);  // Count, descending
  state.Sort(rows);
  EXPECT_EQ(rows[0].value, 0x20) << "ties keep their order";
}

}  // namespace
