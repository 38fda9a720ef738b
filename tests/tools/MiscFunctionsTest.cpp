#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tools/MiscFunctions.h"

namespace {

TEST(MinimiseTest, DefaultOptionsDropTrailingBlanksAndFinalBreaks) {
  std::string text = "int a;  \r\n\tb = 1;\t\r\n\r\n\r\n\r\n";
  std::string minimised = Minimise(text, TMinimiseOptions{});
  EXPECT_EQ(minimised, "int a;\r\n\tb = 1;");
  EXPECT_EQ(MinimiseSavingText(text.size(), minimised.size()), "11 chars");
}

TEST(MinimiseTest, LeadingTrimKeepsBlankLinesUnlessTrailingTrimToo) {
  TMinimiseOptions leadingOnly{false, false, true, false};
  EXPECT_EQ(Minimise("   \r\n  x \r\n", leadingOnly), "   \r\nx \r\n");
  TMinimiseOptions both{true, false, true, false};
  EXPECT_EQ(Minimise("   \r\n  x \r\n", both), "\r\nx\r\n");
  TMinimiseOptions all{true, true, true, true};
  EXPECT_EQ(Minimise("a\r\n \t \r\n\r\n  b\r\n\r\n", all), "a\r\nb");
}

TEST(MinimiseTest, FinalBreakFollowsTheSource) {
  TMinimiseOptions keepBreaks{true, false, false, false};
  EXPECT_EQ(Minimise("a \r\nb ", keepBreaks), "a\r\nb");
  EXPECT_EQ(Minimise("a \r\nb \r\n", keepBreaks), "a\r\nb\r\n");
  // Lone CR and LF become CR LF; the final break is kept, not lost.
  EXPECT_EQ(Minimise("a\nb\rc\n", keepBreaks), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(Minimise("\r", keepBreaks), "\r\n");
  // Blanks inside a line never turn into a line break.
  EXPECT_EQ(Minimise("   ", TMinimiseOptions{}), "");
  EXPECT_EQ(Minimise("", TMinimiseOptions{}), "");
  EXPECT_EQ(MinimiseSavingText(3, 4), "-1 chars");
}

TEST(SplitLinesTest, BreakStylesAndFinalBreak) {
  TSplitLines split = SplitLines("a\r\nb\rc\nd");
  ASSERT_EQ(split.lines.size(), 4u);
  EXPECT_EQ(split.lines[3], "d");
  EXPECT_FALSE(split.endsWithBreak);
  split = SplitLines("a\r\n\r\n");
  ASSERT_EQ(split.lines.size(), 2u);
  EXPECT_EQ(split.lines[1], "");
  EXPECT_TRUE(split.endsWithBreak);
  EXPECT_TRUE(SplitLines("").lines.empty());
  EXPECT_EQ(SplitLines("\n\r").lines.size(), 2u);  // LF then CR: two breaks
}

TEST(LineTemplateTest, LettersAndEscapes) {
  EXPECT_EQ(ApplyLineTemplate("x\r\ny\r\n", "%n: %l"), "1: x\r\n2: y\r\n");
  EXPECT_EQ(ApplyLineTemplate("x\r\ny", "%i=%l"), "0=x\r\n1=y");
  EXPECT_EQ(ApplyLineTemplate("a\r\nb", "100%%"), "100\r\n100");
  EXPECT_EQ(ApplyLineTemplate("a", "%l%q!%"), "a!");
  EXPECT_EQ(ApplyLineTemplate("a", ""), "");
  EXPECT_EQ(ApplyLineTemplate("", "%l;"), "");
}

TEST(EncodingTest, SelfInverseMethodsRestoreTheText) {
  std::string text = "Hello,\r\nWorld! \xE9\r\n";
  text.push_back('\0');
  EXPECT_EQ(Rot13("Hello, Zz"), "Uryyb, Mm");
  EXPECT_EQ(Rot13(Rot13(text)), text);
  EXPECT_EQ(Backwards("ab\r\ncd"), "dc\r\nba");
  EXPECT_EQ(Backwards(Backwards(text)), text);
  EXPECT_EQ(XorInvert(std::string("\x00\xFF A", 4)), std::string("\xFF\x00\xDF\xBE", 4));
  EXPECT_EQ(XorInvert(XorInvert(text)), text);
}

// Characters with their combining marks and runs of broken bytes, as the
// units a reversal of UTF-8 text keeps whole.
std::vector<std::string> RandomUnits(std::mt19937& random) {
  static const std::string bases[] = {
      "a", "Z", " ", "\r", "\n", "\xC3\xA9", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80"};
  static const std::string marks[] = {"\xCC\x81", "\xCC\x88"};
  static const std::string broken[] = {"\xFF", "\xE4\xB8", "\x80\x80\xC3"};
  std::vector<std::string> units(random() % 30);
  bool previousBroken = false;
  for (std::string& unit : units) {
    if (!previousBroken && random() % 6 == 0) {
      unit = broken[random() % 3];
      previousBroken = true;
      continue;
    }
    unit = bases[random() % 8];
    for (unsigned m = random() % 4; m >= 2; --m) unit += marks[random() % 2];
    previousBroken = false;
  }
  return units;
}

TEST(EncodingTest, Utf8BackwardsReversesCharactersWithTheirMarks) {
  std::mt19937 random(16);
  for (int round = 0; round < 1000; ++round) {
    const std::vector<std::string> units = RandomUnits(random);
    std::string text, expected;
    for (const std::string& unit : units) text += unit;
    for (auto unit = units.rbegin(); unit != units.rend(); ++unit) expected += *unit;
    for (char& c : expected) c = c == '\r' ? '\n' : c == '\n' ? '\r' : c;
    ASSERT_EQ(*ApplyEncoding(TEncMethod::Backwards, text, true), expected) << round;
    ASSERT_EQ(Utf8Backwards(expected), text) << "twice gives the text back";
  }
  EXPECT_EQ(Utf8Backwards("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80") << "one 4-byte character";
  EXPECT_EQ(Backwards("\xC3\xA9"), "\xA9\xC3") << "code-page text reverses its bytes";
}

TEST(EncodingTest, BinaryBothDirections) {
  EXPECT_EQ(BinaryCode("A"), "01000001");
  EXPECT_EQ(BinaryCode("0100 0001"), "A");
  EXPECT_EQ(BinaryCode("010000010100"), "A");  // an incomplete last group is ignored
  EXPECT_EQ(BinaryCode(""), "");
  EXPECT_EQ(BinaryCode("\xFF"), "11111111");
  std::string bytes = "any\r\n\xA4";
  EXPECT_EQ(BinaryCode(BinaryCode(bytes)), bytes);
}

TEST(EncodingTest, HexadecimalBothDirections) {
  EXPECT_EQ(HexadecimalCode("Hi"), "4869");
  EXPECT_EQ(HexadecimalCode("4869"), "Hi");
  EXPECT_EQ(HexadecimalCode("CAFE"), "\xCA\xFE");  // looks hexadecimal, so it decodes
  EXPECT_EQ(HexadecimalCode("ca fe 4"), "\xCA\xFE");
  EXPECT_EQ(HexadecimalCode(std::string("\x00\x0F\xF0", 3)), "000FF0");
  std::string bytes = "Hello, World";
  EXPECT_EQ(HexadecimalCode(HexadecimalCode(bytes)), bytes);
}

TEST(EncodingTest, IntArrayToStr) {
  EXPECT_EQ(IntArrayToStr("72,105"), "Hi");
  EXPECT_EQ(IntArrayToStr("72, 105"), "H i");
  EXPECT_EQ(IntArrayToStr(",72"), " H");
  EXPECT_EQ(IntArrayToStr("72,"), "H");
  EXPECT_EQ(IntArrayToStr("328"), "H");  // low 8 bits
  EXPECT_EQ(IntArrayToStr("99999999999999999999999"), std::string(1, static_cast<char>(0xFF)));
  EXPECT_EQ(IntArrayToStr(""), "");
}

TEST(DoMiscFunctionTest, PagesAndOutcomes) {
  TMiscFuncRequest request;
  TMiscFuncOutcome outcome = DoMiscFunction(request, "a  \r\n\r\n");
  EXPECT_EQ(outcome.result, "a");
  EXPECT_EQ(outcome.testPanelText, "6 chars");

  request.page = TMiscPage::Encryption;
  request.method = TEncMethod::BitShifting;
  EXPECT_FALSE(IsMiscFunctionAvailable(request));
  outcome = DoMiscFunction(request, "text");
  EXPECT_TRUE(outcome.notImplemented);
  EXPECT_FALSE(outcome.testPanelText);
  request.method = TEncMethod::Hexadecimal;
  EXPECT_TRUE(IsMiscFunctionAvailable(request));
  EXPECT_EQ(DoMiscFunction(request, "Hi").result, "4869");

  request.page = TMiscPage::Lines;
  request.lineTemplate = "- %l";
  EXPECT_EQ(DoMiscFunction(request, "a\r\nb").result, "- a\r\n- b");
  EXPECT_EQ(kEncMethodNames[static_cast<int>(TEncMethod::IntArrayToStr)], "Int Array to Str");
}

TEST(DoMiscFunctionTest, SelectionAfterwards) {
  // With a selection the new text is selected; without, the caret returns.
  EXPECT_EQ(SelectionAfterMiscFunction(10, 4, 7).length, 7u);
  EXPECT_EQ(SelectionAfterMiscFunction(10, 4, 7).start, 10u);
  EXPECT_EQ(SelectionAfterMiscFunction(10, 0, 99).length, 0u);
  EXPECT_EQ(SelectionAfterMiscFunction(10, 0, 99).start, 10u);
}

}  // namespace
