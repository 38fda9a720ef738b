#include "editor/EditorPainterLine.h"

#include <algorithm>
#include <stdexcept>

#include "editor/EditorPainter.h"
#include "editor/ScribEditStringList.h"
#include "editor/ScribGutter.h"
#include "editor/WordWrapPlugin.h"
#include "highlight/CustomHighlighter.h"

namespace {

TColor OrDefault(TColor color, TColor fallback) {
  return color == clNone ? fallback : color;
}

}  // namespace

int ColumnLeft(const TScribViewState& view, int column) {
  return (column - view.LeftChar()) * view.CharWidth() + view.Gutter().RealWidth(view.CharWidth()) +
         2;
}

TRect Intersect(const TRect& a, const TRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

TScribSelectionShape::TScribSelectionShape(const TScribViewState& view) {
  any_ = view.SelAvail();
  if (!any_) return;
  mode_ = view.ActiveSelectionMode();
  TScribEditStringList& lines = view.Lines();
  const TScribWordWrapPlugin* wrap = view.WordWrapPlugin();
  const TBufferCoord begin = view.BlockBegin(), end = view.BlockEnd();
  begin_ = BufferToDisplayPos(lines, wrap, begin);
  end_ = BufferToDisplayPos(lines, wrap, end);
  beginLine_ = begin.Line;
  endLine_ = end.Line;
}

std::pair<int, int> TScribSelectionShape::ColumnsOf(int row, int line) const {
  if (!any_) return {0, 0};
  switch (mode_) {
    case smLine:
      if (line < beginLine_ || line > endLine_) return {0, 0};
      return {1, INT_MAX};
    case smColumn:
      if (row < begin_.Row || row > end_.Row) return {0, 0};
      return {std::min(begin_.Column, end_.Column), std::max(begin_.Column, end_.Column)};
    default:
      if (row < begin_.Row || row > end_.Row) return {0, 0};
      return {row == begin_.Row ? begin_.Column : 1, row == end_.Row ? end_.Column : INT_MAX};
  }
}

TScribLineColors TScribLinePainter::ColorsOf(int line) const {
  const TScribViewState& view = context_.view;
  TScribLineColors colors{};
  colors.foreground = view.FontColor();
  colors.background = view.Color();
  if (view.ActiveLineColor() != clNone && view.CaretXY().Line == line)
    colors.background = view.ActiveLineColor();
  colors.special = view.SpecialLineColors(line, colors.foreground, colors.background);
  if (colors.special) {
    // Selected text on a special line shows its colours swapped.
    colors.selectedForeground = colors.background;
    colors.selectedBackground = colors.foreground;
  } else {
    colors.selectedForeground = view.SelectedColor().Foreground;
    colors.selectedBackground = view.SelectedColor().Background;
  }
  return colors;
}

void TScribLinePainter::LayOutRows(int line, int firstRow, int lastRow) {
  const TScribViewState& view = context_.view;
  const TScribWordWrapPlugin* wrap = view.WordWrapPlugin();
  rows_.clear();
  int row = ViewLineToRow(wrap, line);
  const int lineLastRow = ViewLastRowOfLine(wrap, line);
  int start = 0;
  for (; row <= lastRow; ++row) {
    const bool lastOfLine = row == lineLastRow;
    const int length =
        lastOfLine ? static_cast<int>(Expanded().size()) - start : wrap->GetRowLength(row);
    if (row >= firstRow) {
      Row& painted = rows_.emplace_back();
      painted.row = row;
      painted.y = (row - view.TopLine()) * view.LineHeight();
      painted.start = start;
      painted.length = length;
      painted.selected = context_.selection.ColumnsOf(row, line);
    }
    start += length;
    if (lastOfLine) break;
  }
}

void TScribLinePainter::TakeText(int line) {
  TScribEditStringList& lines = context_.view.Lines();
  const std::string_view text = lines.Get(line - 1);
  if (text.find('\t') == std::string::npos) {
    expanded_ = text;
    return;
  }
  expandedStorage_ = lines.ExpandedStrings(line - 1);
  expanded_ = expandedStorage_;
}

void TScribLinePainter::PaintLine(int line, int firstRow, int lastRow) {
  TakeText(line);
  colors_ = ColorsOf(line);
  LayOutRows(line, firstRow, lastRow);
  if (rows_.empty()) return;
  const TScribCustomHighlighter* highlighter = context_.view.Highlighter();
  if (highlighter && highlighter->Enabled())
    PaintTokens(line);
  else
    AddPiece(0, static_cast<int>(Expanded().size()), colors_.foreground, colors_.background, 0);
  for (Row& row : rows_) {
    FlushRun(row);
    FillAfterText(row);
  }
}

void TScribLinePainter::PaintTokens(int line) {
  const TScribViewState& view = context_.view;
  TScribCustomHighlighter& highlighter = *view.Highlighter();
  const int firstVisible = rows_.front().start + context_.firstColumn - 1;
  const int endVisible = rows_.back().start + std::min(rows_.back().length, context_.lastColumn);
  if (line == 1)
    highlighter.ResetRange();
  else
    highlighter.SetRange(view.LineEndRange(line - 2));
  highlighter.SetLine(Expanded(), line - 1);
  int drawnTo = 0;
  int emptyTokens = 0;
  while (!highlighter.GetEol()) {
    const std::size_t length = highlighter.GetToken().size();
    if (length == 0) {
      if (++emptyTokens >= 2)
        throw std::runtime_error("The highlighter seems to be in an infinite loop");
      highlighter.Next();
      continue;
    }
    emptyTokens = 0;
    const int position = highlighter.GetTokenPos();
    if (position >= endVisible) break;
    const int end = position + static_cast<int>(length);
    if (end > firstVisible) {
      if (position > drawnTo)
        AddPiece(drawnTo, position, colors_.foreground, colors_.background, 0);
      const TScribHighlighterAttributes* attribute = highlighter.GetTokenAttribute();
      TColor foreground = colors_.foreground, background = colors_.background;
      unsigned style = 0;
      if (attribute) {
        if (!colors_.special) {
          foreground = OrDefault(attribute->Foreground(), foreground);
          background = OrDefault(attribute->Background(), background);
        }
        style = attribute->Style();
      }
      // Cells already drawn are not drawn twice, even if tokens overlap.
      AddPiece(std::max(position, drawnTo), end, foreground, background, style);
    }
    drawnTo = std::max(drawnTo, end);
    highlighter.Next();
  }
  AddPiece(drawnTo, static_cast<int>(Expanded().size()), colors_.foreground, colors_.background, 0);
}

void TScribLinePainter::AddPiece(int from, int to, TColor foreground, TColor background,
                                 unsigned style) {
  for (Row& row : rows_) {
    // The piece in display columns of this row, limited to what is visible.
    const int first = std::max(std::max(from, row.start) - row.start + 1, context_.firstColumn);
    const int end =
        std::min(std::min(to, row.start + row.length) - row.start + 1, context_.lastColumn + 1);
    if (first >= end) continue;
    const auto [selectedFirst, selectedEnd] = row.selected;
    const int plainEnd = std::min(end, selectedFirst);
    if (first < plainEnd) AddToRun(row, first, plainEnd - first, foreground, background, style);
    const int selectionFirst = std::max(first, selectedFirst);
    const int selectionEnd = std::min(end, selectedEnd);
    if (selectionFirst < selectionEnd)
      AddToRun(row, selectionFirst, selectionEnd - selectionFirst, colors_.selectedForeground,
               colors_.selectedBackground, style);
    const int afterFirst = std::max(first, selectedEnd);
    if (afterFirst < end)
      AddToRun(row, afterFirst, end - afterFirst, foreground, background, style);
  }
}

void TScribLinePainter::AddToRun(Row& row, int column, int count, TColor foreground,
                                 TColor background, unsigned style) {
  const bool continues =
      !row.runText.empty() && column == row.runColumn + static_cast<int>(row.runText.size()) &&
      foreground == row.runForeground && background == row.runBackground && style == row.runStyle;
  if (!continues) {
    FlushRun(row);
    row.runColumn = column;
    row.runForeground = foreground;
    row.runBackground = background;
    row.runStyle = style;
  }
  row.runText.append(Expanded(), row.start + column - 1, count);
}

void TScribLinePainter::FlushRun(Row& row) {
  if (row.runText.empty()) return;
  context_.drawer.SetStyle(row.runStyle);
  context_.drawer.TextOut(ColumnLeft(context_.view, row.runColumn), row.y, row.runText,
                          row.runForeground, row.runBackground, context_.clip);
  row.runText.clear();
}

void TScribLinePainter::FillColumns(const Row& row, int firstColumn, int endColumn, TColor color) {
  if (firstColumn >= endColumn) return;
  const int left = ColumnLeft(context_.view, firstColumn);
  const int right =
      endColumn > context_.lastColumn ? context_.clip.right : ColumnLeft(context_.view, endColumn);
  const TRect area =
      Intersect({left, row.y, right, row.y + context_.view.LineHeight()}, context_.clip);
  if (area.left < area.right && area.top < area.bottom)
    context_.drawer.Surface().FillRect(area, color);
}

void TScribLinePainter::FillAfterText(const Row& row) {
  // The space after the text, selected where the selection runs past the end.
  const int first = std::max(row.length + 1, context_.firstColumn);
  const auto [selectedFirst, selectedEnd] = row.selected;
  const int selectionFirst = std::max(first, selectedFirst);
  const int selectionEnd = std::max(selectionFirst, selectedEnd);
  FillColumns(row, first, std::min(selectionFirst, selectionEnd), colors_.background);
  FillColumns(row, selectionFirst, selectionEnd, colors_.selectedBackground);
  if (selectionEnd != INT_MAX)
    FillColumns(row, std::max(first, selectionEnd), INT_MAX, colors_.background);
}
