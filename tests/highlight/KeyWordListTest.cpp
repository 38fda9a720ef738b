#include <gtest/gtest.h>

#include "HighlightTestSupport.h"
#include "highlight/KeyWordList.h"

namespace {

using namespace std::string_literals;

TEST(KeyWordListTest, KeepsSortedOrderAndTheFirstOfEqualWords) {
  TKeyWordList list;
  EXPECT_TRUE(list.Add("while"));
  EXPECT_TRUE(list.Add("Begin"));
  EXPECT_FALSE(list.Add("BEGIN"));
  EXPECT_TRUE(list.Add("do"));
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Begin", "do", "while"}));

  list.Assign({"zeta", "Alpha", "ALPHA", "beta", "alpha"});
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Alpha", "beta", "zeta"}));
  EXPECT_TRUE(list.Contains("ALPHA", false));
  EXPECT_FALSE(list.Contains("ALPHA", true));
  EXPECT_TRUE(list.Contains("Alpha", true));
}

// The list is sorted ignoring case; an exact search must still find entries
// whose neighbours differ only in case order ("a" < "B" ignoring case, but
// not byte-wise).
TEST(KeyWordListTest, ExactSearchFindsEveryKeptSpelling) {
  std::vector<std::string> words;
  for (char c = 'a'; c <= 'z'; ++c) {
    words.push_back(std::string(1, c % 2 ? c : static_cast<char>(c - 32)) + "x");
  }
  words.push_back("_under");
  words.push_back("Zed_");
  TKeyWordList list;
  list.Assign(words);
  for (const auto& word : words) {
    EXPECT_TRUE(list.Contains(word, true)) << word;
    EXPECT_TRUE(list.Contains(word, false)) << word;
  }
  EXPECT_FALSE(list.Contains("", false));
  EXPECT_FALSE(list.Contains("x", false));
}

TEST(KeyWordListTest, LoadsEveryLineBreakStyleUntrimmed) {
  TempFolder folder;
  const std::string path =
      folder.Write("k.kwf", "if\r\nthen\relse\n  spaced \r\n\nnul\0byte\nlast"s);
  TKeyWordList list;
  ASSERT_TRUE(list.LoadFromFile(path));
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"", "  spaced ", "else", "if", "last",
                                                      std::string("nul\0byte", 8), "then"}));
  EXPECT_TRUE(list.Contains("then", true));
  EXPECT_TRUE(list.Contains("last", true));
}

TEST(KeyWordListTest, MissingOrFolderPathLeavesTheListEmpty) {
  TempFolder folder;
  TKeyWordList list;
  list.Add("x");
  EXPECT_FALSE(list.LoadFromFile(folder.Path() + "missing.kwf"));
  EXPECT_EQ(list.Count(), 0);
  list.Add("x");
  EXPECT_FALSE(list.LoadFromFile(folder.Path()));
  EXPECT_EQ(list.Count(), 0);
}

TEST(KeyWordListTest, ReloadingKeepsTheListOnlyWhileFileAndListAreUnchanged) {
  TempFolder folder;
  const std::string path = folder.Write("k.kwf", "b\na\n");
  TKeyWordList list;
  ASSERT_TRUE(list.LoadFromFile(path));
  list.Add("c");
  ASSERT_TRUE(list.LoadFromFile(path));
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"a", "b"})) << "read again after a change";
  folder.Write("k.kwf", "zz\n");
  ASSERT_TRUE(list.LoadFromFile(path));
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"zz"}));
  list.Assign({"q"});
  ASSERT_TRUE(list.LoadFromFile(path));
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"zz"}));
}

TEST(KeyWordListTest, AMillionEntriesLoad) {
  TempFolder folder;
  std::string text;
  for (int i = 999999; i >= 0; --i) text += "w" + std::to_string(i) + "\n";
  TKeyWordList list;
  ASSERT_TRUE(list.LoadFromFile(folder.Write("big.kwf", text)));
  EXPECT_EQ(list.Count(), 1000000);
  EXPECT_TRUE(list.Contains("W123456", false));
  EXPECT_FALSE(list.Contains("w1000000", false));
}

TEST(KeyWordListTest, SplitLinesEndsWithoutAnEmptyLineAfterAFinalBreak) {
  EXPECT_EQ(SplitKeyWordFileLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(SplitKeyWordFileLines("a\r\r\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitKeyWordFileLines("").empty());
}

}  // namespace
