// Caret placement, the selection, index conversion, display columns and the
// view's scroll position.
#include <algorithm>

#include "editor/CustomScribEdit.h"
#include "editor/ScribDisplayPos.h"
#include "editor/WordWrapPlugin.h"
#include "support/Utf8.h"

namespace {

// The farthest a caret may stand beyond the end of a line.
constexpr int kFarthestChar = 1 << 16;

bool Before(TBufferCoord a, TBufferCoord b) {
  return a.Line < b.Line || (a.Line == b.Line && a.Char < b.Char);
}

}  // namespace

// --- Lines -------------------------------------------------------------------

std::string_view TCustomScribEdit::LineAt(int line) const {
  return lines_->Get(line - 1);
}

int TCustomScribEdit::LineLength(int line) const {
  return static_cast<int>(lines_->Get(line - 1).size());
}

std::string TCustomScribEdit::LineText() const {
  return std::string(LineAt(caret_.Line));
}

void TCustomScribEdit::SetLineText(const std::string& text) {
  if (readOnly_) return;
  const int line = ClampPosition(caret_).Line;
  activeSelectionMode_ = smNormal;
  SetCaretAndSelection({1, line}, {1, line}, {LineLength(line) + 1, line});
  ReplaceSelection(text, smNormal, urInsert);
}

// --- Display columns -----------------------------------------------------------

int TCustomScribEdit::CharToColumn(int line, int charIndex) const {
  return ::CharToColumn(LineAt(line), charIndex, lines_->CellRules());
}

int TCustomScribEdit::ColumnToChar(int line, int column) const {
  return ::ColumnToChar(LineAt(line), column, lines_->CellRules());
}

int TCustomScribEdit::NextCharIndex(int line, int charIndex) const {
  const std::string_view text = LineAt(line);
  if (!lines_->CellRules().utf8 || charIndex < 1 || charIndex > static_cast<int>(text.size()))
    return charIndex + 1;
  return static_cast<int>(utf8::NextCaretStop(text, static_cast<std::size_t>(charIndex - 1))) + 1;
}

int TCustomScribEdit::PreviousCharIndex(int line, int charIndex) const {
  const std::string_view text = LineAt(line);
  if (!lines_->CellRules().utf8 || charIndex <= 1 || charIndex > static_cast<int>(text.size()) + 1)
    return charIndex - 1;
  return static_cast<int>(utf8::PreviousCaretStop(text, static_cast<std::size_t>(charIndex - 1))) +
         1;
}

std::pair<int, int> TCustomScribEdit::ColumnSpan(TBufferCoord begin, TBufferCoord end) const {
  const int first = CharToColumn(begin.Line, begin.Char);
  const int second = CharToColumn(end.Line, end.Char);
  return {std::min(first, second), std::max(first, second)};
}

TDisplayCoord TCustomScribEdit::BufferToDisplayPos(TBufferCoord position) const {
  return ::BufferToDisplayPos(*lines_, wrapPlugin_.get(), position);
}

TBufferCoord TCustomScribEdit::DisplayToBufferPos(TDisplayCoord position) const {
  return ::DisplayToBufferPos(*lines_, wrapPlugin_.get(), position);
}

TDisplayCoord TCustomScribEdit::DisplayXY() const {
  return ::BufferToDisplayPos(*lines_, wrapPlugin_.get(), caret_, caretAtEndOfRow_);
}

TCustomScribEdit::CaretTarget TCustomScribEdit::DisplayTarget(TDisplayCoord position) const {
  const TBufferCoord target = DisplayToBufferPos(position);
  // Right of a wrapped row's text lies the place where the next row starts.
  const bool endOfRow = wrapPlugin_ && position.Row >= 1 && position.Row <= RowCount() &&
                        BufferToDisplayPos(target).Row != position.Row;
  return {target, endOfRow};
}

// --- Caret placement -----------------------------------------------------------

int TCustomScribEdit::MaxCaretChar(int line) const {
  const int lineEnd = LineLength(line) + 1;
  if (!HasOption(eoScrollPastEol)) return lineEnd;
  // "No limit" still stops somewhere: typing fills the gap with real spaces.
  if (wrapPlugin_ || HasOption(eoAutoSizeMaxScrollWidth)) return std::max(lineEnd, kFarthestChar);
  // Text longer than the scroll width stays reachable.
  return std::max(maxScrollWidth_ + 1, lineEnd);
}

