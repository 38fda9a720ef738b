// Character offsets of line starts in the joined text, where every line break
// counts two characters (CR LF), whatever the file's own breaks are.
//
// Invariants:
//  - there is one entry per line plus one closing entry, so Start(i + 1) -
//    Start(i) == length of line i + 2 and Start(0) == 0;
//  - entries above stepLine_ still lack stepDelta_: a change of one line's
//    length is remembered as that pending step and applied lazily, so typing
//    costs O(1) here and a lookup stays a binary search.
#pragma once

#include <cstdint>
#include <vector>

class TScribLineStarts {
 public:
  TScribLineStarts() { Clear(); }

  int LineCount() const { return static_cast<int>(starts_.size()) - 1; }
  // Offset of the start of `lineIndex`, 0 <= lineIndex <= LineCount();
  // LineCount() gives the end of the text plus one line break.
  std::int64_t Start(int lineIndex) const {
    const auto stored = starts_[static_cast<std::size_t>(lineIndex)];
    return lineIndex > stepLine_ ? stored + stepDelta_ : stored;
  }
  // Length of the joined text (0 without lines).
  std::int64_t CharCount() const { return LineCount() == 0 ? 0 : Start(LineCount()) - 2; }
  // The line holding `charIndex` (a line owns its break); clamped to the lines,
  // 0 without lines.
  int LineOf(std::int64_t charIndex) const;

  void Clear();
  void Reserve(int lineCount) { starts_.reserve(static_cast<std::size_t>(lineCount) + 1); }
  void Append(std::int64_t lineLength);
  // `count` empty lines at `lineIndex` (0 <= lineIndex <= LineCount()).
  void InsertEmpty(int lineIndex, int count);
  // Lines lineIndex .. lineIndex + count - 1, all existing.
  void Remove(int lineIndex, int count);
  void ChangeLength(int lineIndex, std::int64_t delta) { ShiftAfter(lineIndex, delta); }

 private:
  int LastEntry() const { return LineCount(); }
  // Entries above `entry` move by `delta`.
  void ShiftAfter(int entry, std::int64_t delta);
  // Makes the entries up to `entry` exact.
  void ApplyStepThrough(int entry);
  // Makes the entries above `entry` pending again.
  void BackStepTo(int entry);
  void DropEmptyStep();

  std::vector<std::int64_t> starts_;
  int stepLine_ = 0;
  std::int64_t stepDelta_ = 0;
};
