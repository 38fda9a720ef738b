#include "editor/ScribDisplayPos.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "editor/ScribEditStringList.h"
#include "editor/ScribEditTabExpansion.h"
#include "editor/WordWrapPlugin.h"

namespace {

// Columns of lines whose tabs expand past the int range stop at its end.
int SaturatedColumn(std::int64_t column) {
  return static_cast<int>(std::min<std::int64_t>(column, INT_MAX));
}

}  // namespace

int CharToColumn(std::string_view line, int charIndex, TScribCellRules rules) {
  if (charIndex < 1) return charIndex;
  const std::size_t inLine = std::min<std::size_t>(line.size(), charIndex - 1);
  const std::int64_t beyond = charIndex - 1 - static_cast<std::int64_t>(inLine);
  return SaturatedColumn(ExpandedLength(line.substr(0, inLine), rules) + beyond + 1);
}

int ColumnToChar(std::string_view line, int column, TScribCellRules rules) {
  if (column < 1) return column;
  std::int64_t cellsBefore = 0;  // expanded cells of the characters before `index`
  for (std::size_t index = 0; index < line.size();) {
    const TScribCharCells c = CharCellsAt(line, index, cellsBefore, rules);
    // A zero-width character shares the cell of the one before it.
    if (c.cells > 0 && column <= cellsBefore + c.cells) return static_cast<int>(index) + 1;
    cellsBefore += c.cells;
    index += c.bytes;
  }
  return SaturatedColumn(static_cast<std::int64_t>(line.size()) + column - cellsBefore);
}

TDisplayCoord BufferToDisplayPos(TScribEditStringList& lines, const TScribWordWrapPlugin* wrap,
                                 TBufferCoord position, bool atEndOfRow) {
  const int column = CharToColumn(lines.Get(position.Line - 1), position.Char, lines.CellRules());
  if (!wrap) return {column, position.Line};
  return wrap->BufferToDisplayPos({column, position.Line}, atEndOfRow);
}

TBufferCoord DisplayToBufferPos(TScribEditStringList& lines, const TScribWordWrapPlugin* wrap,
                                TDisplayCoord position) {
  TBufferCoord expanded{position.Column, position.Row};
  if (wrap) expanded = wrap->DisplayToBufferPos(position);
  const std::string_view text = lines.Get(expanded.Line - 1);
  return {ColumnToChar(text, expanded.Char, lines.CellRules()), expanded.Line};
}

int ViewRowCount(const TScribEditStringList& lines, const TScribWordWrapPlugin* wrap) {
  return wrap ? wrap->RowCount() : lines.Count();
}

int ViewLineToRow(const TScribWordWrapPlugin* wrap, int line) {
  return wrap ? wrap->LineToRow(line) : line;
}

int ViewLastRowOfLine(const TScribWordWrapPlugin* wrap, int line) {
  return wrap ? wrap->LineToRow(line) + wrap->RowsOfLine(line) - 1 : line;
}

int ViewRowToLine(const TScribWordWrapPlugin* wrap, int row) {
  return wrap ? wrap->RowToLine(row) : row;
}
