// Text changes: the unrecorded primitives that undo and redo share, and the
// recorded operations built on them (replacing the selection, SelText).
#include <algorithm>

#include "editor/CustomScribEdit.h"
#include "editor/ScribEditScopes.h"
#include "support/CharClasses.h"

namespace {

// Splits at CR LF, lone CR and lone LF; n breaks give n + 1 pieces.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    pieces.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

int Length(std::string_view text) {
  return static_cast<int>(text.size());
}

}  // namespace

// --- Unrecorded primitives --------------------------------------------------------

TBufferCoord TCustomScribEdit::InsertNormal(TBufferCoord position, std::string_view text) {
  OwnChangeScope scope(*lines_, ownChange_);
  if (lines_->Count() == 0) lines_->Add("");
  const int lineIndex = std::clamp(position.Line, 1, lines_->Count()) - 1;
  const std::string_view line = lines_->Get(lineIndex);
  const std::size_t at = std::min<std::size_t>(std::max(position.Char, 1) - 1, line.size());
  const auto pieces = SplitLines(text);
  if (pieces.size() == 1) {
    lines_->PutBytes(lineIndex, at, 0, text);
    return {static_cast<int>(at + text.size()) + 1, lineIndex + 1};
  }
  const std::string tail(line.substr(at));
  lines_->PutBytes(lineIndex, at, tail.size(), pieces.front());
  const int added = static_cast<int>(pieces.size()) - 1;
  const int endChar = Length(pieces.back()) + 1;
  const std::string last = std::string(pieces.back()) + tail;
  std::vector<std::string_view> newLines(pieces.begin() + 1, pieces.end());
  newLines.back() = last;
  lines_->InsertTexts(lineIndex + 1, newLines);
  return {endChar, lineIndex + added + 1};
}

std::string TCustomScribEdit::DeleteNormal(TBufferCoord from, TBufferCoord to) {
  if (lines_->Count() == 0) return {};
  if (to.Line < from.Line || (to.Line == from.Line && to.Char < from.Char)) std::swap(from, to);
  std::string removed = TextOfRange(from, to, smNormal);
  if (removed.empty()) return removed;
  OwnChangeScope scope(*lines_, ownChange_);
  const int firstLine = std::clamp(from.Line, 1, lines_->Count());
  const int lastLine = std::clamp(to.Line, 1, lines_->Count());
  const std::string_view first = lines_->Get(firstLine - 1);
  const std::string_view last = lines_->Get(lastLine - 1);
  const std::size_t fromAt = std::min<std::size_t>(std::max(from.Char, 1) - 1, first.size());
  const std::size_t toAt = std::min<std::size_t>(std::max(to.Char, 1) - 1, last.size());
  if (lastLine == firstLine) {
    lines_->PutBytes(firstLine - 1, fromAt, toAt - fromAt, {});
    return removed;
  }
  const std::string lastTail(last.substr(toAt));
  lines_->PutBytes(firstLine - 1, fromAt, first.size() - fromAt, lastTail);
  lines_->DeleteLines(firstLine, lastLine - firstLine);
  return removed;
}

TBufferCoord TCustomScribEdit::InsertWholeLines(int line, std::string_view text) {
  auto pieces = SplitLines(text);
  // A final line break ends the last line rather than starting another.
  if (pieces.size() > 1 && pieces.back().empty()) pieces.pop_back();
  OwnChangeScope scope(*lines_, ownChange_);
  const int index = std::clamp(line, 1, lines_->Count() + 1) - 1;
  lines_->InsertTexts(index, pieces);
  return {1, index + static_cast<int>(pieces.size())};  // the last inserted line
}

std::string TCustomScribEdit::DeleteWholeLines(int firstLine, int lastLine) {
  if (lines_->Count() == 0) return {};
  firstLine = std::clamp(firstLine, 1, lines_->Count());
  lastLine = std::clamp(lastLine, firstLine, lines_->Count());
  std::string removed = TextOfRange({1, firstLine}, {1, lastLine}, smLine);
  OwnChangeScope scope(*lines_, ownChange_);
  lines_->DeleteLines(firstLine - 1, lastLine - firstLine + 1);
  return removed;
}

TBufferCoord TCustomScribEdit::InsertColumn(
    TBufferCoord position, std::string_view text,
    std::vector<std::pair<TBufferCoord, TBufferCoord>>* pieces) {
  OwnChangeScope scope(*lines_, ownChange_);
  if (lines_->Count() == 0) lines_->Add("");
  const int column = CharToColumn(position.Line, position.Char);
  TBufferCoord end = position;
  int line = position.Line;
  for (std::string_view piece : SplitLines(text)) {
    if (line > lines_->Count()) {
      // A new line at the end: recorded as a line break after the last line.
      const TBufferCoord breakAt{LineLength(line - 1) + 1, line - 1};
      InsertNormal(breakAt, "\r\n");
      if (pieces) pieces->push_back({breakAt, {1, line}});
    }
    if (!piece.empty()) {
      const int charIndex = ColumnToChar(line, column);
      const TBufferCoord start{std::min(charIndex, LineLength(line) + 1), line};
      PadLineTo(line, charIndex);
      end = InsertNormal({charIndex, line}, piece);
      if (pieces) pieces->push_back({start, end});
    }
    ++line;
  }
  return end;
}

