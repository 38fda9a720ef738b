// The bracket of a buffer change the editor makes itself. It closes on every
// path, exceptions included: left open it would hold every later change.
#pragma once

#include "editor/ScribEditStringList.h"

// The end of the change leaves the selection to the operation instead of
// collapsing it, so the counter must still be raised when the bracket closes.
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
