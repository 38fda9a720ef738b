// UTF-8 text as bytes: validation, stepping over characters, code points and
// how many screen cells a character takes. Invalid bytes are never an error
// here: each one counts as a character of its own, one byte long.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace utf8 {

// Length of the well-formed sequence starting at `at` (1 to 4), or 0 when the
// byte there does not start one: a stray continuation byte, an overlong form,
// a surrogate, a code point past U+10FFFF or a sequence cut short.
int SequenceLength(std::string_view text, std::size_t at);

// The whole text is well-formed UTF-8 (pure ASCII included).
bool IsValid(std::string_view text);
// Every byte is below 0x80.
bool IsAscii(std::string_view text);
// The first byte at or after `at` that is not ASCII, or the text's size.
std::size_t NextNonAscii(std::string_view text, std::size_t at);
// Characters of well-formed text: the bytes that start one.
std::size_t CharCount(std::string_view text);

// Validates text that arrives in pieces: a sequence may be split between two.
class TValidator {
 public:
  void Feed(std::string_view piece);
  // Every byte fed so far is well-formed and no sequence is left unfinished.
  bool Valid() const { return valid_ && pendingSize_ == 0; }

 private:
  bool valid_ = true;
  char pending_[4] = {};
  std::size_t pendingSize_ = 0;
};

// The code point of the character at `at`; an invalid byte gives itself
// (0x80 to 0xFF), which the caller tells apart with SequenceLength.
char32_t Decode(std::string_view text, std::size_t at);
void Append(std::string& out, char32_t codePoint);

// Byte length of the character at `at`: its sequence, or 1 for an invalid byte.
inline std::size_t CharLength(std::string_view text, std::size_t at) {
  const int length = SequenceLength(text, at);
  return length > 0 ? static_cast<std::size_t>(length) : 1;
}

// Start of the character that ends at `at` (> 0), when `at` is a boundary.
std::size_t PreviousCharStart(std::string_view text, std::size_t at);
// `at` starts a character (or is the end): it is not a continuation byte
// inside a well-formed sequence that starts before it.
bool IsCharBoundary(std::string_view text, std::size_t at);

// `at` is where the caret may stop: a character boundary not followed by a
// zero-width character, or an end of the text.
bool IsCaretStop(std::string_view text, std::size_t at);

// Letters, combining marks and numbers (digits among them): what words and
// identifiers are made of.
bool IsWordCharacter(char32_t codePoint);

// Cells on screen: 2 for East Asian wide characters and most emoji, 0 for
// combining marks and other zero-width characters, else 1.
int Cells(char32_t codePoint);
// Cells of the character at `at`; an invalid byte shows as one marker cell.
int CellsAt(std::string_view text, std::size_t at);
// CellsAt and CharLength at once, reading the sequence once.
struct TCharExtent {
  int cells;
  int bytes;
};
TCharExtent ExtentAt(std::string_view text, std::size_t at);
// The cells and bytes of the characters from `at` up to the next ASCII byte
// (or the end): a run of text beyond ASCII measured in one call.
struct TRunExtent {
  std::int64_t cells;
  std::size_t bytes;
};
TRunExtent NonAsciiRunAt(std::string_view text, std::size_t at);

// A zero-width character after the one at `at` belongs with it: the caret
// never stops between a letter and its accent.
std::size_t NextCaretStop(std::string_view text, std::size_t at);
// The caret stop before `at` (0 at the start).
std::size_t PreviousCaretStop(std::string_view text, std::size_t at);
// `at` itself when the caret may stop there, else the stop before it: the
// start of the character, or of the letter whose marks it is inside.
std::size_t CaretStopAt(std::string_view text, std::size_t at);

// Conversions from and to Windows-1252. `lost`, when given, receives how
// many characters had no byte and became "?".
std::string FromWindows1252(std::string_view bytes);
std::string ToWindows1252(std::string_view text, std::size_t* lost = nullptr);

// UTF-16 code units (`bigEndian` or little-endian, without the byte-order
// mark) as UTF-8; a lone surrogate becomes U+FFFD and an odd last byte is
// ignored.
std::string FromUtf16(std::string_view bytes, bool bigEndian);

}  // namespace utf8
