#include "editor/ScribEditTabExpansion.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "support/Utf8.h"
#include "support/WordBytes.h"

namespace {

// Columns a TAB at `column` covers.
std::int64_t TabSpan(std::int64_t column, int tabWidth) {
  return tabWidth < 2 ? 1 : tabWidth - column % tabWidth;
}

using CharCells = TScribCharCells;

CharCells CellsOf(std::string_view line, std::size_t offset, std::int64_t column,
                  TScribCellRules rules) {
  const auto c = static_cast<unsigned char>(line[offset]);
  if (c == '\t') return {TabSpan(column, rules.tabWidth), 1};
  if (!rules.utf8 || c < 0x80) return {1, 1};
  const utf8::TCharExtent extent = utf8::ExtentAt(line, offset);
  return {extent.cells, static_cast<std::size_t>(extent.bytes)};
}

// The first byte in [from, limit) that is not a character of one cell and
// one byte, or limit.
std::size_t PlainRunEnd(std::string_view line, std::size_t from, std::size_t limit, bool utf8) {
  if (!utf8) {
    const std::size_t tab = line.substr(from, limit - from).find('\t');
    return tab == std::string_view::npos ? limit : from + tab;
  }
  std::size_t at = from;
  // Eight bytes at a time while none is a TAB or has its high bit set.
  for (; at + 8 <= limit; at += 8) {
    const std::uint64_t word = word_bytes::Load(line.data() + at);
    if (word_bytes::HasByte(word, '\t') || (word & word_bytes::kHighBits) != 0) break;
  }
  for (; at < limit; ++at) {
    const auto c = static_cast<unsigned char>(line[at]);
    if (c == '\t' || c >= 0x80) return at;
  }
  return limit;
}

// Walks `line` as runs of one-byte one-cell characters, plain(at, end), and
// the other characters one by one, other(at, cells); returns the line's width.
template <typename Plain, typename Other>
std::int64_t WalkCells(std::string_view line, TScribCellRules rules, Plain&& plain, Other&& other) {
  std::int64_t column = 0;
  for (std::size_t at = 0; at < line.size();) {
    const std::size_t runEnd = PlainRunEnd(line, at, line.size(), rules.utf8);
    plain(at, runEnd);
    column += static_cast<std::int64_t>(runEnd - at);
    at = runEnd;
    if (at == line.size()) break;
    // Characters beyond ASCII tend to come in runs.
    do {
      const CharCells c = CellsOf(line, at, column, rules);
      other(at, c);
      column += c.cells;
      at += c.bytes;
    } while (rules.utf8 && at < line.size() && static_cast<unsigned char>(line[at]) >= 0x80);
  }
  return column;
}

}  // namespace

TScribCharCells CharCellsAt(std::string_view line, std::size_t offset, std::int64_t column,
                            TScribCellRules rules) {
  return CellsOf(line, offset, column, rules);
}

std::string ExpandTabs(std::string_view line, TScribCellRules rules) {
  std::string result;
  result.reserve(line.size());
  const char filler = rules.tabWidth < 2 ? ' ' : '\t';
  WalkCells(
      line, rules,
      [&](std::size_t at, std::size_t end) { result.append(line.substr(at, end - at)); },
      [&](std::size_t at, const CharCells& c) {
        if (line[at] == '\t')
          result.append(static_cast<std::size_t>(c.cells), filler);
        else
          result.append(line.substr(at, c.bytes));
      });
  return result;
}

int ExpandedLength(std::string_view line, TScribCellRules rules) {
  std::int64_t column = 0;
  // The caret's column is measured on every key: runs of plain bytes and runs
  // beyond ASCII are measured whole, only TABs one by one.
  for (std::size_t at = 0; at < line.size();) {
    const std::size_t runEnd = PlainRunEnd(line, at, line.size(), rules.utf8);
    column += static_cast<std::int64_t>(runEnd - at);
    at = runEnd;
    if (at == line.size()) break;
    if (line[at] == '\t') {
      column += TabSpan(column, rules.tabWidth);
      ++at;
    } else {
      const utf8::TRunExtent run = utf8::NonAsciiRunAt(line, at);
      column += run.cells;
      at += run.bytes;
    }
  }
  return static_cast<int>(std::min<std::int64_t>(column, INT_MAX));
}