// Inside the text and, in UTF-8 text, never inside a character or between
// a letter and its marks.
TBufferCoord TCustomScribEdit::ClampPosition(TBufferCoord position) const {
  const int line = std::clamp(position.Line, 1, std::max(1, lines_->Count()));
  const int charIndex = std::clamp(position.Char, 1, MaxCaretChar(line));
  if (!lines_->CellRules().utf8) return {charIndex, line};
  return {static_cast<int>(utf8::CaretStopAt(LineAt(line), charIndex - 1)) + 1, line};
}

void TCustomScribEdit::MoveCaret(TBufferCoord position, bool ensureVisible, bool endOfRow) {
  const TBufferCoord target = ClampPosition(position);
  endOfRow = endOfRow && wrapPlugin_ != nullptr;
  if (target == caret_ && endOfRow == caretAtEndOfRow_) {
    lastCaretX_ = DisplayXY().Column;
    return;
  }
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  // The end-of-row flag alone moves the caret on screen, not in the text.
  TScribStatusChanges changes = endOfRow != caretAtEndOfRow_ ? stCaretX : 0;
  if (target.Char != caret_.Char) changes |= stCaretX;
  // The host's caret position display follows stSelection.
  if (target != caret_) changes |= stSelection;
  if (target.Line != caret_.Line) {
    changes |= stCaretY;
    if (activeLineColor_ != clNone) {
      Invalidate(caret_.Line, caret_.Line);
      Invalidate(target.Line, target.Line);
    }
  }
  caret_ = target;
  caretAtEndOfRow_ = endOfRow;
  // Measured once: the column of a long line costs the line.
  const TDisplayCoord display = DisplayXY();
  lastCaretX_ = display.Column;
  if (ensureVisible) ScrollToShow(display);
  StatusChanged(changes);
}

void TCustomScribEdit::SetCaretXY(TBufferCoord value) {
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  MoveCaret(value, true);
  if (SelAvail()) Invalidate(BlockBegin().Line, BlockEnd().Line);
  CollapseSelection();
  StatusChanged(stSelection);
}

void TCustomScribEdit::SetCaretAndSelection(TBufferCoord caret, TBufferCoord blockBegin,
                                            TBufferCoord blockEnd) {
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  MoveCaret(caret, true);
  SetSelectionRaw(ClampPosition(blockBegin), ClampPosition(blockEnd));
}

void TCustomScribEdit::MoveCaretAndSelection(TBufferCoord position, bool selecting, bool endOfRow) {
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  const TBufferCoord anchor = SelAvail() ? blockBegin_ : caret_;
  MoveCaret(position, true, endOfRow);
  if (selecting && !HasOption(eoNoSelection))
    SetSelectionRaw(anchor, caret_);
  else
    SetSelectionRaw(caret_, caret_);
}

// --- Selection -------------------------------------------------------------------

void TCustomScribEdit::SetSelectionRaw(TBufferCoord anchor, TBufferCoord end) {
  if (anchor == blockBegin_ && end == blockEnd_) return;
  const bool hadSelection = SelAvail();
  if (hadSelection) Invalidate(BlockBegin().Line, BlockEnd().Line);
  blockBegin_ = anchor;
  blockEnd_ = end;
  if (SelAvail()) Invalidate(BlockBegin().Line, BlockEnd().Line);
  if (hadSelection || SelAvail()) StatusChanged(stSelection);
}

TBufferCoord TCustomScribEdit::BlockBegin() const {
  return Before(blockEnd_, blockBegin_) ? blockEnd_ : blockBegin_;
}

TBufferCoord TCustomScribEdit::BlockEnd() const {
  return Before(blockEnd_, blockBegin_) ? blockBegin_ : blockEnd_;
}

void TCustomScribEdit::SetBlockBegin(TBufferCoord value) {
  const TBufferCoord clamped = ClampPosition(value);
  SetSelectionRaw(clamped, clamped);
}

void TCustomScribEdit::SetBlockEnd(TBufferCoord value) {
  SetSelectionRaw(blockBegin_, ClampPosition(value));
}

bool TCustomScribEdit::SelAvail() const {
  if (blockBegin_.Char != blockEnd_.Char) return true;
  return blockBegin_.Line != blockEnd_.Line && activeSelectionMode_ != smColumn;
}

std::string TCustomScribEdit::SelText() const {
  if (!SelAvail()) return {};
  return TextOfRange(BlockBegin(), BlockEnd(), activeSelectionMode_);
}

void TCustomScribEdit::SelectAll() {
  const int lastLine = std::max(1, lines_->Count());
  SetCaretAndSelection({LineLength(lastLine) + 1, lastLine}, {1, 1},
                       {LineLength(lastLine) + 1, lastLine});
}

// --- Character indexes ---------------------------------------------------------------

