#include "editor/EditorViewEvents.h"

#include <algorithm>

#include "editor/EditorViewState.h"
#include "editor/HighlightScan.h"
#include "editor/ScribEditStringList.h"
#include "editor/ScribGutter.h"
#include "editor/WordWrapPlugin.h"

void TScribRepaintArea::AddLines(int first, int last) {
  firstLine = std::min(firstLine, first);
  lastLine = std::max(lastLine, last);
}

void TScribViewEvents::LinesInserted(int index, int count) {
  scan_.LinesInserted(index, count);
  if (TScribWordWrapPlugin* wrap = view_.WordWrapPlugin()) wrap->LinesInserted(index, count);
  pending_.AddLines(index + 1, INT_MAX);
}

void TScribViewEvents::LinesDeleted(int index, int count) {
  scan_.LinesDeleted(index, count);
  if (TScribWordWrapPlugin* wrap = view_.WordWrapPlugin()) wrap->LinesDeleted(index, count);
  pending_.AddLines(index + 1, INT_MAX);
}

void TScribViewEvents::LinesPutted(int index, int count) {
  int lastLine = index + count;  // 1-based number of the last changed line
  if (TScribWordWrapPlugin* wrap = view_.WordWrapPlugin()) {
    // Rows moved: every line below is drawn elsewhere now.
    if (wrap->LinesPutted(index, count) != 0) lastLine = INT_MAX;
  }
  // Every changed line is scanned, even where the state settles before it.
  const int lastScanned = scan_.LinesPutted(index, count);
  if (lastScanned >= 0) lastLine = std::max(lastLine, lastScanned + 1);
  pending_.AddLines(index + 1, lastLine);
}

void TScribViewEvents::LinesCleared() {
  scan_.LinesCleared();
  if (TScribWordWrapPlugin* wrap = view_.WordWrapPlugin()) wrap->Reset();
  pending_.AddEverything();
}

TScribRepaintArea TScribViewEvents::EndOfChange() {
  if (gutter_.ShowLineNumbers() && gutter_.AutoSize() &&
      gutter_.UpdateAutoSizeDigitCount(view_.Lines().Count()))
    pending_.AddEverything();
  TScribRepaintArea area = pending_;
  pending_ = TScribRepaintArea();
  return area;
}
