#include <gtest/gtest.h>
#include <utf8proc.h>

#include <random>
#include <vector>

#include "support/Utf8.h"

namespace {

// The library's own decoder, as the independent judge of well-formedness.
bool LibraryAccepts(const std::string& text) {
  const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
  auto remaining = static_cast<utf8proc_ssize_t>(text.size());
  while (remaining > 0) {
    utf8proc_int32_t codePoint;
    const utf8proc_ssize_t length = utf8proc_iterate(bytes, remaining, &codePoint);
    if (length <= 0 || codePoint < 0) return false;
    bytes += length;
    remaining -= length;
  }
  return true;
}

// Mostly ASCII with pieces of real characters and of broken ones, so that
// both the fast path and every kind of fault show up.
std::string RandomBytes(std::mt19937& random) {
  static const std::vector<std::string> pieces = {"plain ascii text, long enough for the fast path",
                                                  "\xC3\xA9",
                                                  "\xE4\xB8\xAD",
                                                  "\xF0\x9F\x98\x80",
                                                  "e\xCC\x81",
                                                  "\xC3",
                                                  "\xE4\xB8",
                                                  "\xF0\x9F\x98",
                                                  "\x80",
                                                  "\xBF",
                                                  "\xC0\xAF",
                                                  "\xE0\x80\xAF",
                                                  "\xED\xA0\x80",
                                                  "\xF4\x90\x80\x80",
                                                  "\xF5",
                                                  "\xFF",
                                                  "\n"};
  std::string text;
  const int count = static_cast<int>(random() % 12);
  for (int i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
  return text;
}

TEST(Utf8, ValidationAgreesWithTheLibraryWholeAndInAnyPieces) {
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    const std::string text = RandomBytes(random);
    const bool expected = LibraryAccepts(text);
    ASSERT_EQ(utf8::IsValid(text), expected) << testing::PrintToString(text);
    utf8::TValidator validator;
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t piece = 1 + random() % 5;
      validator.Feed(std::string_view(text).substr(at, piece));
      at += piece;
    }
    ASSERT_EQ(validator.Valid(), expected) << testing::PrintToString(text);
  }
}

TEST(Utf8, EveryCodePointEncodesDecodesAndMeasures) {
  for (char32_t codePoint = 0; codePoint <= 0x10FFFF; ++codePoint) {
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) continue;
    std::string text;
    utf8::Append(text, codePoint);
    ASSERT_EQ(utf8::SequenceLength(text, 0), static_cast<int>(text.size()));
    ASSERT_EQ(utf8::Decode(text, 0), codePoint);
  }
  EXPECT_EQ(utf8::Cells(U'a'), 1);
  EXPECT_EQ(utf8::Cells(U'\t'), 1);
  EXPECT_EQ(utf8::Cells(U'é'), 1);
  EXPECT_EQ(utf8::Cells(U'中'), 2);
  EXPECT_EQ(utf8::Cells(U'😀'), 2);
  EXPECT_EQ(utf8::Cells(0x0301), 0) << "a combining accent";
  EXPECT_EQ(utf8::CellsAt("\xFF", 0), 1) << "an invalid byte shows as one marker";
}

TEST(Utf8, CaretStopsAreTheSameForwardAndBackwardAndKeepAccentsOnTheirLetter) {
  std::mt19937 random(11);
  for (int round = 0; round < 5000; ++round) {
    const std::string text = RandomBytes(random);
    std::vector<std::size_t> forward{0};
    while (forward.back() < text.size())
      forward.push_back(utf8::NextCaretStop(text, forward.back()));
    ASSERT_EQ(forward.back(), text.size());
    for (std::size_t k = forward.size() - 1; k > 0; --k)
      ASSERT_EQ(utf8::PreviousCaretStop(text, forward[k]), forward[k - 1])
          << testing::PrintToString(text) << " at " << forward[k];
  }
  EXPECT_EQ(utf8::NextCaretStop("e\xCC\x81x", 0), 3u) << "e with its combining acute";
}

TEST(Utf8, ConvertsFromAndToTheLegacyCodePageAndUtf16) {
  EXPECT_EQ(utf8::FromWindows1252("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
  std::size_t lost = 99;
  EXPECT_EQ(utf8::ToWindows1252("caf\xC3\xA9 \xE4\xB8\xAD?", &lost), "caf\xE9 ??");
  EXPECT_EQ(lost, 1u) << "the question mark typed is not a lost character";
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    ASSERT_EQ(utf8::ToWindows1252(utf8::FromWindows1252(one)), one) << byte;
  }
  // "a", U+1F600 as a surrogate pair, a lone trail surrogate, an odd last byte.
  const std::string little("a\0\x3D\xD8\x00\xDE\x00\xDC!", 9);
  EXPECT_EQ(utf8::FromUtf16(little, false), "a\xF0\x9F\x98\x80\xEF\xBF\xBD");
  const std::string big("\0a\xD8\x3D\xDE\x00", 6);
  EXPECT_EQ(utf8::FromUtf16(big, true), "a\xF0\x9F\x98\x80");
}

}  // namespace
