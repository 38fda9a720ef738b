// Tab expansion of one line: how its bytes become cells on screen. Columns
// count from 0 in the result. With a tab width of 2 or more each TAB becomes
// as many TAB characters as columns it covers up to the next tab stop, so the
// result keeps TABs as filler; with a width below 2 each TAB becomes one space.
// In code-page text every other byte is one cell; in UTF-8 text each
// character takes its cells (utf8::CellsAt): two for wide ones, none for
// combining marks, one for an invalid byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct TScribCellRules {
  // A bare tab width means code-page text.
  TScribCellRules(int tabWidth, bool utf8 = false) : tabWidth(tabWidth), utf8(utf8) {}
  int tabWidth;
  bool utf8;
};

// Cells and bytes of the character at byte `offset` of `line`, which starts
// at 0-based `column` (where a TAB reaches depends on it).
struct TScribCharCells {
  std::int64_t cells;
  std::size_t bytes;
};
TScribCharCells CharCellsAt(std::string_view line, std::size_t offset, std::int64_t column,
                            TScribCellRules rules);

// The expanded text: its characters with TAB filler, as many cells as
// ExpandedLength gives.
std::string ExpandTabs(std::string_view line, TScribCellRules rules);

// Cells of ExpandTabs(line, rules) without building it; saturates at the
// largest int instead of overflowing on absurd widths.
int ExpandedLength(std::string_view line, TScribCellRules rules);

// The expanded form of one line read piece by piece, without building it, so
// that a long line costs only the part that is asked for. Columns are 0-based
// cells of the expanded line (64-bit: a line of many TABs may pass the int
// range); offsets are 0-based bytes of the text. Both reading positions only
// move forward from the anchor; a request behind one starts again there.
class TScribExpandedLine {
 public:
  TScribExpandedLine(std::string_view text, TScribCellRules rules) : text_(text), rules_(rules) {}

  // A known pair of byte offset and column to read from instead of the line start.
  void SetAnchor(int offset, std::int64_t column);
  // The column where byte `offset` starts (the end column for the text's size).
  std::int64_t ColumnOf(int offset);
  // Appends the expanded cells [column, column + count) that exist; TAB
  // characters stand for the cells a TAB covers, a space for each cell of a
  // wide character cut by the range.
  void Append(std::string& out, std::int64_t column, std::int64_t count);

 private:
  struct Position {
    int offset = 0;
    std::int64_t column = 0;
  };
  // Moves `at` to byte `offset` (at or after it).
  void AdvanceTo(Position& at, int offset) const;
  // The first byte in [from, limit) that is not one cell (a TAB, or a
  // non-ASCII byte of UTF-8 text), or limit.
  int PlainRunEnd(int from, int limit) const;
  // PlainRunEnd from `at`, stopping at `column`.
  int PlainRunBefore(const Position& at, std::int64_t column) const;
  // Cells and bytes of the character at `at`.
  TScribCharCells CharAt(const Position& at) const;

  std::string_view text_;
  TScribCellRules rules_;
  Position anchor_, mapping_, reading_;
};
