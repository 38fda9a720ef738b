// Copy, cut and paste through the clipboard service, and drag-and-drop of the
// selection inside the editor.
#include <algorithm>

#include "editor/CustomScribEdit.h"
#include "platform/Clipboard.h"
#include "support/Utf8.h"

namespace {

bool Before(TBufferCoord a, TBufferCoord b) {
  return a.Line < b.Line || (a.Line == b.Line && a.Char < b.Char);
}

}  // namespace

std::string TCustomScribEdit::ClipboardText() const {
  const TBufferCoord begin = BlockBegin(), end = BlockEnd();
  // A selection wholly past its line end holds no characters, only the blanks it shows.
  if (activeSelectionMode_ == smNormal && begin.Line == end.Line &&
      begin.Char > LineLength(begin.Line))
    return std::string(end.Char - begin.Char, ' ');
  return SelText();
}

std::optional<std::string> TCustomScribEdit::DocumentTextOf(std::string_view utf8Text) {
  if (lines_->CellRules().utf8) return std::string(utf8Text);
  std::size_t missing = 0;
  std::string text = utf8::ToWindows1252(utf8Text, &missing);
  if (missing == 0) return text;
  if (OnRefusedText) OnRefusedText(*this, missing);
  return std::nullopt;
}

std::string TCustomScribEdit::Utf8Of(std::string_view documentText) const {
  return lines_->CellRules().utf8 ? std::string(documentText) : utf8::FromWindows1252(documentText);
}

std::int64_t TCustomScribEdit::SelCharCount() const {
  if (!lines_->CellRules().utf8 || !SelAvail()) return SelLength();
  if (activeSelectionMode_ != smNormal)
    return static_cast<std::int64_t>(utf8::CharCount(SelText()));
  // Without copying the selection: a whole-document one may be large.
  const TBufferCoord begin = BlockBegin(), end = BlockEnd();
  std::int64_t count = 0;
  for (int line = begin.Line; line <= end.Line; ++line) {
    const std::string_view text = LineAt(line);
    const std::size_t from =
        line == begin.Line ? std::min<std::size_t>(begin.Char - 1, text.size()) : 0;
    const std::size_t to =
        line == end.Line ? std::min<std::size_t>(end.Char - 1, text.size()) : text.size();
    if (to > from)
      count += static_cast<std::int64_t>(utf8::CharCount(text.substr(from, to - from)));
    if (line < end.Line) count += 2;  // a line break counts two, as in SelLength
  }
  return count;
}

void TCustomScribEdit::CopyToClipboard() {
  if (!SelAvail() || !clipboard_) return;
  const std::string text = Utf8Of(ClipboardText());
  try {
    // The block format carries the mode byte: 0 normal, 1 line, 2 column.
    clipboard_->SetTextWithBlock(text, static_cast<unsigned char>(activeSelectionMode_));
  } catch (const std::exception&) {
    throw EScribEditError("Clipboard copy operation failed");
  }
}

void TCustomScribEdit::CutToClipboard() {
  if (readOnly_ || !SelAvail()) return;
  const Transaction step(*this);
  CopyToClipboard();
  DeleteSelectionRecorded();
}

bool TCustomScribEdit::CanPaste() const {
  return !readOnly_ && clipboard_ && clipboard_->HasText();
}

void TCustomScribEdit::PasteFromClipboard() {
  if (readOnly_ || !clipboard_) return;
  std::string clipped;
  TScribSelectionMode mode = selectionMode_;
  try {
    if (!clipboard_->HasText()) return;
    // The block format keeps the text's bytes, even those that are not UTF-8.
    if (const auto block = clipboard_->GetBlock(); block && block->selectionMode <= smColumn) {
      clipped = block->text;
      mode = static_cast<TScribSelectionMode>(block->selectionMode);
    } else {
      clipped = clipboard_->GetText();
    }
  } catch (const std::exception&) {
    throw EScribEditError("Clipboard paste operation failed.");
  }
  const std::optional<std::string> text = DocumentTextOf(clipped);
  if (!text) return;
  const Transaction step(*this);
  AddUndo(urPasteBegin, caret_, caret_, "", smNormal);
  DeleteSelectionRecorded();
  InsertTextRecorded(*text, mode, urPaste);
  AddUndo(urPasteEnd, caret_, caret_, "", smNormal);
  CollapseSelection();
  EnsureCursorPosVisible();
  StatusChanged(stSelection);
}

// --- Drag and drop --------------------------------------------------------------------

bool TCustomScribEdit::CanDropSelection(TBufferCoord position, bool copy) const {
  if (readOnly_ || !SelAvail() || !HasOption(eoDragDropEditing)) return false;
  position = ClampPosition(position);
  const TBufferCoord begin = BlockBegin(), end = BlockEnd();
  // For a move the two ends count as inside; for a copy they count as outside.
  const auto inside = [copy](auto value, auto low, auto high) {
    return copy ? (low < value && value < high) : (low <= value && value <= high);
  };
  switch (activeSelectionMode_) {
    case smLine:
      return !inside(position.Line, begin.Line, end.Line);
    case smColumn: {
      const int column = CharToColumn(position.Line, position.Char);
      const auto [left, right] = ColumnSpan(begin, end);
      return !(position.Line >= begin.Line && position.Line <= end.Line &&
               inside(column, left, right));
    }
    default: {
      const bool afterBegin = copy ? Before(begin, position) : !Before(position, begin);
      const bool beforeEnd = copy ? Before(position, end) : !Before(end, position);
      return !(afterBegin && beforeEnd);
    }
  }
}

bool TCustomScribEdit::DropSelection(TBufferCoord position, bool copy) {
  pressedInSelection_.reset();  // the press became a drag
  if (!CanDropSelection(position, copy)) return false;
  position = ClampPosition(position);
  const std::string text = SelText();
  const TScribSelectionMode mode = activeSelectionMode_;
  const TBufferCoord begin = BlockBegin(), end = BlockEnd();
  const Transaction step(*this);
  if (!copy) {
    // Removing the source first moves a drop position that lies behind it.
    if (mode == smLine && position.Line > end.Line) {
      position.Line -= end.Line - begin.Line + 1;
    } else if (mode == smColumn && position.Line >= begin.Line && position.Line <= end.Line) {
      const auto [left, right] = ColumnSpan(begin, end);
      const int column = CharToColumn(position.Line, position.Char);
      if (column > right) position.Char = ColumnToChar(position.Line, column - (right - left));
    } else if (mode == smNormal && Before(end, position)) {
      if (position.Line == end.Line)
        position = {begin.Char + position.Char - end.Char, begin.Line};
      else
        position.Line -= end.Line - begin.Line;
    }
    DeleteSelectionRecorded();
  }
  MoveCaret(position, false);
  CollapseSelection();
  const TBufferCoord start = InsertTextRecorded(text, mode, urDragDropInsert);
  activeSelectionMode_ = mode;
  SetCaretAndSelection(caret_, start, caret_);
  return true;
}
