#include <gtest/gtest.h>

#include "support/OvLib.h"

TEST(AddToHistory, KeepsSpellingOfTopEntryAndRemovesLaterDuplicates) {
  std::vector<std::string> list{"Alpha", "beta", "ALPHA"};
  AddToHistory(list, "alpha", true);
  EXPECT_EQ(list, (std::vector<std::string>{"Alpha", "beta", "ALPHA"}));

  AddToHistory(list, "BETA", true);
  EXPECT_EQ(list, (std::vector<std::string>{"BETA", "Alpha", "ALPHA"}))
      << "later case-insensitive duplicates of the new entry go";

  AddToHistory(list, "alpha", false);
  EXPECT_EQ(list, (std::vector<std::string>{"alpha", "BETA", "Alpha", "ALPHA"}))
      << "case-sensitive mode keeps other spellings";
}

TEST(AddToHistory, FoldsOnlyAsciiLettersAndNeverTrims) {
  std::vector<std::string> list{"\xC9t\xE9"};  // Été
  AddToHistory(list, "\xE9T\xC9", true);
  EXPECT_EQ(list.size(), 2u) << "accented letters are not folded";
  AddToHistory(list, "", false);
  EXPECT_EQ(list.front(), "");
  EXPECT_EQ(list.size(), 3u);
}

TEST(ExpandTemplate, ReplacesLettersAndDropsTrailingEscape) {
  auto letter = [](char c, bool modified) -> std::string {
    if (c == 'a') return "Scribant";
    if (c == 'm') return modified ? "*" : "";
    return "";
  };
  EXPECT_EQ(ExpandTemplate("%a <x>%m", '%', letter, true), "Scribant <x>*");
  EXPECT_EQ(ExpandTemplate("%a%m", '%', letter, false), "Scribant");
  EXPECT_EQ(ExpandTemplate("50%%z%", '%', letter, false), "50z");
  EXPECT_EQ(ExpandTemplate("%", '%', letter, false), "");
}

TEST(IntToBin, PadsButNeverCuts) {
  EXPECT_EQ(IntToBin(0, 0), "0");
  EXPECT_EQ(IntToBin(65, 8), "01000001");
  EXPECT_EQ(IntToBin(511, 8), "111111111");
  EXPECT_EQ(IntToBin(0xFFFFFFFFu, 1), std::string(32, '1'));
}

TEST(StringReplaceAll, LeftToRightWithoutOverlap) {
  std::string text = "aaaa";
  EXPECT_EQ(StringReplaceAll(text, "aa", "b"), 2);
  EXPECT_EQ(text, "bb");
  text = "a\tb\r\nc";
  EXPECT_EQ(StringReplaceAll(text, "\t", "\\t"), 1);
  EXPECT_EQ(StringReplaceAll(text, "\r\n", "\\n"), 1);
  EXPECT_EQ(text, "a\\tb\\nc");
  EXPECT_EQ(StringReplaceAll(text, "", "x"), 0);
  EXPECT_EQ(StringReplaceAll(text, "A", "x"), 0) << "case-sensitive";
  text = "xx";
  EXPECT_EQ(StringReplaceAll(text, "x", "xx"), 2) << "the scan goes on after the occurrence";
  EXPECT_EQ(text, "xxxx");
}

TEST(RandomGenerator, FollowsTheLinearCongruentialSequence) {
  TRandomGenerator random;
  // seed 1: high half of 1*100 is 0; seed 134775814: (134775814*100)>>32 = 3
  EXPECT_EQ(random.Below(100), 0u);
  EXPECT_EQ(random.Seed(), 1u);
  EXPECT_EQ(random.Below(100), 3u);
  EXPECT_EQ(random.Seed(), 134775814u);
  for (int i = 0; i < 1000; ++i) EXPECT_LT(random.Below(7), 7u);
}
