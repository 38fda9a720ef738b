#include "editor/TextDrawer.h"

#include <algorithm>

#include "support/Utf8.h"

void TTextDrawer::SetStyle(unsigned styles) {
  if (styleSet_ && styles == styles_) return;
  canvas_.SetFontStyle(styles);
  styles_ = styles;
  styleSet_ = true;
}

void TTextDrawer::TextOut(int x, int y, std::string_view text, TColor foreground, TColor background,
                          const TRect& clip) {
  if (!styleSet_) SetStyle(0);
  const bool codePage =
      !utf8_ && std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; });
  if (codePage || text.find('\t') != std::string_view::npos) {
    blanked_ = codePage ? utf8::FromWindows1252(text) : std::string(text);
    std::replace(blanked_.begin(), blanked_.end(), '\t', ' ');
    text = blanked_;
  }
  canvas_.DrawTextCells(x, y, text, charWidth_, foreground, background, clip);
}
