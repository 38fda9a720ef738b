// Brackets the editor opens and must close on every path, exceptions
// included: a paint lock or an undo block left open would silence status
// reports or glue every later change into one undo step.
#pragma once

#include "editor/CustomScribEdit.h"
#include "editor/ScribEditStringList.h"

// A buffer change the editor makes itself: the end of the change leaves the
// selection to the operation instead of collapsing it.
class OwnChangeScope {
 public:
  OwnChangeScope(TScribEditStringList& lines, int& ownChange)
      : lines_(lines), ownChange_(ownChange) {
    ++ownChange_;
    lines_.BeginUpdate();
  }
  ~OwnChangeScope() {
    lines_.EndUpdate();
    --ownChange_;
  }
  OwnChangeScope(const OwnChangeScope&) = delete;
  OwnChangeScope& operator=(const OwnChangeScope&) = delete;

 private:
  TScribEditStringList& lines_;
  int& ownChange_;
};

// Holds the paint lock, so status changes are reported once at the end.
class PaintLockScope {
 public:
  explicit PaintLockScope(TCustomScribEdit& edit) : edit_(edit) { edit_.BeginUpdate(); }
  ~PaintLockScope() { edit_.EndUpdate(); }
  PaintLockScope(const PaintLockScope&) = delete;
  PaintLockScope& operator=(const PaintLockScope&) = delete;

 private:
  TCustomScribEdit& edit_;
};

// One undo step, under the paint lock.
class UndoStepScope {
 public:
  explicit UndoStepScope(TCustomScribEdit& edit) : edit_(edit) {
    edit_.BeginUndoBlock();
    edit_.BeginUpdate();
  }
  ~UndoStepScope() {
    edit_.EndUpdate();
    edit_.EndUndoBlock();
  }
  UndoStepScope(const UndoStepScope&) = delete;
  UndoStepScope& operator=(const UndoStepScope&) = delete;

 private:
  TCustomScribEdit& edit_;
};
