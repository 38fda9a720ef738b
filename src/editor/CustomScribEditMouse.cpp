// Mouse selection in display cells; pixels and timers stay with the widget.
#include <algorithm>

#include "editor/CustomScribEdit.h"

bool TCustomScribEdit::MouseDown(TDisplayCoord cell, TShiftState shift, bool doubleClick) {
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  // Right of a wrapped row's text the caret stays at the end of that row.
  const CaretTarget target = DisplayTarget(cell);
  const TBufferCoord position = ClampPosition(target.position);
  pressedInSelection_.reset();
  mouseSelecting_ = false;
  if (doubleClick) {
    SelectWordAt(position);
    return false;
  }
  if (shift & ssShift) {
    MoveCaretAndSelection(position, true, target.endOfRow);
    mouseSelecting_ = true;
    return false;
  }
  // A press inside the selection may be the start of a text drag.
  if (HasOption(eoDragDropEditing) && SelAvail() && !CanDropSelection(position, false)) {
    pressedInSelection_ = position;
    return true;
  }
  if ((shift & ssAlt) && HasOption(eoAltSetsColumnMode))
    activeSelectionMode_ = smColumn;
  else
    activeSelectionMode_ = selectionMode_;
  MoveCaretAndSelection(position, false, target.endOfRow);
  mouseSelecting_ = true;
  return false;
}

void TCustomScribEdit::MouseMove(TDisplayCoord cell) {
  if (!mouseSelecting_) return;
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  const TBufferCoord anchor = blockBegin_;
  const CaretTarget target = DisplayTarget(cell);
  MoveCaret(target.position, true, target.endOfRow);
  SetSelectionRaw(anchor, caret_);
}

void TCustomScribEdit::MouseUp() {
  // A press in the selection that started no drag just places the caret.
  if (pressedInSelection_) SetCaretXY(*pressedInSelection_);
  pressedInSelection_.reset();
  mouseSelecting_ = false;
}

void TCustomScribEdit::ScrollForSelection(int rows, int columns) {
  if (!mouseSelecting_) return;
  const Transaction lock(*this, Transaction::Undo::AsRecorded);
  SetTopLine(topLine_ + rows);
  SetLeftChar(leftChar_ + columns);
  const TDisplayCoord caret = DisplayXY();
  MouseMove({std::max(1, caret.Column + columns), std::max(1, caret.Row + rows)});
}
