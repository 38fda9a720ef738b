#include <gtest/gtest.h>

#include "tools/SectionList.h"

namespace {

std::vector<TSectionItem> ListOf(const std::vector<std::string>& lines) {
  return BuildSectionList(static_cast<std::int64_t>(lines.size()),
                          [&lines](std::int64_t index) { return std::string_view(lines[index]); });
}

std::vector<std::string> TextsOf(const std::vector<TSectionItem>& items) {
  std::vector<std::string> texts;
  for (const auto& item : items) texts.push_back(item.text);
  return texts;
}

}  // namespace

TEST(BuildSectionList, EmptyDocumentHoldsOnlyTheMarkers) {
  const auto items = ListOf({});
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].text, "Top of File");
  EXPECT_EQ(items[0].marker, TSectionMarker::TopOfFile);
  EXPECT_EQ(SectionLineNumberText(items[0].targetLine), "00001");
  EXPECT_EQ(items[1].text, "End of File");
  EXPECT_EQ(items[1].marker, TSectionMarker::EndOfFile);
  EXPECT_EQ(SectionLineNumberText(items[1].targetLine), "00000");
}

TEST(BuildSectionList, FindsBannersAndTargetsTheLineAfterThem) {
  const auto items = ListOf({
      "------------ header text",  // 1
      "-- Main loop --",           // 2
      "------",                    // 3
      "body",                      // 4
      "-----",                     // 5: five hyphens are not a banner
      "-- Not a section --",       // 6
      "------",                    // 7
      "--No space --",             // 8: the name line needs "-- "
      "------",                    // 9
      "-- X",                      // 10
      "------",                    // 11: the last line cannot start a banner
  });
  EXPECT_EQ(TextsOf(items),
            (std::vector<std::string>{"Top of File", "Main loop", "", "End of File"}));
  EXPECT_EQ(items[1].targetLine, 4);
  EXPECT_EQ(items[1].marker, TSectionMarker::Name);
  EXPECT_EQ(items[2].targetLine, 12);
  EXPECT_EQ(items[3].targetLine, 11);
}

TEST(SectionNameOf, CutsTwoCharactersAtEachEndThenTrims) {
  EXPECT_EQ(SectionNameOf("-- Main loop --"), "Main loop");
  EXPECT_EQ(SectionNameOf("-- "), "");
  EXPECT_EQ(SectionNameOf("-- X"), "");
  EXPECT_EQ(SectionNameOf("-- Xyz"), "X");
  EXPECT_EQ(SectionNameOf("-- \t\x01Name\x7F \t--"), "Name\x7F") << "DEL is not trimmed";
  EXPECT_EQ(SectionNameOf("-- Caf\xE9 --"), "Caf\xE9");
}

TEST(SectionNameOf, Utf8TextCutsWholeCharactersWithTheirAccents) {
  EXPECT_EQ(SectionNameOf("-- \xE4\xB8\xAD\xE6\x96\x87\xF0\x9F\x98\x80", true), "\xE4\xB8\xAD");
  EXPECT_EQ(SectionNameOf("-- \xC3\x89t\xC3\xA9 \xE2\x80\x94", true), "\xC3\x89t\xC3\xA9")
      << "a space and a dash of three bytes";
  EXPECT_EQ(SectionNameOf("-- Xe\xCC\x81", true), "") << "e with its accent is one character";
  EXPECT_EQ(SectionNameOf("-- ab\xFF\xFE", true), "ab") << "broken bytes count one each";
}

TEST(NearestSectionItem, PrefersTheEarlierItemOnATie) {
  std::vector<std::string> lines(20, "x");
  lines[0] = lines[12] = "------";
  lines[1] = "-- A --";
  lines[13] = "-- B --";
  const auto items = ListOf(lines);  // targets 1, 4, 16, 20
  EXPECT_EQ(NearestSectionItem(items, 10), 1u);
  EXPECT_EQ(NearestSectionItem(items, 11), 2u);
  EXPECT_EQ(NearestSectionItem(items, 1), 0u);
  EXPECT_EQ(NearestSectionItem(items, 19), 3u);
}

TEST(SectionLineNumberText, PadsToFiveDigitsButNeverCuts) {
  EXPECT_EQ(SectionLineNumberText(42), "00042");
  EXPECT_EQ(SectionLineNumberText(1234567), "1234567");
}
