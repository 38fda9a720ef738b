#include "editor/WordWrapPlugin.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "editor/EditorViewState.h"
#include "editor/ScribEditStringList.h"
#include "editor/ScribEditTabExpansion.h"
#include "highlight/CustomHighlighter.h"
#include "support/CharClasses.h"
#include "support/CodePage.h"

namespace {

constexpr int kLongestRow = 255;  // row lengths are stored in one byte

// Word characters of an editor without a highlighter.
TScribWordWrapPlugin::TCharSet DefaultIdentChars() {
  TScribWordWrapPlugin::TCharSet chars;
  for (int c = 0; c <= 255; ++c) chars.set(c, IsDefaultWordChar(static_cast<unsigned char>(c)));
  return chars;
}

// The row end moved back so that it does not split a double-byte character.
std::size_t KeepDoubleByteWhole(std::string_view text, std::size_t begin, std::size_t end) {
  std::size_t position = begin;
  while (position < end)
    position += codepage::IsLeadByte(static_cast<unsigned char>(text[position])) ? 2 : 1;
  return position > end ? end - 1 : end;
}

}  // namespace

TScribWordWrapPlugin::TScribWordWrapPlugin(const TScribViewState* owner) : owner_(owner) {
  if (!owner_)
    throw std::invalid_argument("Owner of TScribWordWrapPlugin must be a TCustomScribEdit");
  Reset();
}

int TScribWordWrapPlugin::LineToRow(int line) const {
  if (line > LineCount()) return RowCount() + (line - LineCount());
  if (line < 1) return line;
  return FirstRowIndex(line - 1) + 1;
}

int TScribWordWrapPlugin::RowToLine(int row) const {
  if (row > RowCount()) return LineCount() + (row - RowCount());
  if (row < 1) return row;
  return rows_.BoundaryAtOrBefore(row - 1) + 1;
}

int TScribWordWrapPlugin::GetRowLength(int row) const {
  if (row < 1 || row > RowCount())
    throw std::out_of_range("List index out of bounds (" + std::to_string(row) + ")");
  return rowLengths_[row - 1];
}

int TScribWordWrapPlugin::RowsOfLine(int line) const {
  if (line < 1 || line > LineCount()) return 1;
  return rows_.Size(line - 1);
}

TDisplayCoord TScribWordWrapPlugin::BufferToDisplayPos(TBufferCoord position,
                                                       bool atEndOfRow) const {
  if (position.Line > LineCount()) return {position.Char, RowCount() + position.Line - LineCount()};
  if (position.Line < 1) return {position.Char, position.Line};
  std::int32_t row = FirstRowIndex(position.Line - 1);
  const std::int32_t lastRow = rows_.Start(position.Line) - 1;
  int column = position.Char;
  const int endOfRowAllowance = atEndOfRow ? 1 : 0;
  while (row < lastRow && column > rowLengths_[row] + endOfRowAllowance)
    column -= rowLengths_[row++];
  return {column, row + 1};
}

TBufferCoord TScribWordWrapPlugin::DisplayToBufferPos(TDisplayCoord position) const {
  if (position.Row > RowCount()) return {position.Column, LineCount() + position.Row - RowCount()};
  if (position.Row < 1) return {position.Column, position.Row};
  const int line = RowToLine(position.Row);
  const std::int32_t firstRow = FirstRowIndex(line - 1);
  const std::int32_t row = position.Row - 1;
  const bool lastRowOfLine = row == rows_.Start(line) - 1;
  const int limit = lastRowOfLine ? maxRowLength_ + 1 : rowLengths_[row] + 1;
  int character = std::min(position.Column, limit);
  for (std::int32_t earlier = firstRow; earlier < row; ++earlier) character += rowLengths_[earlier];
  return {character, line};
}

void TScribWordWrapPlugin::TakeOwnerSettings() {
  const int chars = owner_->CharsInWindow();
  // A window too narrow for one character still gets rows of one, so layout ends.
  maxRowLength_ = std::clamp(chars, 1, kLongestRow);
  // Measured on the usable width, so that wide windows still break at blanks.
  minRowLength_ = std::max(1, maxRowLength_ - maxRowLength_ / 3);
  const TScribCustomHighlighter* highlighter = owner_->Highlighter();
  breakChars_ = ~(highlighter ? highlighter->GetIdentChars() : DefaultIdentChars());
}

