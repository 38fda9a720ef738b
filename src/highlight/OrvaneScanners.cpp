// The scanning routines of the configurable highlighter: one per kind of
// first byte, plus the continuation of comments left open.
#include <algorithm>
#include <array>

#include "highlight/ScribHighlighterOrvane.h"
#include "support/CharClasses.h"
#include "support/CodePage.h"
#include "support/Utf8.h"
#include "support/WordBytes.h"

namespace {

// Bytes that continue an identifier; fixed, whatever IdentifierChars says.
constexpr std::array<bool, 256> kIdentifierBytes = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c <= 255; ++c) table[c] = IsAsciiIdentifierChar(static_cast<unsigned char>(c));
  return table;
}();

// Blanks that a space token runs over: 1..32 without the line ends.
constexpr std::array<bool, 256> kBlankBytes = [] {
  std::array<bool, 256> table{};
  for (int c = 1; c <= 32; ++c) table[c] = c != 10 && c != 13;
  return table;
}();

constexpr int kCommentPiece = 1 << 12;

constexpr bool IsLineEnd(unsigned char c) {
  return c == 0 || c == 10 || c == 13;
}
constexpr bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsHexDigit(unsigned char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The first byte of line[from, end) that may start the closer of a comment
// (`opener`) or ends the line; `end` when there is none.
int CommentStop(const char* line, int from, int end, unsigned char opener) {
  using namespace word_bytes;
  for (; from + 8 <= end; from += 8) {
    const std::uint64_t word = Load(line + from);
    if (HasByte(word, opener) | HasByte(word, 0) | HasByte(word, 10) | HasByte(word, 13)) break;
  }
  for (; from < end; ++from) {
    const auto c = static_cast<unsigned char>(line[from]);
    if (c == opener || IsLineEnd(c)) return from;
  }
  return end;
}

}  // namespace

void TScribOrvane::SetLine(std::string_view text, int lineIndex) {
  SetLineAt(text, lineIndex, 0, range_);
}

bool TScribOrvane::SetLineAt(std::string_view text, int lineIndex, int offset, int range) {
  line_ = text.data();
  lineLength_ = static_cast<int>(text.size());
  lineNumber_ = lineIndex;
  run_ = std::clamp(offset, 0, lineLength_);
  SetRange(range);
  Next();
  return true;
}

void TScribOrvane::Next() {
  tokenPos_ = run_;
  switch (range_) {
    case rsAnsi:
      CommentContinuation("*)");
      break;
    case rsPasStyle:
      CommentContinuation("}");
      break;
    case rsCStyle:
      CommentContinuation("*/");
      break;
    case rsLua:
      CommentContinuation("]]");
      break;
    case rsMarkup:
      CommentContinuation("-->");
      break;
    default:
      (this->*dispatch_[At(run_)])();
      break;
  }
}

void TScribOrvane::CommentContinuation(std::string_view closer) {
  const unsigned char first = At(run_);
  if (first == 0) return NullProc();
  if (first == 10) return LineFeedProc();
  if (first == 13) return CarriageReturnProc();
  tokenKind_ = tkComment;
  // A comment runs on in pieces, so that a scan can resume inside a long one.
  const int pieceEnd = std::min(run_ + kCommentPiece, lineLength_);
  const auto opener = static_cast<unsigned char>(closer[0]);
  while ((run_ = CommentStop(line_, run_, pieceEnd, opener)) < pieceEnd) {
    if (IsLineEnd(At(run_))) return;
    if (StartsAt(run_, closer)) {
      range_ = rsUnknown;
      run_ += static_cast<int>(closer.size());
      return;
    }
    ++run_;
  }
  // A piece never ends inside a character.
  if (Utf8Text()) {
    while ((At(run_) & 0xC0) == 0x80) ++run_;
  }
}

void TScribOrvane::NullProc() {
  if (run_ < lineLength_) {
    // A zero byte inside the line: keep scanning past it.
    tokenKind_ = tkUnknown;
    ++run_;
    return;
  }
  tokenKind_ = tkNull;
}

void TScribOrvane::SpaceProc() {
  tokenKind_ = tkSpace;
  do {
    ++run_;
  } while (kBlankBytes[At(run_)]);
}

void TScribOrvane::LineFeedProc() {
  tokenKind_ = tkSpace;
  ++run_;
}

void TScribOrvane::CarriageReturnProc() {
  tokenKind_ = tkSpace;
  ++run_;
  if (At(run_) == 10) ++run_;
}

int TScribOrvane::WordCharacterLength(int offset) const {
  if (!Utf8Text() || At(offset) < 0x80) return 0;
  const std::string_view line(line_, static_cast<std::size_t>(lineLength_));
  const auto at = static_cast<std::size_t>(offset);
  const int length = utf8::SequenceLength(line, at);
  return length > 0 && utf8::IsWordCharacter(utf8::Decode(line, at)) ? length : 0;
}

void TScribOrvane::IdentifierProc() {
  ScanIdentifier(1);
}

void TScribOrvane::ScanIdentifier(int firstLength) {
  run_ += firstLength;
  for (;;) {
    while (kIdentifierBytes[At(run_)]) ++run_;
    if (!Utf8Text() || At(run_) < 0x80) break;
    const int length = WordCharacterLength(run_);
    if (length == 0) break;
    run_ += length;
  }
  const std::string_view word(line_ + tokenPos_, static_cast<std::size_t>(run_ - tokenPos_));
  tokenKind_ = TScribOrvane::IsKeyword(word) ? tkKey : tkIdentifier;
}

