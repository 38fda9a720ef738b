#include <gtest/gtest.h>

#include "shell/TextTransforms.h"
#include "support/OvLib.h"
#include "support/Utf8.h"
#include "support/Utf8Case.h"

TEST(ModifyCase, CodePageMethodsConvertAccentedLetters) {
  TRandomGenerator random;
  EXPECT_EQ(ModifyCaseText(TCaseMethod::Upper, "caf\xE9 \x9A\xFF", random), "CAF\xC9 \x8A\x9F");
  EXPECT_EQ(ModifyCaseText(TCaseMethod::Lower, "CAF\xC9", random), "caf\xE9");
  EXPECT_EQ(ModifyCaseText(TCaseMethod::Toggle, "aB\xE9\xC9", random), "Ab\xE9\xC9")
      << "toggle touches only A-Z and a-z";
}

TEST(ModifyCase, TitleCaseStartsWordsAfterAnyNonLetter) {
  TRandomGenerator random;
  EXPECT_EQ(ModifyCaseText(TCaseMethod::Title, "o'neil mcdonald-smith", random),
            "O'Neil Mcdonald-Smith");
  EXPECT_EQ(ModifyCaseText(TCaseMethod::Title, "abc1def", random), "Abc1Def");
  EXPECT_EQ(ModifyCaseText(TCaseMethod::Title, "\xE9t\xC9", random), "\xE9T\xE9")
      << "an accented letter counts as a separator";
}

TEST(ModifyCase, SecondCaseCountsEveryCharacterIncludingLineBreaks) {
  TRandomGenerator random;
  EXPECT_EQ(ModifyCaseText(TCaseMethod::Second, "ab\r\ncd", random), "Ab\r\nCd");
  EXPECT_EQ(ModifyCaseText(TCaseMethod::Second, "a b", random), "A B");
}

TEST(ModifyCase, RandomCaseRepeatsFromTheSameSeed) {
  TRandomGenerator random;
  const std::string first = ModifyCaseText(TCaseMethod::Random, "abcdefghijklmnop", random);
  TRandomGenerator again;
  EXPECT_EQ(ModifyCaseText(TCaseMethod::Random, "abcdefghijklmnop", again), first);
  EXPECT_NE(first, "abcdefghijklmnop");
  EXPECT_NE(first, "ABCDEFGHIJKLMNOP");
  EXPECT_NE(ModifyCaseText(TCaseMethod::Random, "abcdefghijklmnop", random), first)
      << "the sequence goes on";
}

TEST(CenterWithSpaces, PadsWithHalfTheTrimmedCount) {
  EXPECT_EQ(CenterWithSpacesText("    hello   "), "   hello   ");
  EXPECT_EQ(CenterWithSpacesText("\t\r\nx\r\n"), "  x  ");
  EXPECT_EQ(CenterWithSpacesText("   "), "  ") << "only blanks: three removed, one each side";
}

TEST(IsLineCommented, NeedsTextAfterTheCommentString) {
  EXPECT_TRUE(IsLineCommented("//b", "//"));
  EXPECT_TRUE(IsLineCommented(" \t//b", "//"));
  EXPECT_FALSE(IsLineCommented("//", "//")) << "a bare comment string does not count";
  EXPECT_FALSE(IsLineCommented("  //", "//"));
  EXPECT_FALSE(IsLineCommented("a//b", "//"));
  EXPECT_FALSE(IsLineCommented("", "//"));
}

namespace {

TCommentToggle Toggle(const std::vector<std::string>& lines, const std::string& c, long long n) {
  return ToggleComments(
      0, static_cast<int>(lines.size()) - 1, [&](int i) { return lines[i]; }, c, n);
}

}  // namespace

TEST(ToggleComments, ModeFollowsTheLastNonEmptyLine) {
  auto removed = Toggle({"a", "", "//b"}, "//", 8);
  ASSERT_EQ(removed.changedLines.size(), 1u);
  EXPECT_EQ(removed.changedLines[0], (std::pair<int, std::string>{2, "b"}));
  EXPECT_EQ(removed.selLength, 6);

  auto added = Toggle({"a", "b"}, "//", 4);
  ASSERT_EQ(added.changedLines.size(), 2u);
  EXPECT_EQ(added.changedLines[1].second, "//b");
  EXPECT_EQ(added.selLength, 8);

  auto bare = Toggle({"//"}, "//", 0);
  ASSERT_EQ(bare.changedLines.size(), 1u);
  EXPECT_EQ(bare.changedLines[0].second, "////");
  EXPECT_EQ(bare.selLength, 0) << "no selection stays no selection";
}

