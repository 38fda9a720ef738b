// TScribHighlightScan: keeps the highlighter's end-of-line state of every line
// in the buffer's Ranges up to date.
//
// Invariants: the stored range of line i is the highlighter's state after
// scanning line i; NullRange means never computed. The state at the start of
// line i is the range of line i - 1, or the reset state for line 0. So a line
// can be scanned, or painted, from its predecessor's range alone.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

class TScribEditStringList;
class TScribCustomHighlighter;

// A token boundary inside a line and the highlighter's state there.
struct TScribLineMark {
  int offset;           // 0-based byte of the line
  std::int64_t column;  // 0-based expanded column of that byte
  int range;            // the state a scan resumed there starts in
};

// Highlighter states kept along long lines, so that painting the visible part
// of a long line resumes near it instead of scanning from the line start.
// Invariants: the marks of a line ascend, lie kSpacing bytes or more apart and
// were passed by a scan of the line's current text from its current start
// state with the tab width they are kept for; any change of the line, of its
// start state or of the highlighter drops them.
class TScribLineMarks {
 public:
  static constexpr int kSpacing = 1 << 14;

  // The last mark of 0-based `line` at or before `column`, or null.
  const TScribLineMark* Before(int line, int tabWidth, std::int64_t column) const;
  // Where a scan past `offset` should leave its next mark.
  int NextOffset(int line, int tabWidth) const;
  void Add(int line, int tabWidth, const TScribLineMark& mark);

  void Drop(int line);
  void LinesInserted(int index, int count);
  void LinesDeleted(int index, int count);
  void Clear() { lines_.clear(); }

 private:
  struct LineEntry {
    int tabWidth = 0;
    std::vector<TScribLineMark> marks;
  };
  const LineEntry* EntryOf(int line, int tabWidth) const;
  // Moves the entries of lines from `index` on by `delta` lines.
  void Shift(int index, int delta);

  std::map<int, LineEntry> lines_;
};

class TScribHighlightScan {
 public:
  explicit TScribHighlightScan(TScribEditStringList& lines) : lines_(lines) {}

  TScribCustomHighlighter* Highlighter() const { return highlighter_; }
  // Stores the highlighter only; the editor rescans with ScanRanges.
  void SetHighlighter(TScribCustomHighlighter* highlighter) {
    highlighter_ = highlighter;
    marks_.Clear();
  }

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

  // A cache beside the stored states: painting fills it, changes empty it.
  TScribLineMarks& Marks() const { return marks_; }

 private:
  bool Active() const;
  // Puts the highlighter in the state at the start of 0-based `index`.
  void StartStateOf(int index);
  // Scans one line from the current state and returns its end state.
  int ScanLine(int index);

  TScribEditStringList& lines_;
  TScribCustomHighlighter* highlighter_ = nullptr;
  std::int64_t scannedLines_ = 0;
  mutable TScribLineMarks marks_;
};
