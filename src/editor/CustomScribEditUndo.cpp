// Undo, redo and the modified flag.
#include <algorithm>

#include "editor/CustomScribEdit.h"
#include "editor/ScribEditScopes.h"

namespace {

bool IsInsertKind(TScribChangeReason reason) {
  return reason == urInsert || reason == urPaste || reason == urDragDropInsert ||
         reason == urLineBreak || reason == urWhiteSpaceAdd;
}

bool IsDeleteKind(TScribChangeReason reason) {
  return reason == urDeleteAfterCursor || reason == urDelete || reason == urSilentDelete ||
         reason == urSilentDeleteAfterCursor || reason == urDeleteAll;
}

// The record that closes a bracketed run started by `reason`, seen from the
// list being reversed: undo meets the end record first, redo the begin record.
std::optional<TScribChangeReason> BracketPartner(TScribChangeReason reason) {
  switch (reason) {
    case urAutoCompleteEnd:
      return urAutoCompleteBegin;
    case urPasteEnd:
      return urPasteBegin;
    case urSpecial1End:
      return urSpecial1Begin;
    case urSpecial2End:
      return urSpecial2Begin;
    case urAutoCompleteBegin:
      return urAutoCompleteEnd;
    case urPasteBegin:
      return urPasteEnd;
    case urSpecial1Begin:
      return urSpecial1End;
    case urSpecial2Begin:
      return urSpecial2End;
    default:
      return std::nullopt;
  }
}

std::vector<std::string> SplitPrefixes(const std::string& joined) {
  std::vector<std::string> prefixes;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = joined.find('\n', start);
    prefixes.push_back(joined.substr(start, end - start));
    if (end == std::string::npos) return prefixes;
    start = end + 1;
  }
}

}  // namespace

// --- Modified flag -------------------------------------------------------------

void TCustomScribEdit::RefreshModified() {
  // Records dropped at the bottom make the saved state unreachable even when
  // the list is empty again.
  const bool modified =
      !undoList_.InitialState() || (undoList_.ItemCount() == 0 && undoList_.FullUndoImpossible());
  if (modified == modified_) return;
  modified_ = modified;
  StatusChanged(stModified);
}

void TCustomScribEdit::UndoAdded(TScribEditUndoList& list) {
  RefreshModified();
  const TScribEditUndoItem* top = list.PeekItem();
  if (!list.InsideRedo() && top && top->ChangeReason != urGroupBreak) redoList_.Clear();
  if (list.BlockCount() == 0 && OnChange) OnChange(*this);
}

void TCustomScribEdit::SetModified(bool value) {
  if (value) {
    undoList_.SetInitialState(false);
  } else {
    // Later typing must not merge with what was saved.
    if (HasOption(eoGroupUndo) && undoList_.CanUndo()) undoList_.AddGroupBreak();
    undoList_.SetInitialState(true);
  }
  modified_ = value;
  StatusChanged(stModified);
}

void TCustomScribEdit::SetMaxUndo(int value) {
  undoList_.SetMaxUndoActions(value);
  redoList_.SetMaxUndoActions(value);
}

void TCustomScribEdit::ClearUndo() {
  undoList_.Clear();
  redoList_.Clear();
}

// --- Undo and redo -----------------------------------------------------------------

void TCustomScribEdit::Undo() {
  if (readOnly_ || !undoList_.CanUndo()) return;
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  ReverseRecords(undoList_, redoList_, false);
  RefreshModified();
}

void TCustomScribEdit::Redo() {
  if (readOnly_ || !redoList_.CanUndo()) return;
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  undoList_.SetInsideRedo(true);
  try {
    ReverseRecords(redoList_, undoList_, true);
    // A group break that closed the redone action goes back with it, so
    // redoing up to a save reaches the saved state again.
    if (redoList_.PeekItem() && redoList_.PeekItem()->ChangeReason == urGroupBreak)
      undoList_.PushItem(*redoList_.PopItem());
  } catch (...) {
    undoList_.SetInsideRedo(false);
    throw;
  }
  undoList_.SetInsideRedo(false);
  RefreshModified();
}

