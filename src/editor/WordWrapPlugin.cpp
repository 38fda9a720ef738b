#include "editor/WordWrapPlugin.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "editor/EditorViewState.h"
#include "editor/ScribBlockStoreImpl.h"
#include "editor/ScribEditStringList.h"
#include "editor/ScribEditTabExpansion.h"
#include "highlight/CustomHighlighter.h"
#include "support/CharClasses.h"
#include "support/Utf8.h"

namespace {

constexpr int kLongestRow = 255;  // row lengths are stored in one byte

// Word characters of an editor without a highlighter.
TScribWordWrapPlugin::TCharSet DefaultIdentChars() {
  TScribWordWrapPlugin::TCharSet chars;
  for (int c = 0; c <= 255; ++c) chars.set(c, IsDefaultWordChar(static_cast<unsigned char>(c)));
  return chars;
}

// In a line of UTF-8 text laid out as cells: the second cell of a wide
// character, which a row never starts with.
constexpr char kWideTail = '\x01';

// One byte per cell of a UTF-8 line: the character itself when it is ASCII
// (TABs expanded), a letter for any other, kWideTail for a wide one's second
// cell; combining marks take no cell.
std::string CellsOfUtf8Line(std::string_view text, TScribCellRules rules) {
  std::string cells;
  cells.reserve(text.size());
  const char filler = rules.tabWidth < 2 ? ' ' : '\t';
  for (std::size_t at = 0; at < text.size();) {
    const TScribCharCells c = CharCellsAt(text, at, static_cast<std::int64_t>(cells.size()), rules);
    if (text[at] == '\t')
      cells.append(static_cast<std::size_t>(c.cells), filler);
    else if (c.cells > 0)
      cells.append(1, static_cast<unsigned char>(text[at]) < 0x80 ? text[at] : 'x')
          .append(static_cast<std::size_t>(c.cells - 1), kWideTail);
    at += c.bytes;
  }
  return cells;
}

// The length of row `row` of a line whose row lengths are `rows`.
int RowLength(std::string_view rows, int row) {
  return static_cast<unsigned char>(rows[static_cast<std::size_t>(row)]);
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
  return rows_.LineOfChar(row - 1) + 1;
}

int TScribWordWrapPlugin::GetRowLength(int row) const {
  if (row < 1 || row > RowCount())
    throw std::out_of_range("List index out of bounds (" + std::to_string(row) + ")");
  const int lineIndex = rows_.LineOfChar(row - 1);
  return RowLength(RowsOf(lineIndex), row - 1 - FirstRowIndex(lineIndex));
}

int TScribWordWrapPlugin::RowsOfLine(int line) const {
  if (line < 1 || line > LineCount()) return 1;
  return static_cast<int>(RowsOf(line - 1).size());
}

TDisplayCoord TScribWordWrapPlugin::BufferToDisplayPos(TBufferCoord position,
                                                       bool atEndOfRow) const {
  if (position.Line > LineCount()) return {position.Char, RowCount() + position.Line - LineCount()};
  if (position.Line < 1) return {position.Char, position.Line};
  const std::string_view rows = RowsOf(position.Line - 1);
  const int lastRow = static_cast<int>(rows.size()) - 1;
  int row = 0;
  int column = position.Char;
  const int endOfRowAllowance = atEndOfRow ? 1 : 0;
  while (row < lastRow && column > RowLength(rows, row) + endOfRowAllowance)
    column -= RowLength(rows, row++);
  return {column, FirstRowIndex(position.Line - 1) + row + 1};
}

TBufferCoord TScribWordWrapPlugin::DisplayToBufferPos(TDisplayCoord position) const {
  if (position.Row > RowCount()) return {position.Column, LineCount() + position.Row - RowCount()};
  if (position.Row < 1) return {position.Column, position.Row};
  const int line = RowToLine(position.Row);
  const std::string_view rows = RowsOf(line - 1);
  const int row = position.Row - 1 - FirstRowIndex(line - 1);
  const bool lastRowOfLine = row == static_cast<int>(rows.size()) - 1;
  const int limit = lastRowOfLine ? maxRowLength_ + 1 : RowLength(rows, row) + 1;
  int character = std::min(position.Column, limit);
  for (int earlier = 0; earlier < row; ++earlier) character += RowLength(rows, earlier);
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
  // Rows move in blocks of the buffer's size.
  rows_.SetLimits(owner_->Lines().Options().blocks);
  constexpr int kBatchLines = 1 << 14;
  const int count = owner_->Lines().Count();
  for (int first = 0; first < count; first += kBatchLines)
    AppendLaidOut(first, std::min(count, first + kBatchLines));
}

void TScribWordWrapPlugin::AppendLaidOut(int first, int end) {
  std::string batch;
  std::vector<std::size_t> ends;
  for (int line = first; line < end; ++line) {
    LayOutLine(line);
    batch += rowScratch_;
    ends.push_back(batch.size());
  }
  std::vector<std::string_view> lineRows;
  for (std::size_t begin = 0; const std::size_t rowsEnd : ends) {
    lineRows.push_back(std::string_view(batch).substr(begin, rowsEnd - begin));
    begin = rowsEnd;
  }
  rows_.AppendPacked(lineRows);
}

void TScribWordWrapPlugin::DisplayChanged() {
  if (std::clamp(owner_->CharsInWindow(), 1, kLongestRow) != maxRowLength_) Reset();
}

void TScribWordWrapPlugin::LayOutLine(int lineIndex) {
  TScribEditStringList& lines = owner_->Lines();
  const std::string_view text = lines.Get(lineIndex);
  const TScribCellRules rules = lines.CellRules();
  if (rules.utf8 && !utf8::IsAscii(text)) {
    expandScratch_ = CellsOfUtf8Line(text, rules);
    return LayOutText(expandScratch_, true);
  }
  // Lines without tabs are laid out in place; only tabbed lines are expanded.
  if (std::memchr(text.data(), '\t', text.size()) == nullptr) return LayOutText(text, false);
  expandScratch_ = ExpandTabs(text, rules);
  LayOutText(expandScratch_, false);
}

void TScribWordWrapPlugin::LayOutText(std::string_view expanded, bool wideTails) {
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
    // A wide character stays whole on the next row.
    while (wideTails && rowEnd > begin + 1 && expanded[rowEnd] == kWideTail) --rowEnd;
    rowScratch_.push_back(static_cast<char>(rowEnd - begin));
    begin = rowEnd;
    end = begin + maxRowLength_;
  }
  rowScratch_.push_back(static_cast<char>(length - begin));
}

