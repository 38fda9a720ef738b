// Helpers shared by the editor tests.
#pragma once

#include <string>

#include "editor/CustomScribEdit.h"

// An editor set up like the main window's, holding `text`, caret at (1,1).
inline void SetUpLikeMainWindow(TCustomScribEdit& edit, const std::string& text) {
  edit.SetOptions(kMainWindowEditorOptions);
  edit.SetWantTabs(true);
  edit.SetText(text);
  edit.SetCaretXY({1, 1});
}

inline void Exec(TCustomScribEdit& edit, TScribEditorCommand command, char aChar = '\0',
                 const void* data = nullptr) {
  edit.CommandProcessor(command, aChar, data);
}

inline void Type(TCustomScribEdit& edit, const std::string& text) {
  for (char c : text) Exec(edit, ecChar, c);
}
