// The drawing surface the editor paints to. Coordinates are pixels in the
// editor's client area; colours are 0x00BBGGRR. Text is UTF-8, drawn in
// fixed character cells: each character takes the cells utf8::CellsAt gives
// (two for wide ones); a combining mark is drawn over the character before
// it; a byte that is not UTF-8 shows as a marker in one cell.
#pragma once

#include <string_view>

#include "platform/Color.h"
#include "platform/Font.h"

struct TRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void FillRect(const TRect& rect, TColor colour) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2, TColor colour) = 0;
  // Sets the style (a TFontStyle set) of the editor font for following text.
  virtual void SetFontStyle(unsigned styles) = 0;
  // Draws following text in `font`, vertically centred in the row, instead
  // of the editor font; null goes back to the editor font.
  virtual void SelectFont(const TFont* /*font*/) {}
  // Draws `text` with its first cell at (x, y), cells `cellWidth` wide, on an
  // opaque `background` clipped to `clip`.
  virtual void DrawTextCells(int x, int y, std::string_view text, int cellWidth, TColor foreground,
                             TColor background, const TRect& clip) = 0;
};
