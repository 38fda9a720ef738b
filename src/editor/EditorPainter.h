// TScribEditorPainter: paints the editor's clip rectangle to a Canvas: gutter
// rows, text rows token by token in the highlighter's colours, the selection,
// the space after the text and the right-edge line.
//
// Geometry: display column c is drawn at x = (c - LeftChar) * CharWidth +
// TextLeft(), row r at y = (r - TopLine) * LineHeight; TextLeft() is the
// gutter width + 2. Only the rows and columns inside the clip rectangle are
// drawn; tokens outside the visible columns are skipped. Painting a line needs
// only the stored range of the line before it.
#pragma once

#include "platform/Canvas.h"

class TScribViewState;

class TScribEditorPainter {
 public:
  explicit TScribEditorPainter(const TScribViewState& view) : view_(view) {}

  // Paints `clip`. A highlighter that returns two empty tokens in a row raises
  // std::runtime_error "The highlighter seems to be in an infinite loop".
  void Paint(Canvas& canvas, const TRect& clip) const;

  int GutterWidth() const;
  int TextLeft() const { return GutterWidth() + 2; }
  // Rows laid out: lines, or wrapped rows while word wrap is on.
  int RowCount() const;
  int ColumnToX(int column) const;
  int RowToY(int row) const;
  // The strip of text and gutter to invalidate for 1-based lines first..last
  // (last may be INT_MAX), clipped to `client`.
  TRect LinesRect(int firstLine, int lastLine, const TRect& client) const;

 private:
  struct VisibleArea {
    int firstRow, lastRow;        // existing rows inside the clip
    int firstColumn, lastColumn;  // display columns inside the clip
  };
  VisibleArea AreaOf(const TRect& clip) const;
  int FirstRowOfLine(int line) const;
  int LastRowOfLine(int line) const;
  void PaintGutter(Canvas& canvas, const TRect& clip, const VisibleArea& area) const;
  void PaintLineNumber(Canvas& canvas, const TRect& rowRect, int line) const;
  void PaintWrapGlyph(Canvas& canvas, const TRect& rowRect) const;
  void PaintTextRows(Canvas& canvas, const TRect& clip, const VisibleArea& area) const;
  void PaintRightEdge(Canvas& canvas, const TRect& clip, int top, int bottom) const;

  const TScribViewState& view_;
};
