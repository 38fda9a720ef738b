// TTextDrawer: draws runs of characters in fixed cells of the editor's
// CharWidth, whatever the font's own advance, on an opaque background. Runs
// of code-page text are drawn as the UTF-8 the canvas takes. The
// font style is passed to the canvas only when it changes, so styling every
// token costs no font switch on runs of the same style.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Canvas.h"

class TTextDrawer {
 public:
  TTextDrawer(Canvas& canvas, int charWidth, bool utf8 = true)
      : canvas_(canvas), charWidth_(charWidth), utf8_(utf8) {}

  Canvas& Surface() const { return canvas_; }
  int CharWidth() const { return charWidth_; }

  // A TFontStyle set for the following runs.
  void SetStyle(unsigned styles);
  // Draws `text` with its first cell at (x, y); TAB filler shows as blanks.
  void TextOut(int x, int y, std::string_view text, TColor foreground, TColor background,
               const TRect& clip);

 private:
  Canvas& canvas_;
  int charWidth_;
  bool utf8_;
  unsigned styles_ = 0;
  bool styleSet_ = false;
  std::string blanked_;
};
