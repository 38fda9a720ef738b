// Word positions within a line, and the word a double click selects.
#include <algorithm>

#include "editor/CustomScribEdit.h"
#include "highlight/CustomHighlighter.h"
#include "support/CharClasses.h"
#include "support/Utf8.h"

namespace {

constexpr std::string_view kWordBreakChars = "!\"'()*+,-./:;=?[\\]^{|}";

}  // namespace

bool TCustomScribEdit::IsWordChar(unsigned char c) const {
  // Every byte of a UTF-8 character belongs to a word, so that word moves
  // never stop inside a character.
  if (c >= 0x80 && lines_->CellRules().utf8) return true;
  if (highlighter_) return highlighter_->GetIdentChars()[c] && !highlighter_->WordBreakChars()[c];
  return IsDefaultWordChar(c) &&
         kWordBreakChars.find(static_cast<char>(c)) == std::string_view::npos;
}

bool TCustomScribEdit::IsBracketIgnored(TBufferCoord position) const {
  if (!highlighter_ || position.Line < 1 || position.Line > lines_->Count()) return false;
  const TScribHighlighterAttributes* comment = highlighter_->GetDefaultAttribute(arComment);
  const TScribHighlighterAttributes* string = highlighter_->GetDefaultAttribute(arString);
  // Runs the highlighter over the line from its stored start state.
  if (position.Line == 1)
    highlighter_->ResetRange();
  else
    highlighter_->SetRange(LineEndRange(position.Line - 2));
  highlighter_->SetLine(lines_->Get(position.Line - 1), position.Line - 1);
  const int offset = position.Char - 1;
  for (; !highlighter_->GetEol(); highlighter_->Next()) {
    const int start = highlighter_->GetTokenPos();
    if (offset < start) return false;
    if (offset < start + highlighter_->GetTokenLength()) {
      const TScribHighlighterAttributes* attribute = highlighter_->GetTokenAttribute();
      return attribute && (attribute == comment || attribute == string);
    }
  }
  return false;
}

namespace {

// First 1-based position at or after `from` whose character is (or is not) a
// word character; 0 when there is none. In UTF-8 text the scans step over
// whole characters.
template <typename Predicate>
int ScanForward(std::string_view line, bool utf8, int from, Predicate wanted) {
  for (int i = std::max(from, 1); i <= static_cast<int>(line.size());) {
    if (wanted(static_cast<unsigned char>(line[i - 1]))) return i;
    i = utf8 ? static_cast<int>(utf8::NextCaretStop(line, i - 1)) + 1 : i + 1;
  }
  return 0;
}

// Last 1-based position at or before `from` whose character is wanted.
template <typename Predicate>
int ScanBackward(std::string_view line, bool utf8, int from, Predicate wanted) {
  int i = std::min(from, static_cast<int>(line.size()));
  if (utf8 && i >= 1) i = static_cast<int>(utf8::PreviousCaretStop(line, i)) + 1;
  while (i >= 1) {
    if (wanted(static_cast<unsigned char>(line[i - 1]))) return i;
    if (i == 1) break;
    i = utf8 ? static_cast<int>(utf8::PreviousCaretStop(line, i - 1)) + 1 : i - 1;
  }
  return 0;
}

}  // namespace

TBufferCoord TCustomScribEdit::NextWordPos(TBufferCoord position) const {
  const bool utf8 = lines_->CellRules().utf8;
  if (position.Line < 1 || position.Line > lines_->Count()) return position;
  const auto word = [this](unsigned char c) { return IsWordChar(c); };
  const auto separator = [this](unsigned char c) { return c != 0 && !IsWordChar(c); };
  const std::string_view line = LineAt(position.Line);
  const int length = static_cast<int>(line.size());
  int charIndex = position.Char;
  if (charIndex < length) {
    if (IsWordChar(static_cast<unsigned char>(line[charIndex - 1])))
      charIndex = ScanForward(line, utf8, charIndex, separator);
    if (charIndex > 0) charIndex = ScanForward(line, utf8, charIndex, word);
    return {charIndex == 0 ? length + 1 : charIndex, position.Line};
  }
  if (position.Line < lines_->Count()) {
    const int next = ScanForward(LineAt(position.Line + 1), utf8, 1, word);
    return {next == 0 ? 1 : next, position.Line + 1};
  }
  return position;
}