int TScribWordWrapPlugin::LayOutAgain(int index, int count) {
  int change = 0;
  for (int line = index; line < index + count; ++line) {
    const int oldRows = static_cast<int>(RowsOf(line).size());
    LayOutLine(line);
    rows_.Replace(line, rowScratch_);
    change += static_cast<int>(rowScratch_.size()) - oldRows;
  }
  return change;
}

int TScribWordWrapPlugin::LinesInserted(int index, int count) {
  index = std::clamp(index, 0, LineCount());
  count = std::min(count, owner_->Lines().Count() - index);
  if (count <= 0) return 0;
  rows_.InsertEmpty(index, count);
  // Empty texts stand for lines of no rows yet.
  return LayOutAgain(index, count);
}

int TScribWordWrapPlugin::LinesDeleted(int index, int count) {
  if (index < 0 || index >= LineCount()) return 0;
  count = std::min(count, LineCount() - index);
  if (count <= 0) return 0;
  const int first = FirstRowIndex(index);
  const int last = FirstRowIndex(index + count);
  rows_.Remove(index, count);
  return -(last - first);
}

int TScribWordWrapPlugin::LinesPutted(int index, int count) {
  const int first = std::max(index, 0);
  return LayOutAgain(first, std::min(index + count, LineCount()) - first);
}

template class TScribBlockStore<TScribNoExtra, 0>;