std::string TCustomScribEdit::TextOfRange(TBufferCoord begin, TBufferCoord end,
                                          TScribSelectionMode mode) const {
  const int count = lines_->Count();
  if (count == 0) return {};
  const int firstLine = std::clamp(begin.Line, 1, count);
  const int lastLine = std::clamp(end.Line, firstLine, count);
  const auto [left, right] = ColumnSpan(begin, end);
  std::string result;
  if (mode == smNormal) {
    result.reserve(static_cast<std::size_t>(std::max<std::int64_t>(
        0, RowColToCharIndex({end.Char, lastLine}) - RowColToCharIndex({begin.Char, firstLine}))));
  }
  for (int line = firstLine; line <= lastLine; ++line) {
    const std::string_view text = LineAt(line);
    std::size_t from = 0, to = text.size();
    if (mode == smNormal) {
      if (line == firstLine) from = std::min<std::size_t>(std::max(begin.Char, 1) - 1, to);
      if (line == lastLine) to = std::min<std::size_t>(std::max(end.Char, 1) - 1, to);
    } else if (mode == smColumn) {
      from = std::min<std::size_t>(ColumnToChar(line, left) - 1, to);
      to = std::min<std::size_t>(ColumnToChar(line, right) - 1, to);
    }
    if (to > from) result.append(text, from, to - from);
    const bool more = line < lastLine || (mode == smLine && line < count);
    if (more) result.append("\r\n");
  }
  return result;
}

std::string TCustomScribEdit::DeleteRange(TBufferCoord begin, TBufferCoord end,
                                          TScribSelectionMode mode) {
  // Column deletes are recorded line by line, as normal ranges.
  return mode == smLine ? DeleteWholeLines(begin.Line, end.Line) : DeleteNormal(begin, end);
}

TBufferCoord TCustomScribEdit::InsertInMode(TBufferCoord position, std::string_view text,
                                            TScribSelectionMode mode) {
  return mode == smLine ? InsertWholeLines(position.Line, text) : InsertNormal(position, text);
}

void TCustomScribEdit::PadLineTo(int line, int charIndex) {
  const int length = LineLength(line);
  if (charIndex - 1 <= length) return;
  OwnChangeScope scope(*lines_, ownChange_);
  if (lines_->Count() == 0) lines_->Add("");
  lines_->Put(line - 1, std::string(LineAt(line)) + std::string(charIndex - 1 - length, ' '));
}

TBufferCoord TCustomScribEdit::FillGapToCaret() {
  const int length = LineLength(caret_.Line);
  if (caret_.Char <= length + 1) return caret_;
  const TBufferCoord fillStart{length + 1, caret_.Line};
  const std::string_view line = LineAt(caret_.Line);
  const bool blankLine = std::all_of(line.begin(), line.end(), IsBlank);
  std::string fill;
  const int tabWidth = TabWidth();
  if (blankLine && !HasOption(eoTabsToSpaces) && tabWidth > 1) {
    // Indentation: TABs for every full tab stop, spaces for the rest.
    const int targetColumn = CharToColumn(caret_.Line, caret_.Char) - 1;  // 0-based
    int column = CharToColumn(caret_.Line, length + 1) - 1;
    while ((column / tabWidth + 1) * tabWidth <= targetColumn) {
      fill.push_back('\t');
      column = (column / tabWidth + 1) * tabWidth;
    }
    fill.append(targetColumn - column, ' ');
  } else {
    fill.assign(caret_.Char - 1 - length, ' ');
  }
  const TBufferCoord end = InsertNormal(fillStart, fill);
  caret_ = end;  // the same display column, now on real characters
  return fillStart;
}

// --- Recorded operations ---------------------------------------------------------

void TCustomScribEdit::AddUndo(TScribChangeReason reason, TBufferCoord start, TBufferCoord end,
                               const std::string& text, TScribSelectionMode mode) {
  undoList_.AddChange(reason, start, end, text, mode);
}

bool TCustomScribEdit::DeleteSelectionRecorded() {
  if (!SelAvail()) return false;
  const TBufferCoord begin = BlockBegin();
  const TBufferCoord end = BlockEnd();
  if (activeSelectionMode_ == smColumn) {
    DeleteColumnRecorded(begin, end);
  } else if (activeSelectionMode_ == smLine) {
    const auto [from, to] = WholeLinesAsRange(begin.Line, end.Line);
    DeleteRecorded(from, to, urDelete);
    MoveCaret({1, begin.Line}, false);
  } else {
    DeleteRecorded(begin, end, urDelete);
    // A start beyond the line end stays there, so what replaces the selection fills the gap.
    MoveCaret({begin.Char, ClampToText(begin).Line}, false);
  }
  CollapseSelection();
  return true;
}

