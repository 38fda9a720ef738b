// Construction, settings, the buffer's events and the status report.
#include "editor/CustomScribEdit.h"

#include <algorithm>

#include "editor/WordWrapPlugin.h"
#include "highlight/CustomHighlighter.h"

TScribEditorOptions DefaultEditorOptions() {
  return OptionBit(eoAutoIndent) | OptionBit(eoDragDropEditing) | OptionBit(eoEnhanceEndKey) |
         OptionBit(eoGroupUndo) | OptionBit(eoScrollPastEol) | OptionBit(eoShowScrollHint) |
         OptionBit(eoSmartTabDelete) | OptionBit(eoSmartTabs) | OptionBit(eoTabsToSpaces);
}

TCustomScribEdit::TCustomScribEdit()
    : lines_(std::make_unique<TScribEditStringList>()), options_(DefaultEditorOptions()) {
  keystrokes_.ResetDefaults();
  undoList_.OnAddedUndo = [this](TScribEditUndoList& list) { UndoAdded(list); };
  ConnectBuffer();
  gutter_.OnChange = [this] { GutterChanged(); };
}

TCustomScribEdit::~TCustomScribEdit() {
  if (highlighter_) highlighter_->UnhookAttrChangeEvent(this);
  // Releasing the lines must notify nobody.
  lines_->OnChanging = nullptr;
  lines_->OnChange = nullptr;
  lines_->OnCleared = nullptr;
  lines_->OnInserted = nullptr;
  lines_->OnDeleted = nullptr;
  lines_->OnPutted = nullptr;
}

void TCustomScribEdit::ConnectBuffer() {
  lines_->OnInserted = [this](TScribEditStringList&, int index, int count) {
    LinesInserted(index, count);
  };
  lines_->OnDeleted = [this](TScribEditStringList&, int index, int count) {
    LinesDeleted(index, count);
  };
  lines_->OnPutted = [this](TScribEditStringList&, int index, int count) {
    LinesPutted(index, count);
  };
  lines_->OnCleared = [this](TScribEditStringList&) { LinesCleared(); };
  lines_->OnChange = [this](TScribEditStringList&) { LinesChanged(); };
}

// --- Buffer events -----------------------------------------------------------

void TCustomScribEdit::LinesInserted(int index, int count) {
  for (auto& mark : bookmarks_)
    if (mark.Set && mark.Position.Line > index) mark.Position.Line += count;
  viewEvents_.LinesInserted(index, count);
}

void TCustomScribEdit::LinesDeleted(int index, int count) {
  for (auto& mark : bookmarks_) {
    if (!mark.Set || mark.Position.Line <= index) continue;
    if (mark.Position.Line <= index + count)
      mark.Set = false;  // its line is gone
    else
      mark.Position.Line -= count;
  }
  viewEvents_.LinesDeleted(index, count);
}

void TCustomScribEdit::LinesPutted(int index, int count) {
  viewEvents_.LinesPutted(index, count);
}

void TCustomScribEdit::LinesCleared() {
  undoList_.Clear();
  redoList_.Clear();
  for (auto& mark : bookmarks_) mark.Set = false;
  caret_ = {1, 1};
  caretAtEndOfRow_ = false;
  lastCaretX_ = 1;
  blockBegin_ = blockEnd_ = caret_;
  topLine_ = 1;
  leftChar_ = 1;
  viewEvents_.LinesCleared();
  StatusChanged(stAll);
}

void TCustomScribEdit::LinesChanged() {
  // A change of encoding moves token ends: the highlighter's change rescans.
  if (highlighter_) highlighter_->SetUtf8Text(IsUtf8(lines_->Encoding()));
  const int gutterWidth = gutter_.RealWidth(GutterCharWidth());
  const TScribRepaintArea area = viewEvents_.EndOfChange();
  if (area.everything)
    InvalidateAll();
  else if (!area.Empty())
    Invalidate(area.firstLine, area.lastLine == INT_MAX ? -1 : area.lastLine);
  // A wider gutter leaves fewer columns for the text.
  if (gutter_.RealWidth(GutterCharWidth()) != gutterWidth) GutterChanged();
  // The text's length and line count shown beside the caret position changed.
  StatusChanged(stSelection);
  // A host that changed lines directly sets its selection afterwards; the
  // editor's own operations set theirs once the buffer is done.
  if (ownChange_ > 0) return;
  MoveCaret(caret_, false);  // lines may have gone from under the caret
  CollapseSelection();
}