void TCustomScribEdit::ReverseRecords(TScribEditUndoList& from, TScribEditUndoList& to,
                                      bool redoing) {
  if (from.PeekItem() && from.PeekItem()->ChangeReason == urGroupBreak)
    to.PushItem(*from.PopItem());
  const TScribEditUndoItem* top = from.PeekItem();
  if (!top) return;
  const std::optional<TScribChangeReason> closing = BracketPartner(top->ChangeReason);
  const std::int32_t number = top->ChangeNumber;
  const bool groupUndo = HasOption(eoGroupUndo);
  for (;;) {
    const TScribChangeReason reversed = from.PeekItem()->ChangeReason;
    ReverseOne(from, to, redoing);
    const TScribEditUndoItem* next = from.PeekItem();
    if (!next) break;
    if (closing) {
      if (next->ChangeReason == *closing) {
        ReverseOne(from, to, redoing);
        break;
      }
      continue;
    }
    const bool sameAction = next->ChangeNumber == number;
    const bool merges = groupUndo && next->ChangeReason == reversed && reversed != urIndent &&
                        reversed != urUnindent;
    if (!sameAction && !merges) break;
  }
}

void TCustomScribEdit::ReverseOne(TScribEditUndoList& from, TScribEditUndoList& to, bool redoing) {
  TScribEditUndoItem item = *from.PopItem();
  const TScribChangeReason reason = item.ChangeReason;
  const TBufferCoord start = item.ChangeStartPos;
  if (IsInsertKind(reason) && !redoing) {
    item.ChangeStr = DeleteRange(start, item.ChangeEndPos, item.ChangeSelMode);
    MoveCaret(item.ChangeSelMode == smLine ? TBufferCoord{1, start.Line} : start, true);
  } else if ((IsInsertKind(reason) && redoing) || (IsDeleteKind(reason) && !redoing)) {
    const TBufferCoord end = InsertInMode(start, item.ChangeStr, item.ChangeSelMode);
    if (IsInsertKind(reason)) item.ChangeEndPos = end;
    item.ChangeStr.clear();
    const bool caretAtStart = reason == urDeleteAfterCursor ||
                              reason == urSilentDeleteAfterCursor || item.ChangeSelMode == smLine;
    MoveCaret(caretAtStart ? start : end, true);
  } else if (IsDeleteKind(reason)) {
    item.ChangeStr = DeleteRange(start, item.ChangeEndPos, item.ChangeSelMode);
    MoveCaret(item.ChangeSelMode == smLine ? TBufferCoord{1, start.Line} : start, true);
  } else if (reason == urIndent || reason == urUnindent) {
    ApplyIndentRecord(item, (reason == urIndent) != redoing);
  } else if (reason == urCaret) {
    // The record keeps the caret it replaced, so undo and redo swap back and forth.
    const TBufferCoord current = caret_;
    MoveCaret(start, true);
    item.ChangeStartPos = item.ChangeEndPos = current;
  } else if (reason == urSelection) {
    const TBufferCoord anchor = blockBegin_, end = blockEnd_;
    SetCaretAndSelection(item.ChangeEndPos, start, item.ChangeEndPos);
    item.ChangeStartPos = anchor;
    item.ChangeEndPos = end;
  }
  if (reason != urSelection && reason != urIndent && reason != urUnindent) CollapseSelection();
  to.PushItem(std::move(item));
}

void TCustomScribEdit::ApplyIndentRecord(const TScribEditUndoItem& item, bool removing) {
  const int first = item.ChangeStartPos.Line;
  const std::vector<std::string> prefixes = SplitPrefixes(item.ChangeStr);
  ApplyLinePrefixes(first, prefixes, removing);
  const int last = first + static_cast<int>(prefixes.size()) - 1;
  const TBufferCoord end{LineLength(last) + 1, last};
  SetCaretAndSelection(end, {1, first}, end);
}

void TCustomScribEdit::ApplyLinePrefixes(int firstLine, const std::vector<std::string>& prefixes,
                                         bool removing) {
  OwnChangeScope scope(*lines_, ownChange_);
  for (std::size_t i = 0; i < prefixes.size(); ++i) {
    const int line = firstLine + static_cast<int>(i);
    if (prefixes[i].empty() || line > lines_->Count()) continue;
    std::string text(LineAt(line));
    if (removing)
      text.erase(0, std::min(prefixes[i].size(), text.size()));
    else
      text.insert(0, prefixes[i]);
    lines_->Put(line - 1, std::move(text));
  }
}
