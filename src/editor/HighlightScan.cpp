#include "editor/HighlightScan.h"

#include <algorithm>
#include <utility>

#include "editor/ScribEditStringList.h"
#include "highlight/CustomHighlighter.h"

void TScribHighlightScan::SetHighlighter(TScribCustomHighlighter* highlighter) {
  highlighter_ = highlighter;
  ForgetRanges();
}

void TScribHighlightScan::ForgetRanges() {
  DropGuesses(true);
  scannedCount_ = 0;
  marks_.Clear();
}

bool TScribHighlightScan::Active() const {
  return highlighter_ && lines_.Count() > 0;
}

void TScribHighlightScan::StartStateOf(int index) {
  if (index == 0)
    highlighter_->ResetRange();
  else
    highlighter_->SetRange(lines_.Ranges(index - 1));
}

int TScribHighlightScan::ScanLine(int index) {
  ++scannedLines_;
  highlighter_->SetLine(lines_.Get(index), index);
  highlighter_->NextToEol();
  return highlighter_->GetRange();
}

std::int32_t TScribHighlightScan::RangeOf(int index) {
  ScanThrough(index);
  return lines_.Ranges(index);
}

void TScribHighlightScan::ScanThrough(int index) {
  if (!Active()) return;
  index = std::min(index, lines_.Count() - 1);
  if (index < scannedCount_) return;
  const int from = scannedCount_;
  StartStateOf(scannedCount_);
  for (; scannedCount_ <= index; ++scannedCount_)
    lines_.CacheRange(scannedCount_, ScanLine(scannedCount_));
  CheckGuesses(from, scannedCount_);
}

std::int32_t TScribHighlightScan::ShownRangeOf(int index) {
  // Near the scanned lines the exact state costs no more than a guess.
  if (!Active() || index < scannedCount_ + kLookBack || index >= lines_.Count())
    return RangeOf(index);
  if (guess_.ranges.empty() || index < guess_.first || index >= GuessEnd() + kLookBack)
    GuessThrough(std::max(scannedCount_, index - kLookBack), index);
  else if (index >= GuessEnd())
    GuessThrough(GuessEnd(), index);
  return guess_.ranges[static_cast<std::size_t>(index - guess_.first)];
}

bool TScribHighlightScan::TakeShownStale() {
  return std::exchange(shownStale_, false);
}

void TScribHighlightScan::GuessThrough(int first, int index) {
  if (!guess_.ranges.empty() && first == GuessEnd()) {
    highlighter_->SetRange(guess_.ranges.back());
  } else {
    // What was shown from other guesses is never checked now.
    DropGuesses(true);
    guess_.first = first;
    highlighter_->ResetRange();
  }
  for (int line = GuessEnd(); line <= index; ++line) guess_.ranges.push_back(ScanLine(line));
}

void TScribHighlightScan::CheckGuesses(int from, int to) {
  if (guess_.ranges.empty()) return;
  const int end = std::min(to, GuessEnd());
  for (int line = std::max(from, guess_.first); line < end && !guessWrong_; ++line)
    guessWrong_ =
        lines_.Ranges(line) != guess_.ranges[static_cast<std::size_t>(line - guess_.first)];
  if (to >= GuessEnd()) DropGuesses(false);
}

void TScribHighlightScan::DropGuesses(bool wrong) {
  if (guess_.ranges.empty()) return;
  if (wrong || guessWrong_) {
    // Lines painted from the guesses may have left marks made from them.
    marks_.DropLines(guess_.first, GuessEnd() + 1);
    shownStale_ = true;
  }
  guess_.ranges.clear();
  guessWrong_ = false;
}

bool TScribHighlightScan::ScanAhead(int count) {
  if (!Active() || scannedCount_ >= lines_.Count()) return false;
  ScanThrough(scannedCount_ + count - 1);
  return scannedCount_ < lines_.Count();
}

void TScribHighlightScan::ScanRanges() {
  if (!highlighter_) return;
  // One bracket for all stored states, so listeners hear of them once.
  TScribEditStringList::UpdateScope bracket(lines_);
  ForgetRanges();
  ScanThrough(lines_.Count() - 1);
}