void TScribExpandedLine::SetAnchor(int offset, std::int64_t column) {
  anchor_ = mapping_ = reading_ = {offset, column};
}

TScribCharCells TScribExpandedLine::CharAt(const Position& at) const {
  return CellsOf(text_, static_cast<std::size_t>(at.offset), at.column, rules_);
}

int TScribExpandedLine::PlainRunEnd(int from, int limit) const {
  // Only up to the limit: a search to the end of a long line would cost the whole line.
  return static_cast<int>(::PlainRunEnd(text_, static_cast<std::size_t>(from),
                                        static_cast<std::size_t>(limit), rules_.utf8));
}

int TScribExpandedLine::PlainRunBefore(const Position& at, std::int64_t column) const {
  if (at.column >= column) return at.offset;
  // No more bytes than columns lie before `column`.
  return PlainRunEnd(
      at.offset, static_cast<int>(std::min<std::int64_t>(static_cast<std::int64_t>(text_.size()),
                                                         at.offset + (column - at.column))));
}

void TScribExpandedLine::AdvanceTo(Position& at, int offset) const {
  if (offset < at.offset) at = anchor_;
  offset = std::min(offset, static_cast<int>(text_.size()));
  while (at.offset < offset) {
    // Runs of one-cell characters move one column per byte.
    const int runEnd = PlainRunEnd(at.offset, offset);
    at.column += runEnd - at.offset;
    at.offset = runEnd;
    if (at.offset < offset) {
      const TScribCharCells c = CharAt(at);
      at.column += c.cells;
      at.offset += static_cast<int>(c.bytes);
    }
  }
}

std::int64_t TScribExpandedLine::ColumnOf(int offset) {
  AdvanceTo(mapping_, offset);
  return mapping_.column;
}

void TScribExpandedLine::Append(std::string& out, std::int64_t column, std::int64_t count) {
  if (column < reading_.column) reading_ = anchor_;
  const int size = static_cast<int>(text_.size());
  // To the character whose cells hold `column` (past zero-width ones before it).
  while (reading_.offset < size) {
    const int runEnd = PlainRunBefore(reading_, column);
    if (runEnd > reading_.offset) {
      reading_.column += runEnd - reading_.offset;
      reading_.offset = runEnd;
      continue;
    }
    const TScribCharCells c = CharAt(reading_);
    if (reading_.column + c.cells > column) break;
    reading_.column += c.cells;
    reading_.offset += static_cast<int>(c.bytes);
  }
  const std::int64_t end = column + count;
  Position at = reading_;
  bool appended = false;
  while (at.offset < size) {
    // Runs of one-cell characters go in one piece.
    const int runEnd = PlainRunBefore(at, end);
    if (runEnd > at.offset) {
      out.append(text_.substr(static_cast<std::size_t>(at.offset),
                              static_cast<std::size_t>(runEnd - at.offset)));
      at.column += runEnd - at.offset;
      at.offset = runEnd;
      appended = true;
      continue;
    }
    const auto offset = static_cast<std::size_t>(at.offset);
    const TScribCharCells c = CharAt(at);
    // A combining mark goes with the character before it.
    if (c.cells == 0 && appended)
      out.append(text_.substr(offset, c.bytes));
    else if (at.column >= end)
      break;
    const std::int64_t first = std::max(column, at.column);
    const std::int64_t last = std::min(end, at.column + c.cells);
    if (c.cells > 0) {
      if (text_[offset] == '\t')
        out.append(static_cast<std::size_t>(last - first), '\t');
      else if (last - first == c.cells)
        out.append(text_.substr(offset, c.bytes));
      else
        out.append(static_cast<std::size_t>(last - first), ' ');  // half a wide character
      appended = true;
      if (last < at.column + c.cells) break;
    }
    at.column += c.cells;
    at.offset += static_cast<int>(c.bytes);
  }
}