void TScribOrvane::NumberProc() {
  tokenKind_ = tkNumber;
  ++run_;
  if (At(run_ - 1) == '0' && At(run_) == 'x') return HexNumberProc();
  for (;;) {
    const unsigned char c = At(run_);
    if (c == '.') {
      if (At(run_ + 1) == '.') return;
    } else if (!IsDigit(c) && c != 'E' && c != 'e') {
      return;
    }
    ++run_;
  }
}

void TScribOrvane::HexNumberProc() {
  tokenKind_ = tkNumber;
  do {
    ++run_;
  } while (IsHexDigit(At(run_)));
}

void TScribOrvane::StringProc() {
  tokenKind_ = tkString;
  const char delimiter = static_cast<char>(At(run_));
  for (;;) {
    ++run_;
    const unsigned char c = At(run_);
    if (IsLineEnd(c)) return;
    if (c == '\\') {
      ++run_;  // the escaped byte is taken as it is
      if (IsLineEnd(At(run_))) return;
    } else if (c == static_cast<unsigned char>(delimiter)) {
      if (At(run_ + 1) != delimiter) {
        ++run_;
        return;
      }
      ++run_;  // a doubled delimiter stands for one inside the string
    }
  }
}

void TScribOrvane::RoundOpenProc() {
  ++run_;
  if (HasComment(csAnsiStyle) && At(run_) == '*') {
    tokenKind_ = tkComment;
    range_ = rsAnsi;
  } else {
    tokenKind_ = tkSymbol;
  }
}

void TScribOrvane::BraceOpenProc() {
  ++run_;
  if (HasComment(csPasStyle)) {
    tokenKind_ = tkComment;
    range_ = rsPasStyle;
  } else {
    tokenKind_ = tkSymbol;
  }
}

void TScribOrvane::SlashProc() {
  ++run_;
  if (HasComment(csCPPStyle) && At(run_) == '/') {
    tokenKind_ = tkComment;
    range_ = rsUnknown;
    ToEndOfText();
  } else if (HasComment(csCStyle) && At(run_) == '*') {
    tokenKind_ = tkComment;
    range_ = rsCStyle;
  } else {
    tokenKind_ = tkSymbol;
  }
}

void TScribOrvane::SemicolonProc() {
  if (HasComment(csAsmStyle) || HasComment(csBasStyle)) {
    tokenKind_ = tkComment;
    range_ = rsUnknown;
    ToEndOfText();
  } else {
    ++run_;
    tokenKind_ = tkSymbol;
  }
}

void TScribOrvane::MinusProc() {
  ++run_;
  if (!HasComment(csLuaStyle) || At(run_) != '-') {
    tokenKind_ = tkSymbol;
    return;
  }
  tokenKind_ = tkComment;
  if (At(run_ + 1) == '[' && At(run_ + 2) == '[') {
    range_ = rsLua;
  } else {
    range_ = rsUnknown;
    ToEndOfText();
  }
}

bool TScribOrvane::HashComment() {
  // "$#", "${#" and "\#" are a count, a length and an escaped character in
  // shell, Perl and make, not comments.
  if (!HasComment(csHashStyle) || At(run_) != '#') return false;
  const char before = run_ > 0 ? static_cast<char>(At(run_ - 1)) : '\0';
  if (before == '$' || before == '\\') return false;
  if (before == '{' && run_ > 1 && At(run_ - 2) == '$') return false;
  tokenKind_ = tkComment;
  range_ = rsUnknown;
  ToEndOfText();
  return true;
}

void TScribOrvane::HashProc() {
  if (!HashComment()) UnknownProc();
}

void TScribOrvane::LessThanProc() {
  ++run_;
  if (HasComment(csMarkupStyle) && StartsAt(run_, "!--")) {
    // The scan goes on from the "!", so "<!-->" and "<!--->" close at once, as in HTML.
    tokenKind_ = tkComment;
    range_ = rsMarkup;
  } else {
    tokenKind_ = tkUnknown;
  }
}

void TScribOrvane::PreprocessorProc() {
  if (detectPreprocessor_ && run_ == 0) {
    tokenKind_ = tkPreprocessor;
    ToEndOfText();
    return;
  }
  if (HashComment()) return;
  ++run_;
  if (IsDigit(At(run_))) {
    tokenKind_ = tkString;  // a character code such as #13
    do {
      ++run_;
    } while (IsDigit(At(run_)));
  } else {
    tokenKind_ = tkSymbol;
  }
}

void TScribOrvane::UnknownProc() {
  if (Utf8Text() && At(run_) >= 0x80) return Utf8CharacterProc();
  tokenKind_ = tkUnknown;
  ++run_;
  if (codepage::IsLeadByte(At(run_ - 1)) && !IsLineEnd(At(run_))) ++run_;
}

void TScribOrvane::Utf8CharacterProc() {
  if (const int length = WordCharacterLength(run_)) return ScanIdentifier(length);
  // Any other character is one token, however many bytes; an invalid byte is one.
  tokenKind_ = tkUnknown;
  const std::string_view line(line_, static_cast<std::size_t>(lineLength_));
  run_ += static_cast<int>(utf8::CharLength(line, static_cast<std::size_t>(run_)));
}
