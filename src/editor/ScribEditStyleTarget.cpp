#include "editor/ScribEditStyleTarget.h"

#include "editor/CustomScribEdit.h"

void TScribEditStyleTarget::SetFont(const TFontDescription& font) {
  edit_.SetFont(font);
}

void TScribEditStyleTarget::SetRightEdge(int column) {
  edit_.SetRightEdge(column);
}

void TScribEditStyleTarget::SetTabWidth(int width) {
  edit_.SetTabWidth(width);
}

void TScribEditStyleTarget::SetHighlighter(TScribCustomHighlighter* highlighter) {
  if (edit_.Highlighter() == highlighter)
    edit_.HighlighterChanged();
  else
    edit_.SetHighlighter(highlighter);
}
