#include "editor/ScribLineStarts.h"

int TScribLineStarts::LineOf(std::int64_t charIndex) const {
  // Largest line whose start is <= charIndex.
  int low = 0;
  int high = LineCount() - 1;
  while (low < high) {
    const int middle = low + (high - low + 1) / 2;
    if (Start(middle) <= charIndex)
      low = middle;
    else
      high = middle - 1;
  }
  return low < 0 ? 0 : low;
}

void TScribLineStarts::Clear() {
  starts_.assign(1, 0);
  stepLine_ = 0;
  stepDelta_ = 0;
}

void TScribLineStarts::Append(std::int64_t lineLength) {
  // The new entry lies above the step, so it is stored without the pending delta.
  const std::int64_t start = Start(LastEntry()) + lineLength + 2;
  starts_.push_back(start - stepDelta_);
}

void TScribLineStarts::InsertEmpty(int lineIndex, int count) {
  if (count <= 0) return;
  const std::int64_t start = Start(lineIndex);
  // New entries go above entry `lineIndex`; stored exact below the step and
  // without the pending delta above it.
  const std::int64_t bias = lineIndex >= stepLine_ ? stepDelta_ : 0;
  std::vector<std::int64_t> added(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) added[static_cast<std::size_t>(i)] = start + 2 * (i + 1) - bias;
  starts_.insert(starts_.begin() + lineIndex + 1, added.begin(), added.end());
  if (stepLine_ > lineIndex) stepLine_ += count;
  ShiftAfter(lineIndex + count, 2 * static_cast<std::int64_t>(count));
}

void TScribLineStarts::Remove(int lineIndex, int count) {
  if (count <= 0) return;
  const std::int64_t removed = Start(lineIndex + count) - Start(lineIndex);
  starts_.erase(starts_.begin() + lineIndex + 1, starts_.begin() + lineIndex + count + 1);
  if (stepLine_ >= lineIndex + count)
    stepLine_ -= count;
  else if (stepLine_ > lineIndex)
    stepLine_ = lineIndex;
  DropEmptyStep();
  ShiftAfter(lineIndex, -removed);
}

void TScribLineStarts::ShiftAfter(int entry, std::int64_t delta) {
  if (delta == 0 || entry >= LastEntry()) return;
  if (stepDelta_ == 0) {
    stepLine_ = entry;
  } else if (entry >= stepLine_) {
    ApplyStepThrough(entry);
  } else if (stepLine_ - entry <= LastEntry() - stepLine_) {
    BackStepTo(entry);
  } else {
    // Moving the step far back costs more than settling it everywhere.
    ApplyStepThrough(LastEntry());
    stepDelta_ = 0;
    stepLine_ = entry;
  }
  stepDelta_ += delta;
  DropEmptyStep();
}

void TScribLineStarts::ApplyStepThrough(int entry) {
  for (int i = stepLine_ + 1; i <= entry; ++i) starts_[static_cast<std::size_t>(i)] += stepDelta_;
  stepLine_ = entry;
}

void TScribLineStarts::BackStepTo(int entry) {
  for (int i = entry + 1; i <= stepLine_; ++i) starts_[static_cast<std::size_t>(i)] -= stepDelta_;
  stepLine_ = entry;
}

void TScribLineStarts::DropEmptyStep() {
  if (stepLine_ >= LastEntry() || stepDelta_ == 0) {
    stepLine_ = LastEntry();
    stepDelta_ = 0;
  }
}
