// TScribHighlightScan: keeps the highlighter's end-of-line state of every line
// in the buffer's Ranges up to date.
//
// Invariants: the stored range of line i is the highlighter's state after
// scanning line i; NullRange means never computed. The state at the start of
// line i is the range of line i - 1, or the reset state for line 0. So a line
// can be scanned, or painted, from its predecessor's range alone.
#pragma once

#include <cstdint>

class TScribEditStringList;
class TScribCustomHighlighter;

class TScribHighlightScan {
 public:
  explicit TScribHighlightScan(TScribEditStringList& lines) : lines_(lines) {}

  TScribCustomHighlighter* Highlighter() const { return highlighter_; }
  // Stores the highlighter only; the editor rescans with ScanRanges.
  void SetHighlighter(TScribCustomHighlighter* highlighter) { highlighter_ = highlighter; }

  // Scans from 0-based `index` until a line's stored state is unchanged; returns
  // the index of the last line scanned (`index` itself when it is past the end).
  int ScanFrom(int index);
  // Scans every line from the reset state.
  void ScanRanges();

  // After lines index..index+count-1 were inserted or changed (or, with count 1,
  // lines before `index` were deleted): scans every one of them, even where
  // the state settles early, and on until it settles. Returns the last line
  // index scanned, or -1 when nothing was (no highlighter, or no such line).
  int ScanChangedLines(int index, int count);

  // Lines run through the highlighter since creation.
  std::int64_t ScannedLineCount() const { return scannedLines_; }

 private:
  bool Active() const;
  // Puts the highlighter in the state at the start of 0-based `index`.
  void StartStateOf(int index);
  // Scans one line from the current state and returns its end state.
  int ScanLine(int index);

  TScribEditStringList& lines_;
  TScribCustomHighlighter* highlighter_ = nullptr;
  std::int64_t scannedLines_ = 0;
};
