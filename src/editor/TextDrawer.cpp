#include "editor/TextDrawer.h"

#include <algorithm>

void TTextDrawer::SetStyle(unsigned styles) {
  if (styleSet_ && styles == styles_) return;
  canvas_.SetFontStyle(styles);
  styles_ = styles;
  styleSet_ = true;
}

void TTextDrawer::TextOut(int x, int y, std::string_view text, TColor foreground, TColor background,
                          const TRect& clip) {
  if (!styleSet_) SetStyle(0);
  if (text.find('\t') != std::string_view::npos) {
    blanked_.assign(text);
    std::replace(blanked_.begin(), blanked_.end(), '\t', ' ');
    text = blanked_;
  }
  canvas_.DrawTextCells(x, y, text, charWidth_, foreground, background, clip);
}
