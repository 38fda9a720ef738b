// The string routines of find and replace. Positions are 1-based, text is
// code-page bytes; NUL bytes are ordinary bytes. There is no regular
// expression mode.
//
// Find and Count fold case with the code page's upper-case mapping and take
// word boundaries from WordLetters; ReplaceText (used by Yes to All) folds
// case as the code page's case-insensitive comparison does and takes only
// ASCII letters as word letters. Callers rely on that difference.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class TJoinedLines;

namespace word_letters_detail {
constexpr std::array<bool, 256> Make() {
  std::array<bool, 256> letters{};
  auto mark = [&letters](int first, int last) {
    for (int byte = first; byte <= last; ++byte) letters[byte] = true;
  };
  mark('A', 'Z');
  mark('a', 'z');
  mark(0x8A, 0x8A);
  mark(0x8C, 0x8C);
  mark(0x9A, 0x9A);
  mark(0x9C, 0x9C);
  mark(0x9F, 0x9F);
  mark(0xC0, 0xD6);
  mark(0xD8, 0xDE);
  mark(0xE0, 0xF6);
  mark(0xF8, 0xFF);
  return letters;
}
}  // namespace word_letters_detail

// Bytes that count as letters for the whole-word test of Find and Count: the
// letters of Windows-1252. Digits and the underscore are boundaries.
inline constexpr std::array<bool, 256> WordLetters = word_letters_detail::Make();

inline bool IsWordLetter(unsigned char byte) {
  return WordLetters[byte];
}

// Position of the first accepted occurrence of `pattern` at or after `start`,
// or 0. Empty text or pattern, or a start outside the text, give 0.
std::int64_t SearchText(std::string_view text, std::string_view pattern, std::int64_t start,
                        bool matchCase, bool wholeWord);

// The same over a document kept as lines, read as if joined by CR LF.
std::int64_t SearchText(TJoinedLines& text, std::string_view pattern, std::int64_t start,
                        bool matchCase, bool wholeWord);

// Number of accepted occurrences at or after `start`, overlapping ones
// included ('aa' occurs 3 times in 'aaaa'). A start below 1 counts from 1.
std::int64_t CountText(std::string_view text, std::string_view pattern, std::int64_t start,
                       bool matchCase, bool wholeWord);

std::int64_t CountText(TJoinedLines& text, std::string_view pattern, std::int64_t start,
                       bool matchCase, bool wholeWord);

// Replaces occurrences from `start` on, left to right, at most `maximumCount`
// of them (0 = no limit); replaced text is not searched again. Returns the
// number of replacements. A start below 1 works from 1.
std::int64_t ReplaceText(std::string& text, std::string_view pattern, std::string_view replacement,
                         std::int64_t start, std::int64_t maximumCount, bool matchCase,
                         bool wholeWord);

// ReplaceText that leaves its input alone and returns the new text; the
// number of replacements goes to `count`. Built in one pass.
std::string ReplacedText(std::string_view text, std::string_view pattern,
                         std::string_view replacement, std::int64_t start,
                         std::int64_t maximumCount, bool matchCase, bool wholeWord,
                         std::int64_t& count);

// The same routines for UTF-8 text. Occurrences start and end on character
// boundaries; ignoring case compares characters by Unicode simple case
// folding, so an occurrence may differ from the pattern in byte length;
// whole words are bounded by characters that are not letters, marks or
// numbers. Find, Count and Replace share these rules.
struct TTextMatch {
  std::int64_t position = 0;  // 1-based; 0 when nothing is found
  std::int64_t length = 0;    // bytes of the occurrence
};
TTextMatch SearchUtf8Text(std::string_view text, std::string_view pattern, std::int64_t start,
                          bool matchCase, bool wholeWord);
TTextMatch SearchUtf8Text(TJoinedLines& text, std::string_view pattern, std::int64_t start,
                          bool matchCase, bool wholeWord);
std::int64_t CountUtf8Text(std::string_view text, std::string_view pattern, std::int64_t start,
                           bool matchCase, bool wholeWord);
std::int64_t CountUtf8Text(TJoinedLines& text, std::string_view pattern, std::int64_t start,
                           bool matchCase, bool wholeWord);
std::string ReplacedUtf8Text(std::string_view text, std::string_view pattern,
                             std::string_view replacement, std::int64_t start,
                             std::int64_t maximumCount, bool matchCase, bool wholeWord,
                             std::int64_t& count);

// Decodes what the user typed in the find and replace boxes: \t TAB, \n CR LF,
// \0 a NUL byte, \\ one backslash; any other pair is dropped; a backslash at
// the very end stays.
std::string DecodeEscapes(std::string_view typed);
