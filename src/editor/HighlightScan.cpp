#include "editor/HighlightScan.h"

#include <algorithm>

#include "editor/ScribEditStringList.h"
#include "highlight/CustomHighlighter.h"

void TScribHighlightScan::SetHighlighter(TScribCustomHighlighter* highlighter) {
  highlighter_ = highlighter;
  ForgetRanges();
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
  StartStateOf(scannedCount_);
  for (; scannedCount_ <= index; ++scannedCount_)
    lines_.CacheRange(scannedCount_, ScanLine(scannedCount_));
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
    const int range = ScanLine(index);
    if (range == lines_.Ranges(index)) return index;
    lines_.PutRange(index, range);
    if (index == last) return index;
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
  if (index < scannedCount_) scannedCount_ += count;
  return ScanChangedLines(index, count);
}

int TScribHighlightScan::LinesDeleted(int index, int count) {
  // The lines that follow the deleted ones start from another state now.
  if (index < scannedCount_) scannedCount_ = std::max(index, scannedCount_ - count);
  return ScanChangedLines(index, 1);
}

int TScribHighlightScan::LinesPutted(int index, int count) {
  return ScanChangedLines(index, count);
}
