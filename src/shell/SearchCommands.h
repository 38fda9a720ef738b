// The search commands on the editor: Find (Next), Count and the confirmed
// replace, with every notice they show. They read the document afresh on
// each call, through the editor's lines, and show results by selecting.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shell/SearchState.h"

class Dialogs;
class TCustomScribEdit;

// Where a search "from the cursor" starts in the editor (1-based).
std::int64_t EditorCursorStart(const TCustomScribEdit& editor);

// Selects the next occurrence of FindString at or after `start` (1-based), or
// shows the "not found" / "no more occurrences" notice and resets the counter.
void DoSearch(TCustomScribEdit& editor, TSearchState& state, Dialogs& dialogs, std::int64_t start);

// Replaces occurrences of FindString from `start` on, asking before each
// (Yes / No / No to All / Yes to All); adds to replacedCounter.
void DoReplace(TCustomScribEdit& editor, TSearchState& state, Dialogs& dialogs, std::int64_t start);

// DoReplace, then the "replaced %d times" notice when anything was replaced;
// the replaced counter goes back to 0.
void ReplaceAndReport(TCustomScribEdit& editor, TSearchState& state, Dialogs& dialogs,
                      std::int64_t start);

// Shows how often FindString occurs at or after `start`; the selection and
// the found counter stay as they are.
void ShowCount(const TCustomScribEdit& editor, const TSearchState& state, Dialogs& dialogs,
               std::int64_t start);

// The main window's Find Next (F3): DoSearch from the cursor.
void FindNext_Cmd(TCustomScribEdit& editor, TSearchState& state, Dialogs& dialogs);

// Opening the Search menu: Find Next is enabled exactly when this is true.
bool FindNextEnabled(const TSearchState& state);

// What Ctrl+F puts into the find window: the selection as Find text (escaped)
// when there is one, and the origin by where the selection starts.
struct TFindDialogSeed {
  std::optional<std::string> findText;
  bool fromCursor = false;
};
TFindDialogSeed FindDialogSeed(const TCustomScribEdit& editor);
