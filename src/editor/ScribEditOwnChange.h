// Brackets a buffer change the editor makes itself, so that the end of the
// change leaves the selection to the operation instead of collapsing it.
#pragma once

#include "editor/ScribEditStringList.h"

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