std::int64_t TCustomScribEdit::RowColToCharIndex(TBufferCoord position) const {
  if (lines_->Count() == 0) return 0;
  const int line = std::clamp(position.Line, 1, lines_->Count());
  // Positions beyond the end of a line are not characters of the text.
  const int charIndex = std::clamp(position.Char, 1, LineLength(line) + 1);
  return lines_->LineStartCharIndex(line - 1) + charIndex - 1;
}

TBufferCoord TCustomScribEdit::CharIndexToRowCol(std::int64_t index) const {
  if (lines_->Count() == 0) return {1, 1};
  index = std::clamp<std::int64_t>(index, 0, lines_->CharCount());
  const int lineIndex = lines_->LineOfCharIndex(index);
  const std::int64_t offset = index - lines_->LineStartCharIndex(lineIndex);
  // An index inside a line break stands for the end of that line.
  const int lineLength = static_cast<int>(lines_->Get(lineIndex).size());
  return {static_cast<int>(std::min<std::int64_t>(offset, lineLength)) + 1, lineIndex + 1};
}

std::int64_t TCustomScribEdit::SelStart() const {
  return RowColToCharIndex(SelAvail() ? BlockBegin() : caret_);
}

std::int64_t TCustomScribEdit::SelLength() const {
  if (!SelAvail()) return 0;
  return RowColToCharIndex(BlockEnd()) - RowColToCharIndex(BlockBegin());
}

void TCustomScribEdit::SetSelStart(std::int64_t value) {
  SetCaretXY(CharIndexToRowCol(value));
}

void TCustomScribEdit::SetSelLength(std::int64_t value) {
  const TBufferCoord anchor = BlockBegin();
  const std::int64_t start = RowColToCharIndex(anchor);
  // Clamped before adding, so no length can overflow the index.
  value = std::clamp(value, -start, TextLength() - start);
  const TBufferCoord other = CharIndexToRowCol(start + value);
  if (value >= 0)
    SetCaretAndSelection(other, anchor, other);
  else
    SetCaretAndSelection(other, other, anchor);
}

// --- View ----------------------------------------------------------------------

void TCustomScribEdit::SetTopLine(int value) {
  const int highest = HasOption(eoScrollPastEof) ? std::max(1, RowCount())
                                                 : std::max(1, RowCount() - linesInWindow_ + 1);
  value = std::clamp(value, 1, highest);
  if (value == topLine_) return;
  topLine_ = value;
  Invalidate(1, -1);
  StatusChanged(stTopLine);
}

void TCustomScribEdit::SetLeftChar(int value) {
  // Lines longer than MaxScrollWidth stay reachable at the caret.
  const int widest = std::max(maxScrollWidth_, lastCaretX_);
  const int highest = wrapPlugin_ ? 1 : std::max(1, widest - charsInWindow_ + 1);
  value = std::clamp(value, 1, highest);
  if (value == leftChar_) return;
  leftChar_ = value;
  Invalidate(1, -1);
  StatusChanged(stLeftChar);
}

void TCustomScribEdit::SetLinesInWindow(int value) {
  linesInWindow_ = std::max(1, value);
  SetTopLine(topLine_);
}

void TCustomScribEdit::SetCharsInWindow(int value) {
  value = std::max(1, value);
  if (value == charsInWindow_) return;
  charsInWindow_ = value;
  SetLeftChar(leftChar_);
  DisplayChanged();
}

int TCustomScribEdit::RowCount() const {
  return ViewRowCount(*lines_, wrapPlugin_.get());
}

int TCustomScribEdit::RowToLine(int row) const {
  return ViewRowToLine(wrapPlugin_.get(), row);
}

int TCustomScribEdit::LineToRow(int line) const {
  return ViewLineToRow(wrapPlugin_.get(), line);
}

void TCustomScribEdit::SetMaxScrollWidth(int value) {
  maxScrollWidth_ = std::clamp(value, 1, kFarthestChar - 1);
  SetLeftChar(leftChar_);
}

void TCustomScribEdit::EnsureCursorPosVisible() {
  ScrollToShow(DisplayXY());
}

void TCustomScribEdit::ScrollToShow(TDisplayCoord display) {
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  if (display.Column < leftChar_)
    SetLeftChar(display.Column);
  else if (display.Column >= leftChar_ + charsInWindow_)
    SetLeftChar(display.Column - charsInWindow_ + 1);
  if (display.Row < topLine_)
    SetTopLine(display.Row);
  else if (display.Row > topLine_ + linesInWindow_ - 1)
    SetTopLine(display.Row - linesInWindow_ + 1);
}
