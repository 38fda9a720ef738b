// TScribRowPartition: cumulative row counts per line for the word-wrap layout.
//
// Entry i holds the number of rows of lines 0..i together (a partition of the
// rows into lines). A change of one line's row count shifts every later entry;
// rather than touching them all, the shift is remembered as one pending step
// (delta `stepDelta_` for entries from `stepFrom_` on) and only moved when a
// later change lands elsewhere. Edits near each other stay cheap, and the
// stored values stay sorted, so row -> line is a binary search.
//
// Invariants: value(i) = raw_[i] + (i >= stepFrom_ ? stepDelta_ : 0);
// values never decrease; stepFrom_ <= Count().
#pragma once

#include <cstdint>
#include <vector>

class TScribRowPartition {
 public:
  int Count() const { return static_cast<int>(raw_.size()); }
  // Rows of lines 0..line together; 0 for line -1.
  std::int32_t RowsThrough(int line) const {
    if (line < 0) return 0;
    return raw_[line] + (line >= stepFrom_ ? stepDelta_ : 0);
  }
  std::int32_t TotalRows() const { return RowsThrough(Count() - 1); }
  // The 0-based line holding 0-based `row`; Count() when the row is past the end.
  int LineOfRow(std::int32_t row) const;

  void Clear();
  void Reserve(int lines) { raw_.reserve(lines); }
  // Appends a line of `rows` rows after the last one.
  void Append(std::int32_t rows);
  // Inserts `count` lines of zero rows before `line`.
  void InsertEmpty(int line, int count);
  // Removes lines line..line+count-1 together with their rows.
  void Remove(int line, int count);
  // Adds `delta` rows to `line` (and so to every entry from it on).
  void AddRows(int line, std::int32_t delta);

 private:
  // Makes the step start at `line` without changing any value.
  void MoveStepTo(int line);

  std::vector<std::int32_t> raw_;
  int stepFrom_ = 0;
  std::int32_t stepDelta_ = 0;
};