void TCustomScribEdit::Invalidate(int firstLine, int lastLine) {
  LinesInvalidated(firstLine, lastLine);
}

void TCustomScribEdit::LinesInvalidated(int firstLine, int lastLine) {
  if (OnInvalidate) OnInvalidate(*this, firstLine, lastLine);
}

// --- Status ------------------------------------------------------------------

void TCustomScribEdit::StatusChanged(TScribStatusChanges changes) {
  pendingStatus_ |= changes;
  if (paintLock_ > 0 || pendingStatus_ == 0) return;
  const TScribStatusChanges report = pendingStatus_;
  pendingStatus_ = 0;
  StatusReported(report);
}

void TCustomScribEdit::StatusReported(TScribStatusChanges changes) {
  if (OnStatusChange) OnStatusChange(*this, changes);
}

void TCustomScribEdit::EndUpdate() {
  if (paintLock_ == 0) return;
  if (--paintLock_ > 0) return;
  if (highlighterChangePending_) HighlighterChanged();
  StatusChanged(0);
}

// --- Whole text ----------------------------------------------------------------

void TCustomScribEdit::SetText(std::string_view text) {
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  lines_->SetText(text);
  // Clearing an empty buffer fires nothing, so reset the caret here as well.
  MoveCaret({1, 1}, false);
  CollapseSelection();
}

void TCustomScribEdit::ClearAll() {
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  lines_->Clear();
  LinesCleared();
  SetModified(false);
}

// --- Modes and settings -----------------------------------------------------

void TCustomScribEdit::SetInsertMode(bool value) {
  if (insertMode_ == value) return;
  insertMode_ = value;
  StatusChanged(stInsertMode);
}

void TCustomScribEdit::SetReadOnly(bool value) {
  if (readOnly_ == value) return;
  readOnly_ = value;
  StatusChanged(stReadOnly);
}

void TCustomScribEdit::SetOptions(TScribEditorOptions value) {
  if (options_ == value) return;
  options_ = value;
  // The caret limit depends on eoScrollPastEol.
  SetCaretAndSelection(caret_, blockBegin_, blockEnd_);
  SettingsChanged();
}

void TCustomScribEdit::SetSelectionMode(TScribSelectionMode value) {
  selectionMode_ = value;
  SetActiveSelectionMode(value);
}

void TCustomScribEdit::SetActiveSelectionMode(TScribSelectionMode value) {
  if (activeSelectionMode_ == value) return;
  activeSelectionMode_ = value;
  if (SelAvail()) {
    Invalidate(BlockBegin().Line, BlockEnd().Line);
    StatusChanged(stSelection);
  }
}

void TCustomScribEdit::SetTabWidth(int value) {
  // 0 and 1 both make a TAB one column; beyond 65536 no tab stop is useful.
  value = std::clamp(value, 0, 65536);
  if (value == lines_->TabWidth()) return;
  lines_->SetTabWidth(value);
  // Tabs expand differently: rows and display columns change.
  if (wrapPlugin_) RelayOut();
  SettingsChanged();
}

void TCustomScribEdit::SetRightEdge(int value) {
  if (rightEdge_ == value) return;
  rightEdge_ = value;
  // A margin beyond the scrolling width could never be seen.
  if (value >= maxScrollWidth_) SetMaxScrollWidth(value + 1);
  SettingsChanged();
}

void TCustomScribEdit::SetRightEdgeColor(std::uint32_t value) {
  if (rightEdgeColor_ == value) return;
  rightEdgeColor_ = value;
  SettingsChanged();
}

void TCustomScribEdit::SetActiveLineColor(std::uint32_t value) {
  if (activeLineColor_ == value) return;
  activeLineColor_ = value;
  SettingsChanged();
}

// --- Bookmarks ---------------------------------------------------------------

bool TCustomScribEdit::GetBookMark(int number, TBufferCoord& position) const {
  if (number < 0 || number > 9 || !bookmarks_[number].Set) return false;
  position = bookmarks_[number].Position;
  return true;
}

void TCustomScribEdit::SetBookMark(int number, TBufferCoord position) {
  if (number < 0 || number > 9) return;
  const TBufferCoord clamped = ClampPosition(position);
  bookmarks_[number] = {true, clamped};
  Invalidate(clamped.Line, clamped.Line);
}

void TCustomScribEdit::ClearBookMark(int number) {
  if (number < 0 || number > 9 || !bookmarks_[number].Set) return;
  bookmarks_[number].Set = false;
  Invalidate(bookmarks_[number].Position.Line, bookmarks_[number].Position.Line);
}
