// Tab expansion of one line. Columns count from 0 in the result. With a tab
// width of 2 or more each TAB becomes as many TAB characters as columns it
// covers up to the next tab stop, so the result keeps TABs as filler; with a
// width below 2 each TAB becomes one space.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string ExpandTabs(std::string_view line, int tabWidth);

// Length of ExpandTabs(line, tabWidth) without building it; saturates at the
// largest int instead of overflowing on absurd widths.
int ExpandedLength(std::string_view line, int tabWidth);

// The expanded form of one line read piece by piece, without building it, so
// that a long line costs only the part that is asked for. Columns are 0-based
// cells of the expanded line (64-bit: a line of many TABs may pass the int
// range); offsets are 0-based bytes of the text. Both reading positions only
// move forward from the anchor; a request behind one starts again there.
class TScribExpandedLine {
 public:
  TScribExpandedLine(std::string_view text, int tabWidth) : text_(text), tabWidth_(tabWidth) {}

  // A known pair of byte offset and column to read from instead of the line start.
  void SetAnchor(int offset, std::int64_t column);
  // The column where byte `offset` starts (the end column for the text's size).
  std::int64_t ColumnOf(int offset);
  // Appends the expanded cells [column, column + count) that exist; TAB
  // characters stand for the cells a TAB covers.
  void Append(std::string& out, std::int64_t column, std::int64_t count);

 private:
  struct Position {
    int offset = 0;
    std::int64_t column = 0;
  };
  // Moves `at` to byte `offset` (at or after it).
  void AdvanceTo(Position& at, int offset) const;
  // The first TAB in bytes [from, limit), or limit.
  int PlainRunEnd(int from, int limit) const;
  std::int64_t Span(const Position& at) const;

  std::string_view text_;
  int tabWidth_;
  Position anchor_, mapping_, reading_;
};
