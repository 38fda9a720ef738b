// Applies what a style file decides (font, right edge, tab width, highlighter)
// to an editor.
#pragma once

#include "highlight/StyleFile.h"

class TCustomScribEdit;

class TScribEditStyleTarget : public TStyleEditorTarget {
 public:
  explicit TScribEditStyleTarget(TCustomScribEdit& edit) : edit_(edit) {}

  void SetFont(const TFontDescription& font) override;
  void SetRightEdge(int column) override;
  void SetTabWidth(int width) override;
  // A style applied to the highlighter already in use changed its rules, so
  // the editor rescans in that case too.
  void SetHighlighter(TScribCustomHighlighter* highlighter) override;

 private:
  TCustomScribEdit& edit_;
};
