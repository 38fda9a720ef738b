#include <gtest/gtest.h>

#include "support/OvLib.h"
#include "tools/ColorPickCode.h"

namespace {

constexpr TColor kRandom = 0x123456;

// The code the picker writes back when the dialog is confirmed unchanged.
std::string RoundTrip(const std::string& selected, std::optional<char> before = 'x') {
  TColorPickStart start = ReadColorCodeAtSelection(selected, before, kRandom);
  return ColorCodeText(start.prefix, start.colour);
}

TEST(ColorPickCode, EveryPrefixIsKeptAndDigitsComeBackUpperCase) {
  EXPECT_EQ(RoundTrip("#FF8000"), "#FF8000");
  EXPECT_EQ(RoundTrip("0x00ff00"), "0x00FF00");
  EXPECT_EQ(RoundTrip("$0080ff"), "$0080FF");
  EXPECT_EQ(RoundTrip("ff8000"), "FF8000");
  TColorPickStart start = ReadColorCodeAtSelection("#FF8000", 'x', kRandom);
  EXPECT_EQ(start.colour, MakeColor(0xFF, 0x80, 0x00)) << "RRGGBB in text, red low in the value";
}

TEST(ColorPickCode, ShortAndLongCodesAreReadAsNumbersNotExpanded) {
  EXPECT_EQ(RoundTrip("#FFF"), "#000FFF");
  EXPECT_EQ(RoundTrip("$1"), "$000001");
  EXPECT_EQ(RoundTrip("F"), "00000F");
  EXPECT_EQ(RoundTrip("#1234567"), "#234567") << "seven digits: the top one falls off";
  EXPECT_EQ(RoundTrip("12345678"), "345678") << "eight digits without prefix";
  EXPECT_EQ(RoundTrip("0x123456"), "0x123456");
}

TEST(ColorPickCode, UnreadableSelectionsStartWithTheRandomColourAndKeepTheirPrefix) {
  for (const char* text : {"#", "$", "0x", "#GG", "# FF", "$-1", "0X12", "#12 ", "zz"}) {
    TColorPickStart start = ReadColorCodeAtSelection(text, 'x', kRandom);
    EXPECT_EQ(start.colour, kRandom) << text;
  }
  EXPECT_EQ(ReadColorCodeAtSelection("#GG", 'x', kRandom).prefix, "#");
  EXPECT_EQ(ReadColorCodeAtSelection("0x", 'x', kRandom).prefix, "0x");
  EXPECT_EQ(ReadColorCodeAtSelection("0X12", 'x', kRandom).prefix, "") << "only a lower-case x";
}

TEST(ColorPickCode, WithoutAShortSelectionTheCodeFollowsAnExistingHash) {
  std::string nine = "#FF8000AA";
  EXPECT_EQ(ReadColorCodeAtSelection(nine, 'x', kRandom).prefix, "#");
  EXPECT_EQ(ReadColorCodeAtSelection(nine, 'x', kRandom).colour, kRandom);
  EXPECT_EQ(ReadColorCodeAtSelection(nine, '#', kRandom).prefix, "");
  EXPECT_EQ(ReadColorCodeAtSelection("", '#', kRandom).prefix, "") << "caret after a typed #";
  EXPECT_EQ(ReadColorCodeAtSelection("", ' ', kRandom).prefix, "#");
  EXPECT_EQ(ReadColorCodeAtSelection("", std::nullopt, kRandom).prefix, "#") << "very start";
}

TEST(ColorPickCode, ReadHexNumberTakesOneToEightDigitsOnly) {
  EXPECT_EQ(ReadHexNumber("fFfFfFfF"), 0xFFFFFFFFu);
  EXPECT_EQ(ReadHexNumber("0"), 0u);
  EXPECT_FALSE(ReadHexNumber(""));
  EXPECT_FALSE(ReadHexNumber("123456789"));
  EXPECT_FALSE(
      ReadHexNumber(std::string("12\0"
                                "3",
                                4)));
}

TEST(ColorPickCode, TheCommandAsksWithTheReadColourAndWritesTheChosenOne) {
  TColor asked = 0;
  auto choose = [&](TColor initial) -> std::optional<TColor> {
    asked = initial;
    return MakeColor(1, 2, 3);
  };
  TRandomGenerator random;
  EXPECT_EQ(ColorPickerReplacement("0x00ff00", 'x', random, choose), "0x010203");
  EXPECT_EQ(asked, MakeColor(0, 255, 0));
  EXPECT_EQ(ColorPickerReplacement("", '#', random, choose), "010203");

  auto cancel = [](TColor) -> std::optional<TColor> { return std::nullopt; };
  EXPECT_EQ(ColorPickerReplacement("#FF8000", 'x', random, cancel), std::nullopt);

  // Unreadable selections start from the generator's next draw.
  TRandomGenerator seeded(77);
  const std::uint32_t expected = TRandomGenerator(77).Below(0x1000000);
  ColorPickerReplacement("#GG", 'x', seeded, choose);
  EXPECT_EQ(asked, expected);
}

}  // namespace