TEST(ToggleComments, EmptyCommentStringChangesNothing) {
  EXPECT_TRUE(Toggle({"a", "b"}, "", 3).changedLines.empty());
  EXPECT_TRUE(Toggle({"", ""}, "--", 0).changedLines.empty());
}

TEST(FindMatchingBracket, MatchesOnlyTheSamePair) {
  const std::string text = "f(a[1], (b))";
  auto span = FindMatchingBracket(text, 0);
  ASSERT_TRUE(span.has_value());
  EXPECT_EQ(span->start, 1);
  EXPECT_EQ(span->length, 11);

  span = FindMatchingBracket(text, 11);  // just before the last ')'
  ASSERT_TRUE(span.has_value());
  EXPECT_EQ(span->start, 1);
  EXPECT_EQ(span->length, 11);

  EXPECT_FALSE(FindMatchingBracket(text, 12).has_value()) << "after the last bracket";
  EXPECT_FALSE(FindMatchingBracket("((a)", 0).has_value());
  EXPECT_FALSE(FindMatchingBracket("a]", 0).has_value());
  EXPECT_FALSE(FindMatchingBracket("", 5).has_value());
}

TEST(ModifyCase, Utf8MethodsMapCharactersByUnicode) {
  TRandomGenerator random;
  const auto modify = [&](TCaseMethod method, std::string_view text) {
    return ModifyCaseText(method, text, random, true);
  };
  EXPECT_EQ(
      modify(TCaseMethod::Upper, "\xC3\xA9t\xC3\xA9 \xD0\xB6\xD1\x83\xD0\xBA \xCF\x83 \xC3\x9F"),
      "\xC3\x89T\xC3\x89 \xD0\x96\xD0\xA3\xD0\x9A \xCE\xA3 \xC3\x9F");
  EXPECT_EQ(modify(TCaseMethod::Lower, "\xC3\x89T\xC3\x89 \xCE\xA3"), "\xC3\xA9t\xC3\xA9 \xCF\x83");
  EXPECT_EQ(modify(TCaseMethod::Title,
                   "\xC3\xA9LAN o'neil e\xCC\x81"
                   "cole \xC7\x86ungla"),
            "\xC3\x89lan O'Neil E\xCC\x81"
            "cole \xC7\x85ungla")
      << "accented letters are letters; an accent does not end its word; dz takes its title form";
  EXPECT_EQ(modify(TCaseMethod::Toggle, "a\xC3\x89\xC4\xB1\xE4\xB8\xAD"), "A\xC3\xA9I\xE4\xB8\xAD");
  EXPECT_EQ(modify(TCaseMethod::Second, "\xC3\xA9\xC3\xA9\r\n\xC3\xA9"),
            "\xC3\x89\xC3\xA9\r\n\xC3\x89")
      << "one position per character, line breaks included";
  EXPECT_EQ(modify(TCaseMethod::Upper, "a\xFF\xC3\xA9\xE4\xB8"), "A\xFF\xC3\x89\xE4\xB8")
      << "broken bytes stay";
  for (std::size_t method = 0; method < CaseMethodNames().size(); ++method)
    EXPECT_EQ(modify(static_cast<TCaseMethod>(method), ""), "");
}

TEST(ModifyCase, Utf8RandomCaseDrawsOncePerCharacter) {
  const std::string text =
      "\xC3\xA9\xC3\x89\xD0\xB6\xD0\x96"
      "ab\xF0\x90\x90\xA8\xF0\x90\x90\x80xyzXYZ";
  TRandomGenerator random, reference;
  const std::string changed = ModifyCaseText(TCaseMethod::Random, text, random, true);
  std::string expected;
  for (std::size_t at = 0; at < text.size(); at += utf8::CharLength(text, at)) {
    const std::string one(text.substr(at, utf8::CharLength(text, at)));
    expected += reference.Below(2) == 1 ? utf8::UpperCase(one) : utf8::LowerCase(one);
  }
  EXPECT_EQ(changed, expected);
  EXPECT_EQ(random.Seed(), reference.Seed()) << "as many draws as characters";
}
