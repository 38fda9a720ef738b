// One recorded change of the text, kept by the undo and redo lists.
#pragma once

#include <cstdint>
#include <string>

#include "editor/ScribEditTypes.h"

enum TScribChangeReason : std::uint8_t {
  urInsert,
  urPaste,
  urDragDropInsert,
  urDeleteAfterCursor,
  urDelete,
  urLineBreak,
  urIndent,
  urUnindent,
  urSilentDelete,
  urSilentDeleteAfterCursor,
  urAutoCompleteBegin,
  urAutoCompleteEnd,
  urPasteBegin,
  urPasteEnd,
  urSpecial1Begin,
  urSpecial1End,
  urSpecial2Begin,
  urSpecial2End,
  urCaret,
  urSelection,
  urNothing,  // never stored: what an empty list reports
  urGroupBreak,
  urDeleteAll,
  urWhiteSpaceAdd,
};

struct TScribEditUndoItem {
  TScribChangeReason ChangeReason = urNothing;
  TScribSelectionMode ChangeSelMode = smNormal;
  TBufferCoord ChangeStartPos;
  TBufferCoord ChangeEndPos;
  // Text removed by the change; for inserts empty, or the text an undo removed.
  std::string ChangeStr;
  // All records of one user action share this number; never 0 once recorded.
  std::int32_t ChangeNumber = 0;
};
