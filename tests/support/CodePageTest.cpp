#include <gtest/gtest.h>

#include "support/CodePage.h"

namespace {

using namespace codepage;

TEST(CodePageCase, LettersPairUpAndEverythingElseStays) {
  const std::vector<std::pair<int, int>> pairs{
      {'A', 'a'},   {'Z', 'z'},   {0xC0, 0xE0}, {0xC9, 0xE9}, {0xD6, 0xF6}, {0xD8, 0xF8},
      {0xDE, 0xFE}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
  for (const auto& [upper, lower] : pairs) {
    EXPECT_EQ(ToUpper(lower), upper) << std::hex << lower;
    EXPECT_EQ(ToLower(upper), lower) << std::hex << upper;
    EXPECT_EQ(ToUpper(upper), upper);
    EXPECT_EQ(ToLower(lower), lower);
  }
  int changed = 0;
  for (int c = 0; c < 256; ++c) {
    if (ToUpper(c) != c) ++changed;
  }
  EXPECT_EQ(changed, 26 + 30 + 4) << "only the paired lower-case letters map upwards";
  for (int unchanged : {0xD7, 0xF7, 0xDF, 0xB5, 0x80, 0x40, 0x5B, 0x60, 0x7B, 0x00}) {
    EXPECT_EQ(ToUpper(unchanged), unchanged) << std::hex << unchanged;
    EXPECT_EQ(ToLower(unchanged), unchanged) << std::hex << unchanged;
  }
  EXPECT_EQ(UpperCase("stra\xDF"
                      "e \xE9t\xE9 \xFF"),
            "STRA\xDF"
            "E \xC9T\xC9 \x9F");
  EXPECT_EQ(LowerCase(std::string("\x8C"
                                  "UVRE\0X",
                                  7)),
            std::string("\x9C"
                        "uvre\0x",
                        7));
}

TEST(CodePageCompare, ByteWiseOnUnsignedBytesShorterPrefixFirst) {
  EXPECT_EQ(CompareIgnoreCase("Hello", "hELLO"), 0);
  EXPECT_EQ(CompareIgnoreCase("\xC9t\xE9", "\xE9T\xC9"), 0);
  EXPECT_LT(CompareIgnoreCase("abc", "ABCD"), 0);
  EXPECT_GT(CompareIgnoreCase("abcd", "ABC"), 0);
  EXPECT_LT(CompareIgnoreCase("", "a"), 0);
  EXPECT_LT(CompareIgnoreCase("a", "\xE9"), 0) << "high bytes sort after ASCII";
  EXPECT_GT(CompareIgnoreCase("_", "a"), 0) << "folded to upper case: '_' (0x5F) > 'A' (0x41)";

  EXPECT_EQ(CompareExact("abc", "abc"), 0);
  EXPECT_LT(CompareExact("ABC", "abc"), 0);
  EXPECT_GT(CompareExact("\x80", "\x7F"), 0);
  EXPECT_LT(CompareExact("ab", "abc"), 0);
  EXPECT_LT(CompareExact(std::string("a\0", 2), "a\x01"), 0);
}

TEST(CodePageUnicode, MapsTheHighControlBlockAndRoundTrips) {
  EXPECT_EQ(ToUnicode(0x80), U'\u20AC');
  EXPECT_EQ(ToUnicode(0x8A), U'\u0160');
  EXPECT_EQ(ToUnicode(0x99), U'\u2122');
  EXPECT_EQ(ToUnicode(0x9F), U'\u0178');
  EXPECT_EQ(ToUnicode(0xE9), U'\u00E9');
  EXPECT_EQ(ToUnicode('A'), U'A');
  for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_EQ(ToUnicode(undefined), static_cast<char32_t>(undefined));
  }
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(FromUnicode(ToUnicode(c)), c) << std::hex << c;
  }
  EXPECT_EQ(FromUnicode(U'\u0080'), '?') << "U+0080 is not 0x80 here";
  EXPECT_EQ(FromUnicode(U'\u4E2D'), '?');
  EXPECT_EQ(FromUnicode(U'\U0001F600'), '?');
  EXPECT_FALSE(IsLeadByte(0x81));
}

}  // namespace
