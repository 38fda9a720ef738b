// Conversions between buffer positions and display positions.
//
// A buffer position counts characters of a line (1-based Char); a display
// position counts tab-expanded cells (1-based Column) and screen rows (Row, the
// line itself unless word wrap splits lines into several rows). Positions
// beyond the end of a line count one column per character. In UTF-8 text a
// character is its bytes, and takes the cells TScribCellRules gives it.
#pragma once

#include <string_view>

#include "editor/ScribEditTabExpansion.h"
#include "editor/ScribEditTypes.h"

class TScribEditStringList;
class TScribWordWrapPlugin;

// 1-based expanded column of 1-based character `charIndex` of `line`.
int CharToColumn(std::string_view line, int charIndex, TScribCellRules rules);
// 1-based character whose expanded cells cover 1-based `column` of `line`.
int ColumnToChar(std::string_view line, int column, TScribCellRules rules);

// With `wrap` null rows are lines. `atEndOfRow`: the caret-at-end-of-row flag
// (see TScribWordWrapPlugin::BufferToDisplayPos).
TDisplayCoord BufferToDisplayPos(TScribEditStringList& lines, const TScribWordWrapPlugin* wrap,
                                 TBufferCoord position, bool atEndOfRow = false);
TBufferCoord DisplayToBufferPos(TScribEditStringList& lines, const TScribWordWrapPlugin* wrap,
                                TDisplayCoord position);

// Rows and lines of the view, 1-based; without word wrap (`wrap` null) rows are lines.
int ViewRowCount(const TScribEditStringList& lines, const TScribWordWrapPlugin* wrap);
int ViewLineToRow(const TScribWordWrapPlugin* wrap, int line);
int ViewLastRowOfLine(const TScribWordWrapPlugin* wrap, int line);
int ViewRowToLine(const TScribWordWrapPlugin* wrap, int row);
