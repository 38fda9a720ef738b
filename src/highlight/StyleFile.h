// Style files: INI files in the "Styles" folders (StyleFolders.h) that set
// the editor's font, right edge, tab width and highlighter, the highlighter's
// rules and colours, the keyword list (from the "KeyWords" folders) and the
// style texts of the main window. "default.ini" is applied in full, any other
// style only for the keys it gives.
#pragma once

#include <string>

#include "highlight/FontDescription.h"
#include "highlight/StyleFolders.h"

class Screen;
class TScribCustomHighlighter;
class TScribOrvane;

// The texts a style sets for the main window. A partial application leaves
// the ones it does not give as they were.
struct TStyleTexts {
  std::string commentChars;     // toggled by the comment command
  std::string keyWordListFile;  // the list in use, without folder and ".kwf"; empty for none
};

// Passed instead of a path, applies the built-in default of every key.
inline const std::string kStartupStyleMarker = std::string(1, '\x01');

// The editor settings a style decides. Only the keys a style applies reach
// the target, so in a partial application the others keep their values.
class TStyleEditorTarget {
 public:
  virtual ~TStyleEditorTarget() = default;
  virtual void SetFont(const TFont& font) = 0;
  virtual void SetRightEdge(int column) = 0;
  virtual void SetTabWidth(int width) = 0;
  // The highlighter to use, or nullptr for none; always called, last.
  virtual void SetHighlighter(TScribCustomHighlighter* highlighter) = 0;
};

// What a style is applied to.
struct TStyleContext {
  TStyleFolders folders;
  TScribOrvane& highlighter;
  TStyleEditorTarget& editor;
  const Screen& screen;
  TStyleTexts& texts;
};

// The style file for the document `fileName` ("Untitled" for none): the first
// style whose "FileNames" list the file's whole name, else the first whose
// "Extensions" list its extension. When a style matches, "default.ini" is
// applied first and that style's path returned; otherwise the path of
// "default.ini".
std::string FindStyleFile(const TStyleContext& context, const std::string& fileName);

// Applies the style file at `path`, or the built-in defaults for kStartupStyleMarker.
void ApplyStyleFile(const TStyleContext& context, const std::string& path);

// Loads the keyword list `name` from the KeyWords folders into the highlighter
// without notifying; a missing file leaves the list empty.
void LoadKeyWordList(const TStyleContext& context, const std::string& name);
