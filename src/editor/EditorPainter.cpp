#include "editor/EditorPainter.h"

#include <algorithm>
#include <climits>
#include <string>

#include "editor/EditorPainterLine.h"
#include "editor/EditorViewState.h"
#include "editor/ScribDisplayPos.h"
#include "editor/ScribEditStringList.h"
#include "editor/ScribGutter.h"
#include "editor/TextDrawer.h"
#include "editor/WordWrapPlugin.h"

int TScribEditorPainter::GutterWidth() const {
  return view_.Gutter().RealWidth(view_.GutterCharWidth());
}

int TScribEditorPainter::RowCount() const {
  return ViewRowCount(view_.Lines(), view_.WordWrapPlugin());
}

int TScribEditorPainter::ColumnToX(int column) const {
  return ColumnLeft(view_, column);
}

int TScribEditorPainter::RowToY(int row) const {
  return (row - view_.TopLine()) * view_.LineHeight();
}

int TScribEditorPainter::FirstRowOfLine(int line) const {
  return ViewLineToRow(view_.WordWrapPlugin(), line);
}

int TScribEditorPainter::LastRowOfLine(int line) const {
  return ViewLastRowOfLine(view_.WordWrapPlugin(), line);
}

TRect TScribEditorPainter::LinesRect(int firstLine, int lastLine, const TRect& client) const {
  TRect rect = client;
  rect.top = std::max(client.top, RowToY(FirstRowOfLine(firstLine)));
  if (lastLine < view_.Lines().Count())
    rect.bottom = std::min(client.bottom, RowToY(LastRowOfLine(lastLine) + 1));
  return rect;
}

TScribEditorPainter::VisibleArea TScribEditorPainter::AreaOf(const TRect& clip) const {
  const int charWidth = std::max(1, view_.CharWidth());
  const int lineHeight = std::max(1, view_.LineHeight());
  VisibleArea area{};
  area.firstRow = std::max(1, view_.TopLine() + std::max(clip.top, 0) / lineHeight);
  area.lastRow = std::min(view_.TopLine() + (clip.bottom - 1) / lineHeight, RowCount());
  const int textLeft = TextLeft();
  area.firstColumn = view_.LeftChar() + std::max(clip.left - textLeft, 0) / charWidth;
  const int textWidth = clip.right - textLeft;
  area.lastColumn = view_.LeftChar() + (textWidth + charWidth - 1) / charWidth - 1;
  return area;
}

void TScribEditorPainter::Paint(Canvas& canvas, const TRect& clip) const {
  if (clip.left >= clip.right || clip.top >= clip.bottom) return;
  const VisibleArea area = AreaOf(clip);
  if (clip.left < GutterWidth()) PaintGutter(canvas, clip, area);
  if (clip.right > GutterWidth()) PaintTextRows(canvas, clip, area);
}

void TScribEditorPainter::PaintGutter(Canvas& canvas, const TRect& clip,
                                      const VisibleArea& area) const {
  const TScribGutter& gutter = view_.Gutter();
  const TRect gutterClip = Intersect(clip, {0, clip.top, GutterWidth(), clip.bottom});
  const TScribWordWrapPlugin* wrap = view_.WordWrapPlugin();
  for (int row = area.firstRow; row <= area.lastRow; ++row) {
    const TRect rowRect = Intersect(gutterClip, {0, RowToY(row), GutterWidth(), RowToY(row + 1)});
    const int line = ViewRowToLine(wrap, row);
    const bool firstRowOfLine = ViewLineToRow(wrap, line) == row;
    canvas.FillRect(rowRect, gutter.Color());
    if (firstRowOfLine && gutter.ShowLineNumbers())
      PaintLineNumber(canvas, rowRect, line);
    else if (!firstRowOfLine && gutter.ShowWrapGlyph())
      PaintWrapGlyph(canvas, rowRect);
  }
  const TRect below = Intersect(gutterClip, {0, RowToY(area.lastRow + 1), GutterWidth(), INT_MAX});
  if (below.top < below.bottom) canvas.FillRect(below, gutter.Color());
}

void TScribEditorPainter::PaintLineNumber(Canvas& canvas, const TRect& rowRect, int line) const {
  const TScribGutter& gutter = view_.Gutter();
  std::string text = gutter.LineNumberText(line);
  view_.GutterGetText(line, text);
  const int charWidth = view_.GutterCharWidth();
  const int x = gutter.NumberRight(charWidth) - static_cast<int>(text.size()) * charWidth;
  const int y = RowToY(FirstRowOfLine(line));
  TTextDrawer drawer(canvas, charWidth);
  drawer.SetStyle(0);
  canvas.SelectFont(&gutter.Font());
  drawer.TextOut(x, y, text, gutter.FontColor(), gutter.Color(), rowRect);
  canvas.SelectFont(nullptr);
}

void TScribEditorPainter::PaintWrapGlyph(Canvas& canvas, const TRect& rowRect) const {
  // A small return arrow pointing left, right-aligned in the gutter.
  const int size = std::max(4, std::min(view_.CharWidth(), view_.LineHeight() - 4));
  const int right = GutterWidth() - 3;
  const int left = right - size;
  const int top = rowRect.top + (view_.LineHeight() - size) / 2;
  const int bottom = top + size - 1;
  const TColor color = view_.Gutter().FontColor();
  canvas.DrawLine(right, top, right, bottom, color);
  canvas.DrawLine(right, bottom, left, bottom, color);
  canvas.DrawLine(left, bottom, left + size / 2, bottom - size / 2, color);
}

void TScribEditorPainter::PaintTextRows(Canvas& canvas, const TRect& clip,
                                        const VisibleArea& area) const {
  const TRect textClip = Intersect(clip, {GutterWidth(), clip.top, INT_MAX, clip.bottom});
  // The two-pixel strip between the gutter and the first column.
  const TRect strip = Intersect(textClip, {GutterWidth(), clip.top, TextLeft(), clip.bottom});
  if (strip.left < strip.right) canvas.FillRect(strip, view_.Color());

  TTextDrawer drawer(canvas, view_.CharWidth(), view_.Lines().CellRules().utf8);
  const TScribSelectionShape selection(view_);
  const TScribPaintContext context{view_,    drawer,           selection,
                                   textClip, area.firstColumn, area.lastColumn};
  TScribLinePainter linePainter(context);
  const TScribWordWrapPlugin* wrap = view_.WordWrapPlugin();
  for (int row = area.firstRow; row <= area.lastRow;) {
    const int line = ViewRowToLine(wrap, row);
    const int lastRow = std::min(LastRowOfLine(line), area.lastRow);
    linePainter.PaintLine(line, row, lastRow);
    for (; row <= lastRow; ++row) PaintRightEdge(canvas, textClip, RowToY(row), RowToY(row + 1));
  }
  const int belowTop = RowToY(std::max(area.lastRow, area.firstRow - 1) + 1);
  const TRect below = Intersect(textClip, {GutterWidth(), belowTop, INT_MAX, clip.bottom});
  if (below.top < below.bottom) {
    canvas.FillRect(below, view_.Color());
    PaintRightEdge(canvas, textClip, below.top, below.bottom);
  }
}

void TScribEditorPainter::PaintRightEdge(Canvas& canvas, const TRect& clip, int top,
                                         int bottom) const {
  if (view_.RightEdge() <= 0) return;
  // The right boundary of column RightEdge.
  const int x = ColumnToX(view_.RightEdge() + 1);
  if (x < std::max(clip.left, TextLeft()) || x >= clip.right) return;
  canvas.DrawLine(x, top, x, bottom, view_.RightEdgeColor());
}
