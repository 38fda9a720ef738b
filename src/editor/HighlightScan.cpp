#include "editor/HighlightScan.h"

#include <algorithm>

#include "editor/ScribEditStringList.h"
#include "highlight/CustomHighlighter.h"

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

int TScribHighlightScan::ScanFrom(int index) {
  if (!highlighter_ || index >= lines_.Count()) return index;
  if (index < 0) index = 0;
  // One bracket for all stored states, so listeners hear of them once.
  TScribEditStringList::UpdateScope bracket(lines_);
  StartStateOf(index);
  const int last = lines_.Count() - 1;
  for (;; ++index) {
    const int range = ScanLine(index);
    if (range == lines_.Ranges(index)) return index;
    lines_.PutRange(index, range);
    if (index == last) return index;
  }
}

void TScribHighlightScan::ScanRanges() {
  if (!highlighter_) return;
  TScribEditStringList::UpdateScope bracket(lines_);
  highlighter_->ResetRange();
  for (int index = 0; index < lines_.Count(); ++index) lines_.PutRange(index, ScanLine(index));
}

int TScribHighlightScan::ScanChangedLines(int index, int count) {
  if (!Active()) return -1;
  int last = -1;
  for (int next = std::max(index, 0); next < index + count && next < lines_.Count();
       next = last + 1)
    last = ScanFrom(next);
  return last;
}
