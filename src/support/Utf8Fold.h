// Unicode simple case folding, the comparison a case-blind search makes: two
// characters are equal ignoring case when they fold to the same code point.
// A character always folds to exactly one code point, though not always to
// one of the same byte length (the Kelvin sign folds to "k").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "support/Utf8.h"

namespace utf8 {

// The simple case folding of a code point (itself when it has none).
char32_t FoldCase(char32_t codePoint);

// Invalid bytes compare as themselves: each gets a unit past every code point.
inline constexpr char32_t kInvalidByteUnit = 0x110000;

// One character of text as a case-blind comparison sees it.
struct TFoldedChar {
  char32_t unit;       // the folded code point, or kInvalidByteUnit + the byte
  std::size_t length;  // bytes it takes in the text
};

// The character at `at` (< text.size()), folded.
inline TFoldedChar FoldedCharAt(std::string_view text, std::size_t at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  if (byte < 0x80) return {byte >= 'A' && byte <= 'Z' ? byte + 0x20u : byte, 1};
  const int length = SequenceLength(text, at);
  if (length == 0) return {kInvalidByteUnit + byte, 1};
  return {FoldCase(Decode(text, at)), static_cast<std::size_t>(length)};
}

// The text with every character folded; invalid bytes are kept.
std::string FoldCaseText(std::string_view text);

}  // namespace utf8