TBufferCoord TCustomScribEdit::PrevWordPos(TBufferCoord position) const {
  const bool utf8 = lines_->CellRules().utf8;
  if (position.Line < 1 || position.Line > lines_->Count()) return position;
  const auto word = [this](unsigned char c) { return IsWordChar(c); };
  const auto separator = [this](unsigned char c) { return c != 0 && !IsWordChar(c); };
  const std::string_view line = LineAt(position.Line);
  int charIndex = std::min(position.Char, static_cast<int>(line.size()) + 1);
  if (charIndex > 1) {
    if (separator(static_cast<unsigned char>(line[charIndex - 2])))
      charIndex = ScanBackward(line, utf8, charIndex - 1, word);
    if (charIndex > 0) charIndex = ScanBackward(line, utf8, charIndex - 1, separator) + 1;
    if (charIndex > 0) return {charIndex, position.Line};
    // Only separators before the caret.
    if (position.Line >= 2) return {LineLength(position.Line - 1) + 1, position.Line - 1};
    return {1, position.Line};
  }
  if (position.Line > 1) return {LineLength(position.Line - 1) + 1, position.Line - 1};
  return {charIndex, position.Line};
}

TBufferCoord TCustomScribEdit::WordStart(TBufferCoord position) const {
  const bool utf8 = lines_->CellRules().utf8;
  if (position.Line < 1 || position.Line > lines_->Count()) return position;
  const std::string_view line = LineAt(position.Line);
  int charIndex = std::min(position.Char, static_cast<int>(line.size()) + 1);
  const auto separator = [this](unsigned char c) { return c != 0 && !IsWordChar(c); };
  if (charIndex > 1 && !separator(static_cast<unsigned char>(line[charIndex - 2])))
    charIndex = ScanBackward(line, utf8, charIndex - 1, separator) + 1;
  return {charIndex, position.Line};
}

TBufferCoord TCustomScribEdit::WordEnd(TBufferCoord position) const {
  const bool utf8 = lines_->CellRules().utf8;
  if (position.Line < 1 || position.Line > lines_->Count()) return position;
  const std::string_view line = LineAt(position.Line);
  const auto separator = [this](unsigned char c) { return c != 0 && !IsWordChar(c); };
  const int found = ScanForward(line, utf8, position.Char, separator);
  return {found == 0 ? static_cast<int>(line.size()) + 1 : found, position.Line};
}

std::string TCustomScribEdit::WordAt(TBufferCoord position) const {
  if (position.Line < 1 || position.Line > lines_->Count()) return {};
  const TBufferCoord start = WordStart(position);
  const TBufferCoord end = WordEnd(start);
  if (end.Char <= start.Char) return {};
  return std::string(LineAt(position.Line).substr(start.Char - 1, end.Char - start.Char));
}

void TCustomScribEdit::SelectWordAt(TBufferCoord position) {
  position = ClampPosition(position);
  const std::string_view line = LineAt(position.Line);
  const int length = static_cast<int>(line.size());
  // The character under the position, or the one before it at the line end.
  int at = std::min(position.Char, length);
  if (at < 1) {
    SetCaretXY(position);
    return;
  }
  const auto classOf = [this](unsigned char c) {
    return IsWordChar(c) ? 0 : IsBlank(static_cast<char>(c)) ? 1 : 2;
  };
  if (position.Char <= length && at > 1 && classOf(line[at - 1]) != 0 && classOf(line[at - 2]) == 0)
    --at;  // just after a word: take the word
  const int wanted = classOf(line[at - 1]);
  int from = at, to = at;
  if (wanted != 2) {
    while (from > 1 && classOf(line[from - 2]) == wanted) --from;
    while (to < length && classOf(line[to]) == wanted) ++to;
  }
  const TBufferCoord begin{from, position.Line}, end{to + 1, position.Line};
  SetCaretAndSelection(end, begin, end);
}
