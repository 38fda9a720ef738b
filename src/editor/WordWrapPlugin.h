// TScribWordWrapPlugin: lays out every buffer line as one or more screen rows
// no wider than the text area, and converts between buffer and display
// positions while word wrap is on.
//
// Invariants:
//  - lines are laid out from their tab-expanded text; positions passed in and
//    out count expanded columns (Char / Column, 1-based) and rows (1-based);
//  - rows_ holds, as the text of each line, one byte per row: its length;
//    so the rows of all lines in order are the store's characters, and a
//    line's first row is where its text starts;
//  - every line has at least one row, so a row count of 0 means no lines;
//  - 1 <= MinRowLength() <= MaxRowLength() <= 255.
// Rows and lines past the last laid-out line continue one row per line.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/ScribBlockStore.h"
#include "editor/ScribDisplayPos.h"

class TScribViewState;

class TScribWordWrapPlugin {
 public:
  using TCharSet = std::bitset<256>;

  // Lays out all lines of the owner at once. A null owner raises
  // std::invalid_argument "Owner of TScribWordWrapPlugin must be a TCustomScribEdit".
  explicit TScribWordWrapPlugin(const TScribViewState* owner);

  int LineCount() const { return rows_.Count(); }
  int RowCount() const { return static_cast<int>(rows_.CharCount()); }
  // First row of 1-based `line`.
  int LineToRow(int line) const;
  // The 1-based line holding 1-based `row`.
  int RowToLine(int row) const;
  // Characters in 1-based `row`; outside 1..RowCount() raises
  // std::out_of_range "List index out of bounds (%d)".
  int GetRowLength(int row) const;
  // Rows of 1-based `line` (1 past the last line).
  int RowsOfLine(int line) const;

  // Char of the buffer side is an expanded column of the line. The place just
  // after the last character of a row that is not the line's last is shown at
  // the start of the next row, or, with `atEndOfRow` (the caret reached it by
  // moving right or by End), after that character on its own row.
  TDisplayCoord BufferToDisplayPos(TBufferCoord position, bool atEndOfRow = false) const;
  TBufferCoord DisplayToBufferPos(TDisplayCoord position) const;

  // Keep the layout in step with the buffer (0-based indexes, as the buffer's
  // events give them); each returns the change in the number of rows.
  int LinesInserted(int index, int count);
  int LinesDeleted(int index, int count);
  int LinesPutted(int index, int count);

  // Takes the window width and break characters afresh and lays out all lines.
  void Reset();
  // Lays out again when the window width in characters changed.
  void DisplayChanged();

  int MaxRowLength() const { return maxRowLength_; }
  int MinRowLength() const { return minRowLength_; }
  const TCharSet& BreakChars() const { return breakChars_; }

 private:
  using TRowStore = TScribBlockStore<TScribNoExtra, 0>;

  // Rows of 0-based `lineIndex` into rowScratch_.
  void LayOutLine(int lineIndex);
  // Rows of a line given one byte per cell; `wideTails`: the line marks the
  // second cell of each wide character, which no row starts with.
  void LayOutText(std::string_view expanded, bool wideTails);
  // Lays out lines first..end-1 into one buffer and appends them as whole blocks.
  void AppendLaidOut(int first, int end);
  // Lays out lines index..index+count-1 again; returns the change in rows.
  int LayOutAgain(int index, int count);
  void TakeOwnerSettings();
  int FirstRowIndex(int lineIndex) const { return static_cast<int>(rows_.LineStart(lineIndex)); }
  // The row lengths of 0-based `lineIndex`, one byte each.
  std::string_view RowsOf(int lineIndex) const { return rows_.Text(lineIndex); }

  const TScribViewState* owner_;
  TRowStore rows_;
  std::string rowScratch_;
  std::string expandScratch_;
  int maxRowLength_ = 1;
  int minRowLength_ = 1;
  TCharSet breakChars_;
};
