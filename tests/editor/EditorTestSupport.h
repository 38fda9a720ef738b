// Helpers shared by the editor tests.
#pragma once

#include <string>

#include "editor/CustomScribEdit.h"

// The options the main window gives its editor.
inline TScribEditorOptions MainWindowOptions() {
  return OptionBit(eoAutoIndent) | OptionBit(eoDragDropEditing) | OptionBit(eoDropFiles) |
         OptionBit(eoEnhanceEndKey) | OptionBit(eoGroupUndo) | OptionBit(eoScrollByOneLess) |
         OptionBit(eoScrollPastEol) | OptionBit(eoShowScrollHint) | OptionBit(eoSmartTabDelete);
}

// An editor set up like the main window's, holding `text`, caret at (1,1).
inline void SetUpLikeMainWindow(TCustomScribEdit& edit, const std::string& text) {
  edit.SetOptions(MainWindowOptions());
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