void TCustomScribEdit::DeleteColumnRecorded(TBufferCoord begin, TBufferCoord end) {
  const auto [left, right] = ColumnSpan(begin, end);
  // One record per line: tabs that straddle the column edges make a column
  // insert unable to put the text back where it was.
  const Transaction step(*this);
  for (int line = begin.Line; line <= std::min(end.Line, lines_->Count()); ++line) {
    const int from = std::min(ColumnToChar(line, left), LineLength(line) + 1);
    const int to = std::min(ColumnToChar(line, right), LineLength(line) + 1);
    if (to > from) DeleteRecorded({from, line}, {to, line}, urDelete);
  }
  MoveCaret({ColumnToChar(begin.Line, left), begin.Line}, false);
}

std::pair<TBufferCoord, TBufferCoord> TCustomScribEdit::WholeLinesAsRange(int firstLine,
                                                                          int lastLine) const {
  // Deleting the last line takes the break before it; deleting every line
  // leaves one empty line, so undo finds the same line count it left.
  const int count = std::max(1, lines_->Count());
  firstLine = std::clamp(firstLine, 1, count);
  lastLine = std::clamp(lastLine, firstLine, count);
  if (lastLine < count) return {{1, firstLine}, {1, lastLine + 1}};
  const TBufferCoord textEnd{LineLength(lastLine) + 1, lastLine};
  if (firstLine == 1) return {{1, 1}, textEnd};
  return {{LineLength(firstLine - 1) + 1, firstLine - 1}, textEnd};
}

TBufferCoord TCustomScribEdit::ClampToText(TBufferCoord position) const {
  const int line = std::clamp(position.Line, 1, std::max(1, lines_->Count()));
  return {std::clamp(position.Char, 1, LineLength(line) + 1), line};
}

void TCustomScribEdit::DeleteRecorded(TBufferCoord from, TBufferCoord to, TScribChangeReason reason,
                                      TScribSelectionMode mode) {
  const Transaction step(*this);
  if (mode == smNormal) {
    const int length = LineLength(from.Line);
    if (from.Line < to.Line && from.Char > length + 1 && from.Line < lines_->Count()) {
      // Lines joined beyond the line end join at that column: blanks fill the gap.
      PadLineTo(from.Line, from.Char);
      AddUndo(urWhiteSpaceAdd, {length + 1, from.Line}, from, "", smNormal);
    }
    from = ClampToText(from);
    to = ClampToText(to);
  }
  const std::string removed = DeleteRange(from, to, mode);
  if (removed.empty()) return;
  AddUndo(reason, from, to, removed, mode);
}

TBufferCoord TCustomScribEdit::InsertAtCaretRecorded(std::string_view text,
                                                     TScribChangeReason reason) {
  if (text.empty()) return caret_;
  const TBufferCoord fillStart = FillGapToCaret();
  const TBufferCoord textStart = caret_;
  const TBufferCoord end = InsertNormal(caret_, text);
  AddUndo(reason, fillStart, end, "", smNormal);
  MoveCaret(end, true);
  return textStart;
}

TBufferCoord TCustomScribEdit::InsertTextRecorded(std::string_view text, TScribSelectionMode mode,
                                                  TScribChangeReason reason) {
  const TBufferCoord start = caret_;
  if (text.empty()) return start;
  if (mode == smLine) {
    // Whole lines go above the caret line.
    const int first = caret_.Line;
    const TBufferCoord last = InsertWholeLines(first, text);
    AddUndo(reason, {1, first}, last, "", smLine);
    MoveCaret({1, last.Line + 1}, true);
    return {1, first};
  }
  if (mode == smColumn) {
    std::vector<std::pair<TBufferCoord, TBufferCoord>> pieces;
    const TBufferCoord end = InsertColumn(caret_, text, &pieces);
    for (const auto& [pieceStart, pieceEnd] : pieces)
      AddUndo(reason, pieceStart, pieceEnd, "", smNormal);
    MoveCaret(end, true);
    return start;
  }
  return InsertAtCaretRecorded(text, reason);
}

void TCustomScribEdit::ReplaceSelection(std::string_view text, TScribSelectionMode mode,
                                        TScribChangeReason reason) {
  const Transaction step(*this);
  DeleteSelectionRecorded();
  InsertTextRecorded(text, mode, reason);
  CollapseSelection();
}

void TCustomScribEdit::SetSelText(std::string_view text) {
  if (readOnly_) return;
  if (!SelAvail()) activeSelectionMode_ = selectionMode_;
  ReplaceSelection(text, activeSelectionMode_, urInsert);
}
