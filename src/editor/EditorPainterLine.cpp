#include "editor/EditorPainterLine.h"

#include <algorithm>
#include <stdexcept>

#include "editor/EditorPainter.h"
#include "editor/HighlightScan.h"
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
  return (column - view.LeftChar()) * view.CharWidth() +
         view.Gutter().RealWidth(view.GutterCharWidth()) + 2;
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
        lastOfLine ? static_cast<int>(expandedLength_ - start) : wrap->GetRowLength(row);
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

void TScribLinePainter::PaintLine(int line, int firstRow, int lastRow) {
  TScribEditStringList& lines = context_.view.Lines();
  text_ = lines.Get(line - 1);
  expanded_.emplace(text_, lines.CellRules());
  // Saturates at the largest int: cells beyond it can never be shown.
  expandedLength_ = lines.ExpandedStringLengths(line - 1);
  colors_ = ColorsOf(line);
  LayOutRows(line, firstRow, lastRow);
  if (rows_.empty()) return;
  TScribCustomHighlighter* highlighter = context_.view.Highlighter();
  if (highlighter && highlighter->Enabled())
    PaintTokens(line);
  else
    AddPiece(0, expandedLength_, colors_.foreground, colors_.background, 0);
  for (Row& row : rows_) {
    FlushRun(row);
    FillAfterText(row);
  }
}

std::int64_t TScribLinePainter::StartScan(TScribCustomHighlighter& highlighter, int line,
                                          std::int64_t firstVisible) {
  const TScribViewState& view = context_.view;
  if (line == 1)
    highlighter.ResetRange();
  else
    highlighter.SetRange(view.LineEndRange(line - 2));
  const TScribLineMarks* marks = view.LineMarks();
  const TScribLineMark* mark =
      marks ? marks->Before(line - 1, view.Lines().TabWidth(), firstVisible) : nullptr;
  if (mark && highlighter.SetLineAt(text_, line - 1, mark->offset, mark->range)) {
    expanded_->SetAnchor(mark->offset, mark->column);
    return mark->column;
  }
  highlighter.SetLine(text_, line - 1);
  return 0;
}

void TScribLinePainter::PaintTokens(int line) {
  const TScribViewState& view = context_.view;
  TScribCustomHighlighter& highlighter = *view.Highlighter();
  const std::int64_t firstVisible =
      static_cast<std::int64_t>(rows_.front().start) + context_.firstColumn - 1;
  const std::int64_t endVisible = static_cast<std::int64_t>(rows_.back().start) +
                                  std::min(rows_.back().length, context_.lastColumn);
  TScribLineMarks* marks = view.LineMarks();
  const int tabWidth = view.Lines().TabWidth();
  int nextMark = marks ? marks->NextOffset(line - 1, tabWidth) : INT_MAX;
  std::int64_t drawnTo = StartScan(highlighter, line, firstVisible);
  int emptyTokens = 0;
  while (!highlighter.GetEol()) {
    const int length = highlighter.GetTokenLength();
    if (length == 0) {
      if (++emptyTokens >= 2)
        throw std::runtime_error("The highlighter seems to be in an infinite loop");
      highlighter.Next();
      continue;
    }
    emptyTokens = 0;
    const int offset = highlighter.GetTokenPos();
    const std::int64_t position = expanded_->ColumnOf(offset);
    if (position >= endVisible) break;
    const std::int64_t end = expanded_->ColumnOf(offset + length);
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
    if (offset + length >= nextMark) {
      // A later paint of this line may start here.
      marks->Add(line - 1, tabWidth, {offset + length, end, highlighter.GetRange()});
      nextMark = offset + length + TScribLineMarks::kSpacing;
    }
    highlighter.Next();
  }
  AddPiece(drawnTo, expandedLength_, colors_.foreground, colors_.background, 0);
}

void TScribLinePainter::AddPiece(std::int64_t from, std::int64_t to, TColor foreground,
                                 TColor background, unsigned style) {
  for (Row& row : rows_) {
    // The piece in display columns of this row, limited to what is visible.
    const std::int64_t rowEnd = static_cast<std::int64_t>(row.start) + row.length;
    const std::int64_t wideFirst = std::max<std::int64_t>(
        std::max<std::int64_t>(from, row.start) - row.start + 1, context_.firstColumn);
    const std::int64_t wideEnd = std::min<std::int64_t>(
        std::min(to, rowEnd) - row.start + 1, static_cast<std::int64_t>(context_.lastColumn) + 1);
    if (wideFirst >= wideEnd) continue;
    // Both lie inside the visible columns now.
    const int first = static_cast<int>(wideFirst), end = static_cast<int>(wideEnd);
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
  const bool continues = !row.runText.empty() && column == row.runColumn + row.runCells &&
                         foreground == row.runForeground && background == row.runBackground &&
                         style == row.runStyle;
  if (!continues) {
    FlushRun(row);
    row.runColumn = column;
    row.runForeground = foreground;
    row.runBackground = background;
    row.runStyle = style;
  }
  expanded_->Append(row.runText, static_cast<std::int64_t>(row.start) + column - 1, count);
  row.runCells += count;
}

void TScribLinePainter::FlushRun(Row& row) {
  if (row.runText.empty()) return;
  context_.drawer.SetStyle(row.runStyle);
  context_.drawer.TextOut(ColumnLeft(context_.view, row.runColumn), row.y, row.runText,
                          row.runForeground, row.runBackground, context_.clip);
  row.runText.clear();
  row.runCells = 0;
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
  const int first = static_cast<int>(std::min<std::int64_t>(
      std::max<std::int64_t>(static_cast<std::int64_t>(row.length) + 1, context_.firstColumn),
      INT_MAX));
  const auto [selectedFirst, selectedEnd] = row.selected;
  const int selectionFirst = std::max(first, selectedFirst);
  const int selectionEnd = std::max(selectionFirst, selectedEnd);
  FillColumns(row, first, std::min(selectionFirst, selectionEnd), colors_.background);
  FillColumns(row, selectionFirst, selectionEnd, colors_.selectedBackground);
  if (selectionEnd != INT_MAX)
    FillColumns(row, std::max(first, selectionEnd), INT_MAX, colors_.background);
}
