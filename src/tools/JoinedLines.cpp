#include "tools/JoinedLines.h"

#include <algorithm>

namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

TJoinedLines::TJoinedLines(std::int64_t lineCount, TLineSource lineAt, std::size_t windowBytes)
    : lineCount_(lineCount),
      lineAt_(std::move(lineAt)),
      windowBytes_(std::max<std::size_t>(windowBytes, 1)) {}

void TJoinedLines::WalkTo(std::int64_t offset) {
  if (offset < lineStart_) line_ = lineStart_ = 0;
  // A line owns the break after it (the last line's break is never read).
  while (line_ < lineCount_) {
    const auto next =
        lineStart_ + static_cast<std::int64_t>(lineAt_(line_).size() + kLineBreak.size());
    if (offset < next) break;
    lineStart_ = next;
    ++line_;
  }
}

TTextWindow TJoinedLines::Window(std::int64_t offset, std::size_t minimumBytes) {
  offset = std::max<std::int64_t>(offset, 0);
  WalkTo(offset);
  const std::size_t wanted = std::max(windowBytes_, minimumBytes);
  buffer_.clear();
  auto skip = static_cast<std::size_t>(offset - lineStart_);
  // Appends what of `part` lies past `skip` and fits; false when it did not fit.
  auto take = [&](std::string_view part) {
    if (skip >= part.size()) {
      skip -= part.size();
      return true;
    }
    part.remove_prefix(skip);
    skip = 0;
    const std::size_t room = wanted - buffer_.size();
    buffer_.append(part.substr(0, room));
    return part.size() <= room;
  };
  std::int64_t line = line_;
  while (line < lineCount_ && buffer_.size() < wanted) {
    if (!take(lineAt_(line))) break;
    if (line + 1 < lineCount_ && !take(kLineBreak)) break;
    ++line;
  }
  // A full window may stop just before an empty last line: nothing follows then.
  const bool atEnd = line >= lineCount_ || (line + 1 == lineCount_ && lineAt_(line).empty());
  return {buffer_, offset, atEnd};
}