void TScribWordWrapPlugin::Reset() {
  TakeOwnerSettings();
  rows_.Clear();
  rowLengths_.clear();
  const int count = owner_->Lines().Count();
  rows_.Reserve(count);
  rowLengths_.reserve(static_cast<std::size_t>(count) + count / 8);
  for (int line = 0; line < count; ++line) {
    LayOutLine(line);
    rowLengths_.insert(rowLengths_.end(), rowScratch_.begin(), rowScratch_.end());
    rows_.Append(static_cast<std::int32_t>(rowScratch_.size()));
  }
}

void TScribWordWrapPlugin::DisplayChanged() {
  if (std::clamp(owner_->CharsInWindow(), 1, kLongestRow) != maxRowLength_) Reset();
}

void TScribWordWrapPlugin::LayOutLine(int lineIndex) {
  TScribEditStringList& lines = owner_->Lines();
  const std::string_view text = lines.Get(lineIndex);
  // Lines without tabs are laid out in place; only tabbed lines are expanded.
  if (std::memchr(text.data(), '\t', text.size()) == nullptr) return LayOutText(text);
  expandScratch_ = ExpandTabs(text, lines.CellRules());
  LayOutText(expandScratch_);
}

void TScribWordWrapPlugin::LayOutText(std::string_view expanded) {
  rowScratch_.clear();
  const std::size_t length = expanded.size();
  std::size_t begin = 0;
  std::size_t end = begin + maxRowLength_;
  while (end < length) {
    std::size_t rowEnd = end;
    for (std::size_t p = end; p > begin + minRowLength_; --p) {
      if (breakChars_[static_cast<unsigned char>(expanded[p])]) {
        rowEnd = p;
        break;
      }
    }
    rowEnd = std::max(begin + 1, KeepDoubleByteWhole(expanded, begin, rowEnd));
    rowScratch_.push_back(static_cast<std::uint8_t>(rowEnd - begin));
    begin = rowEnd;
    end = begin + maxRowLength_;
  }
  rowScratch_.push_back(static_cast<std::uint8_t>(length - begin));
}

int TScribWordWrapPlugin::ReplaceRows(int lineIndex) {
  const std::int32_t first = FirstRowIndex(lineIndex);
  const int oldRows = RowsOfLine(lineIndex + 1);
  const int newRows = static_cast<int>(rowScratch_.size());
  const auto at = rowLengths_.begin() + first;
  if (newRows > oldRows)
    rowLengths_.insert(at + oldRows, newRows - oldRows, 0);
  else if (newRows < oldRows)
    rowLengths_.erase(at + newRows, at + oldRows);
  std::copy(rowScratch_.begin(), rowScratch_.end(), rowLengths_.begin() + first);
  rows_.Resize(lineIndex, newRows - oldRows);
  return newRows - oldRows;
}

int TScribWordWrapPlugin::LayOutNewLines(int index, int count) {
  std::vector<std::uint8_t> added;
  for (int k = 0; k < count; ++k) {
    LayOutLine(index + k);
    added.insert(added.end(), rowScratch_.begin(), rowScratch_.end());
    rows_.Resize(index + k, static_cast<std::int32_t>(rowScratch_.size()));
  }
  rowLengths_.insert(rowLengths_.begin() + FirstRowIndex(index), added.begin(), added.end());
  return static_cast<int>(added.size());
}

int TScribWordWrapPlugin::LinesInserted(int index, int count) {
  index = std::clamp(index, 0, LineCount());
  count = std::min(count, owner_->Lines().Count() - index);
  if (count <= 0) return 0;
  rows_.InsertEmpty(index, count);
  return LayOutNewLines(index, count);
}

int TScribWordWrapPlugin::LinesDeleted(int index, int count) {
  if (index < 0 || index >= LineCount()) return 0;
  count = std::min(count, LineCount() - index);
  if (count <= 0) return 0;
  const std::int32_t first = FirstRowIndex(index);
  const std::int32_t last = rows_.Start(index + count);
  rowLengths_.erase(rowLengths_.begin() + first, rowLengths_.begin() + last);
  rows_.Remove(index, count);
  return -(last - first);
}

int TScribWordWrapPlugin::LinesPutted(int index, int count) {
  int change = 0;
  const int end = std::min(index + count, LineCount());
  for (int line = std::max(index, 0); line < end; ++line) {
    LayOutLine(line);
    change += ReplaceRows(line);
  }
  return change;
}
