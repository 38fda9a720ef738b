#include "editor/WordWrapRowPartition.h"

#include <algorithm>

int TScribRowPartition::LineOfRow(std::int32_t row) const {
  // First line whose cumulative count exceeds the row.
  int low = 0, high = Count();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (RowsThrough(middle) > row)
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}

void TScribRowPartition::Clear() {
  raw_.clear();
  stepFrom_ = 0;
  stepDelta_ = 0;
}

void TScribRowPartition::Append(std::int32_t rows) {
  const std::int32_t value = TotalRows() + rows;
  raw_.push_back(Count() >= stepFrom_ ? value - stepDelta_ : value);
}

void TScribRowPartition::MoveStepTo(int line) {
  if (stepDelta_ == 0) {
    stepFrom_ = line;
    return;
  }
  if (line > stepFrom_) {
    for (int i = stepFrom_; i < line; ++i) raw_[i] += stepDelta_;
  } else {
    for (int i = line; i < stepFrom_; ++i) raw_[i] -= stepDelta_;
  }
  stepFrom_ = line;
  if (stepFrom_ >= Count()) {
    // Nothing is left under the step: forget it.
    stepFrom_ = Count();
    stepDelta_ = 0;
  }
}

void TScribRowPartition::AddRows(int line, std::int32_t delta) {
  if (delta == 0 || line >= Count()) return;
  MoveStepTo(line);
  stepDelta_ += delta;
}

void TScribRowPartition::InsertEmpty(int line, int count) {
  if (count <= 0) return;
  const std::int32_t before = RowsThrough(line - 1);
  if (line <= stepFrom_) {
    raw_.insert(raw_.begin() + line, count, before);
    stepFrom_ += count;
  } else {
    raw_.insert(raw_.begin() + line, count, before - stepDelta_);
  }
}

void TScribRowPartition::Remove(int line, int count) {
  count = std::min(count, Count() - line);
  if (count <= 0) return;
  const std::int32_t removedRows = RowsThrough(line + count - 1) - RowsThrough(line - 1);
  // Later lines lose the removed rows; then the entries themselves go.
  AddRows(line + count, -removedRows);
  if (stepFrom_ > line) stepFrom_ = std::max(line, stepFrom_ - count);
  raw_.erase(raw_.begin() + line, raw_.begin() + line + count);
  if (stepFrom_ >= Count()) {
    stepFrom_ = Count();
    stepDelta_ = 0;
  }
}