int TScribHighlightScan::ScanFrom(int index) {
  if (!highlighter_ || index >= scannedCount_) return index;
  if (index < 0) index = 0;
  TScribEditStringList::UpdateScope bracket(lines_);
  StartStateOf(index);
  // Below the scanned lines nothing is stored that could change.
  const int last = scannedCount_ - 1;
  for (;; ++index) {
    marks_.Drop(index);  // its text or its start state may differ now
    const int range = ScanLine(index);
    if (range == lines_.Ranges(index)) return index;
    lines_.PutRange(index, range);
    if (index == last) {
      // The next line starts from another state, and is not scanned yet.
      marks_.Drop(index + 1);
      return index;
    }
  }
}

int TScribHighlightScan::ScanChangedLines(int index, int count) {
  if (!Active()) return -1;
  int last = -1;
  const int end = std::min(index + count, scannedCount_);
  for (int next = std::max(index, 0); next < end; next = last + 1) last = ScanFrom(next);
  return last;
}

int TScribHighlightScan::LinesInserted(int index, int count) {
  DropGuesses(true);
  marks_.LinesInserted(index, count);
  marks_.Drop(index + count);  // it follows another line now
  if (index < scannedCount_) scannedCount_ += count;
  return ScanChangedLines(index, count);
}

int TScribHighlightScan::LinesDeleted(int index, int count) {
  DropGuesses(true);
  marks_.LinesDeleted(index, count);
  marks_.Drop(index);
  // The lines that follow the deleted ones start from another state now.
  if (index < scannedCount_) scannedCount_ = std::max(index, scannedCount_ - count);
  return ScanChangedLines(index, 1);
}

int TScribHighlightScan::LinesPutted(int index, int count) {
  DropGuesses(true);
  for (int changed = index; changed < index + count; ++changed) marks_.Drop(changed);
  return ScanChangedLines(index, count);
}

// --- Marks along long lines ------------------------------------------------------

const TScribLineMarks::LineEntry* TScribLineMarks::EntryOf(int line, int tabWidth) const {
  const auto found = lines_.find(line);
  return found == lines_.end() || found->second.tabWidth != tabWidth ? nullptr : &found->second;
}

const TScribLineMark* TScribLineMarks::Before(int line, int tabWidth, std::int64_t column) const {
  const LineEntry* entry = EntryOf(line, tabWidth);
  if (!entry) return nullptr;
  const auto after = std::upper_bound(
      entry->marks.begin(), entry->marks.end(), column,
      [](std::int64_t value, const TScribLineMark& mark) { return value < mark.column; });
  return after == entry->marks.begin() ? nullptr : &*(after - 1);
}

int TScribLineMarks::NextOffset(int line, int tabWidth) const {
  const LineEntry* entry = EntryOf(line, tabWidth);
  return entry && !entry->marks.empty() ? entry->marks.back().offset + kSpacing : kSpacing;
}

void TScribLineMarks::Add(int line, int tabWidth, const TScribLineMark& mark) {
  LineEntry& entry = lines_[line];
  if (entry.tabWidth != tabWidth) entry = LineEntry{tabWidth, {}};
  if (!entry.marks.empty() && mark.offset < entry.marks.back().offset + kSpacing) return;
  entry.marks.push_back(mark);
}

void TScribLineMarks::Drop(int line) {
  if (!lines_.empty()) lines_.erase(line);
}

void TScribLineMarks::Shift(int index, int delta) {
  std::map<int, LineEntry> shifted;
  for (auto& [line, entry] : lines_)
    shifted.emplace(line >= index ? line + delta : line, std::move(entry));
  lines_ = std::move(shifted);
}

void TScribLineMarks::LinesInserted(int index, int count) {
  if (!lines_.empty()) Shift(index, count);
}

void TScribLineMarks::DropLines(int first, int end) {
  lines_.erase(lines_.lower_bound(first), lines_.lower_bound(end));
}

void TScribLineMarks::LinesDeleted(int index, int count) {
  if (lines_.empty()) return;
  DropLines(index, index + count);
  Shift(index + count, -count);
}
