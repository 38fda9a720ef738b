// Unicode simple case mapping of UTF-8 text: one code point to one code
// point, so a text keeps its number of characters while its byte length may
// change (U+0131 dotless i, two bytes, upper-cases to I, one byte). Bytes that
// are not well-formed UTF-8 are kept as they are.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "support/Utf8.h"

namespace utf8 {

char32_t UpperOf(char32_t codePoint);
char32_t LowerOf(char32_t codePoint);
char32_t TitleOf(char32_t codePoint);
// Unicode letters (categories L*).
bool IsLetter(char32_t codePoint);
// Combining marks (categories M*): they belong to the letter before them.
bool IsMark(char32_t codePoint);

// The text with each well-formed character replaced by `map(codePoint)`;
// invalid bytes are copied and never passed to `map`.
template <typename Map>
std::string MapCharacters(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80) {
      out.push_back(static_cast<char>(map(static_cast<char32_t>(byte))));
      ++at;
      continue;
    }
    const int length = SequenceLength(text, at);
    if (length == 0) {
      out.push_back(text[at++]);
      continue;
    }
    Append(out, map(Decode(text, at)));
    at += static_cast<std::size_t>(length);
  }
  return out;
}

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// The offset in `after` (a MapCharacters result of `before`) that has as many
// characters before it as `offset` has in `before`: where a caret or
// selection end goes when the text under it changed case.
std::size_t OffsetAfterMapping(std::string_view before, std::string_view after, std::size_t offset);

}  // namespace utf8
