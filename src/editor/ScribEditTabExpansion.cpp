#include "editor/ScribEditTabExpansion.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// Columns a TAB at `column` covers.
std::int64_t TabSpan(std::int64_t column, int tabWidth) {
  return tabWidth < 2 ? 1 : tabWidth - column % tabWidth;
}

}  // namespace

std::string ExpandTabs(std::string_view line, int tabWidth) {
  std::string result;
  result.reserve(static_cast<std::size_t>(ExpandedLength(line, tabWidth)));
  const char filler = tabWidth < 2 ? ' ' : '\t';
  for (const char c : line) {
    if (c == '\t')
      result.append(
          static_cast<std::size_t>(TabSpan(static_cast<std::int64_t>(result.size()), tabWidth)),
          filler);
    else
      result.push_back(c);
  }
  return result;
}

int ExpandedLength(std::string_view line, int tabWidth) {
  std::int64_t column = 0;
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) {
      column += static_cast<std::int64_t>(line.size() - start);
      break;
    }
    column += static_cast<std::int64_t>(tab - start);
    column += TabSpan(column, tabWidth);
    if (column >= INT_MAX) return INT_MAX;
    start = tab + 1;
  }
  return static_cast<int>(std::min<std::int64_t>(column, INT_MAX));
}

void TScribExpandedLine::SetAnchor(int offset, std::int64_t column) {
  anchor_ = mapping_ = reading_ = {offset, column};
}

std::int64_t TScribExpandedLine::Span(const Position& at) const {
  return text_[static_cast<std::size_t>(at.offset)] == '\t' ? TabSpan(at.column, tabWidth_) : 1;
}

int TScribExpandedLine::PlainRunEnd(int from, int limit) const {
  // Only up to the limit: a search to the end of a long line would cost the whole line.
  const std::string_view part =
      text_.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(limit - from));
  const std::size_t tab = part.find('\t');
  return tab == std::string_view::npos ? limit : from + static_cast<int>(tab);
}

void TScribExpandedLine::AdvanceTo(Position& at, int offset) const {
  if (offset < at.offset) at = anchor_;
  offset = std::min(offset, static_cast<int>(text_.size()));
  while (at.offset < offset) {
    // Runs without a TAB move one column per byte.
    const int runEnd = PlainRunEnd(at.offset, offset);
    at.column += runEnd - at.offset;
    at.offset = runEnd;
    if (at.offset < offset) {
      at.column += Span(at);
      ++at.offset;
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
  // To the byte whose cells hold `column`.
  while (reading_.offset < size && reading_.column + Span(reading_) <= column) {
    // No more bytes than columns lie before `column`.
    const int limit = static_cast<int>(
        std::min<std::int64_t>(size, reading_.offset + (column - reading_.column)));
    const int runEnd = PlainRunEnd(reading_.offset, limit);
    if (runEnd > reading_.offset) {
      reading_.column += runEnd - reading_.offset;
      reading_.offset = runEnd;
      continue;
    }
    reading_.column += Span(reading_);
    ++reading_.offset;
  }
  const std::int64_t end = column + count;
  Position at = reading_;
  for (std::int64_t cell = column; cell < end && at.offset < size;) {
    const char c = text_[static_cast<std::size_t>(at.offset)];
    const std::int64_t cellEnd = std::min(end, at.column + Span(at));
    out.append(static_cast<std::size_t>(cellEnd - cell), c);
    cell = cellEnd;
    if (cell == at.column + Span(at)) {
      at.column += Span(at);
      ++at.offset;
    }
  }
}
