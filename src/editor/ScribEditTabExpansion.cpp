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
