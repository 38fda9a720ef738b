// TScribStepPartition: a sequence of parts with sizes, kept as the positions
// where the parts start (lines of a buffer block, rows of a wrapped line).
//
// Invariants:
//  - there are PartCount() + 1 boundaries; Start(0) == 0 and
//    Start(k + 1) - Start(k) is the size of part k; Start(PartCount()) is the total;
//  - boundaries above stepPart_ still lack stepDelta_: a change of one part's
//    size is remembered as that pending step and applied lazily, so changes
//    near each other cost O(1) and a lookup stays a binary search;
//  - sizes are never negative, so the boundaries never decrease.
#pragma once

#include <cstddef>
#include <vector>

template <typename T>
class TScribStepPartition {
 public:
  TScribStepPartition() { Clear(); }

  int PartCount() const { return static_cast<int>(starts_.size()) - 1; }
  // Position where `part` starts, 0 <= part <= PartCount().
  T Start(int part) const {
    const T stored = starts_[static_cast<std::size_t>(part)];
    return part > stepPart_ ? stored + stepDelta_ : stored;
  }
  T Size(int part) const { return Start(part + 1) - Start(part); }
  T Total() const { return Start(PartCount()); }
  // The largest boundary k (0..PartCount()) with Start(k) <= position; 0
  // below the start. Of parts of size 0 the last one wins.
  int BoundaryAtOrBefore(T position) const {
    int low = 0;
    int high = PartCount();
    while (low < high) {
      const int middle = low + (high - low + 1) / 2;
      if (Start(middle) <= position)
        low = middle;
      else
        high = middle - 1;
    }
    return low;
  }

  void Clear() {
    starts_.assign(1, T{});
    stepPart_ = 0;
    stepDelta_ = T{};
  }
  void Reserve(int partCount) { starts_.reserve(static_cast<std::size_t>(partCount) + 1); }
  void Append(T size) {
    // The new boundary lies above the step, so it is stored without the pending delta.
    starts_.push_back(Total() + size - stepDelta_);
  }
  // `count` parts of size 0 before `part` (0 <= part <= PartCount()).
  void InsertEmpty(int part, int count) {
    if (count <= 0) return;
    const T start = Start(part);
    // New boundaries are stored exact at or below the step, without the delta above it.
    const T stored = part >= stepPart_ ? start - stepDelta_ : start;
    starts_.insert(starts_.begin() + part + 1, static_cast<std::size_t>(count), stored);
    if (stepPart_ > part) stepPart_ += count;
  }
  // Parts part .. part + count - 1, all existing.
  void Remove(int part, int count) {
    if (count <= 0) return;
    const T removed = Start(part + count) - Start(part);
    starts_.erase(starts_.begin() + part + 1, starts_.begin() + part + count + 1);
    if (stepPart_ >= part + count)
      stepPart_ -= count;
    else if (stepPart_ > part)
      stepPart_ = part;
    DropEmptyStep();
    ShiftAbove(part, -removed);
  }
  // Part `part` grows by `delta` (shrinks when negative).
  void Resize(int part, T delta) { ShiftAbove(part, delta); }

 private:
  int Last() const { return PartCount(); }

  // Boundaries above `boundary` move by `delta`.
  void ShiftAbove(int boundary, T delta) {
    if (delta == T{} || boundary >= Last()) return;
    if (stepDelta_ == T{}) {
      stepPart_ = boundary;
    } else if (boundary >= stepPart_) {
      ApplyStepThrough(boundary);
    } else if (stepPart_ - boundary <= Last() - stepPart_) {
      BackStepTo(boundary);
    } else {
      // Moving the step far back costs more than settling it everywhere.
      ApplyStepThrough(Last());
      stepDelta_ = T{};
      stepPart_ = boundary;
    }
    stepDelta_ += delta;
    DropEmptyStep();
  }
  // Makes the boundaries up to `boundary` exact.
  void ApplyStepThrough(int boundary) {
    for (int i = stepPart_ + 1; i <= boundary; ++i)
      starts_[static_cast<std::size_t>(i)] += stepDelta_;
    stepPart_ = boundary;
  }
  // Makes the boundaries above `boundary` pending again.
  void BackStepTo(int boundary) {
    for (int i = boundary + 1; i <= stepPart_; ++i)
      starts_[static_cast<std::size_t>(i)] -= stepDelta_;
    stepPart_ = boundary;
  }
  void DropEmptyStep() {
    if (stepPart_ >= Last() || stepDelta_ == T{}) {
      stepPart_ = Last();
      stepDelta_ = T{};
    }
  }

  std::vector<T> starts_;
  int stepPart_ = 0;
  T stepDelta_{};
};
