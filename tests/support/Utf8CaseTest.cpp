#include <gtest/gtest.h>
#include <utf8proc.h>

#include <random>
#include <vector>

#include "support/Utf8Case.h"

namespace {

std::string Encoded(char32_t codePoint) {
  utf8proc_uint8_t bytes[4];
  const auto length = utf8proc_encode_char(static_cast<utf8proc_int32_t>(codePoint), bytes);
  return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
}

// A text built piece by piece: each piece is one character or one run of
// bytes that are not UTF-8, so the expected result can be built the same way
// without decoding anything.
struct Piece {
  char32_t codePoint = 0;
  std::string invalidBytes;  // set for a broken piece
};

std::vector<Piece> RandomPieces(std::mt19937& random) {
  // Sharp s is left out: the library's answer for it differs between versions.
  static const std::vector<char32_t> characters = {
      'a',   'Z',    ' ',    '\r',    '\n',    0xE9,    0xC9,   0x131, 0x17F,
      0x23A, 0x2C65, 0x212A, 0x1E9E,  0x3A3,   0x3C3,   0x3C2,  0x416, 0x436,
      0x1C5, 0x301,  0x4E2D, 0x1F600, 0x10428, 0x10400, 0xFF21, 0xFF41};
  static const std::vector<std::string> broken = {"\xFF",     "\x80",         "\xC0",
                                                  "\xE4\xB8", "\xED\xA0\x80", "\xF4\x90\x80\x80"};
  std::vector<Piece> pieces(random() % 40);
  bool previousBroken = false;
  for (Piece& piece : pieces) {
    // Two broken pieces in a row could make one good character.
    if (!previousBroken && random() % 8 == 0)
      piece.invalidBytes = broken[random() % broken.size()];
    else
      piece.codePoint = characters[random() % characters.size()];
    previousBroken = !piece.invalidBytes.empty();
  }
  return pieces;
}

// The text of the pieces, each character through `map`, with the offset
// where each piece starts.
template <typename Map>
std::string Joined(const std::vector<Piece>& pieces, Map map, std::vector<std::size_t>* starts) {
  std::string text;
  for (const Piece& piece : pieces) {
    starts->push_back(text.size());
    text += piece.invalidBytes.empty() ? Encoded(map(piece.codePoint)) : piece.invalidBytes;
  }
  starts->push_back(text.size());
  return text;
}

}  // namespace

TEST(Utf8Case, SimpleMappingOfHandPickedCharacters) {
  EXPECT_EQ(utf8::UpperOf(0xE9), 0xC9u) << "e acute";
  EXPECT_EQ(utf8::LowerOf(0xC9), 0xE9u);
  EXPECT_EQ(utf8::UpperOf(0x436), 0x416u) << "zhe";
  EXPECT_EQ(utf8::LowerOf(0x416), 0x436u);
  EXPECT_EQ(utf8::UpperOf(0x3C3), 0x3A3u) << "sigma";
  EXPECT_EQ(utf8::UpperOf(0x3C2), 0x3A3u) << "final sigma";
  EXPECT_EQ(utf8::LowerOf(0x3A3), 0x3C3u) << "simple mapping knows no final form";
  EXPECT_EQ(utf8::UpperOf(0xDF), 0xDFu) << "sharp s has no one-character upper case";
  EXPECT_EQ(utf8::TitleOf(0x1C6), 0x1C5u) << "dz digraph";
  EXPECT_EQ(utf8::UpperOf(0x4E2D), 0x4E2Du);

  EXPECT_EQ(utf8::UpperCase("caf\xC3\xA9 \xD0\xB6 \xCF\x83"), "CAF\xC3\x89 \xD0\x96 \xCE\xA3");
  EXPECT_EQ(utf8::UpperCase("\xC4\xB1x"), "IX") << "dotless i: two bytes become one";
  EXPECT_EQ(utf8::LowerCase("\xC8\xBA!"), "\xE2\xB1\xA5!") << "two bytes become three";
  EXPECT_EQ(utf8::UpperCase("\xF0\x90\x90\xA8"), "\xF0\x90\x90\x80") << "one 4-byte character";
  EXPECT_EQ(utf8::UpperCase(""), "");
}

TEST(Utf8Case, RandomTextMapsEachCharacterAndKeepsBrokenBytesAndPositions) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 2000; ++round) {
    const std::vector<Piece> pieces = RandomPieces(random);
    std::vector<std::size_t> startsBefore, startsUpper, startsLower;
    const std::string text = Joined(
        pieces, [](char32_t c) { return c; }, &startsBefore);
    const std::string upper = Joined(
        pieces, [](char32_t c) { return char32_t(utf8proc_toupper(int(c))); }, &startsUpper);
    const std::string lower = Joined(
        pieces, [](char32_t c) { return char32_t(utf8proc_tolower(int(c))); }, &startsLower);
    ASSERT_EQ(utf8::UpperCase(text), upper) << "round " << round;
    ASSERT_EQ(utf8::LowerCase(text), lower) << "round " << round;
    for (std::size_t i = 0; i < startsBefore.size(); ++i) {
      ASSERT_EQ(utf8::OffsetAfterMapping(text, upper, startsBefore[i]), startsUpper[i]);
      ASSERT_EQ(utf8::OffsetAfterMapping(text, lower, startsBefore[i]), startsLower[i]);
    }
    ASSERT_EQ(utf8::OffsetAfterMapping(text, upper, text.size() + 3), upper.size() + 3)
        << "past the end keeps its distance";
  }
}
