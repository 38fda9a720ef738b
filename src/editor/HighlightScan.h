// TScribHighlightScan: keeps the highlighter's end-of-line state of every line
// in the buffer's Ranges, computed on demand from the top down.
//
// Invariants: lines 0 .. ScannedCount() - 1 hold the highlighter's state after
// scanning them; the stored ranges of the lines below are meaningless until a
// reader asks for them (RangeOf, ScanThrough). The state at the start of line i
// is the range of line i - 1, or the reset state for line 0. So a line can be
// scanned, or painted, from its predecessor's range alone, and a large file
// costs nothing to scan until its lines are shown. Lines shown far below the
// scanned ones are painted from guessed states (ShownRangeOf), checked when
// the scan reaches them.
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
  // Drops the marks of lines first .. end - 1.
  void DropLines(int first, int end);
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
  // Lines above a shown line that a guess of its state scans.
  static constexpr int kLookBack = 2000;

  explicit TScribHighlightScan(TScribEditStringList& lines) : lines_(lines) {}

  TScribCustomHighlighter* Highlighter() const { return highlighter_; }
  // Stores the highlighter and forgets every state.
  void SetHighlighter(TScribCustomHighlighter* highlighter);

  // Lines from the top whose stored state is current.
  int ScannedCount() const { return scannedCount_; }
  // The state at the end of 0-based `index`, scanning the lines above it first
  // when needed. Without a highlighter, or outside the lines, the stored value.
  std::int32_t RangeOf(int index);
  // Makes the states of lines 0..index current. Stores them without announcing
  // a change: they are a cache of the text, which did not change. A line's
  // marks stay: they were made from the same text and start state.
  void ScanThrough(int index);
  // The state at the end of 0-based `index` for showing the lines below it.
  // Far below the scanned lines it is a guess: the state after scanning the
  // kLookBack lines above from the reset state, so that a jump to the end of
  // a long file shows at once. The scan checks the guesses as it passes them.
  std::int32_t ShownRangeOf(int index);
  // True once after guessed states were shown that the scan found wrong, or
  // that an edit made uncheckable: what was drawn from them must be drawn
  // again. Marks made from them are gone by then.
  bool TakeShownStale();
  // Scans up to `count` lines below the scanned ones, for idle time; false
  // once every line is scanned.
  bool ScanAhead(int count);
  // Forgets every state; they are scanned again when asked for.
  void ForgetRanges();
  // Scans every line from the reset state now.
  void ScanRanges();

  // Rescans from 0-based `index` until a line's stored state is unchanged or
  // the scanned lines end; returns the index of the last line scanned
  // (`index` itself when it is past them).
  int ScanFrom(int index);

  // Keep the states in step with the buffer (0-based, as its events give
  // them). Changed or inserted lines among the scanned ones are each scanned,
  // even where the state settles early, and on until it settles. Each returns
  // the last line index scanned, or -1 when nothing was.
  int LinesInserted(int index, int count);
  int LinesDeleted(int index, int count);
  int LinesPutted(int index, int count);
  void LinesCleared() { ForgetRanges(); }

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
  int ScanChangedLines(int index, int count);

  int GuessEnd() const { return guess_.first + static_cast<int>(guess_.ranges.size()); }
  // Guesses states from a reset at `first` through `index`, or goes on
  // guessing from the last guessed line when `first` is the end of the guesses.
  void GuessThrough(int first, int index);
  // Compares the scanned states of lines from..to - 1 with the guesses, and
  // settles the guesses once the scan passed them all.
  void CheckGuesses(int from, int to);
  // Forgets the guesses; `wrong` when what was shown from them may be wrong.
  void DropGuesses(bool wrong);

  TScribEditStringList& lines_;
  TScribCustomHighlighter* highlighter_ = nullptr;
  int scannedCount_ = 0;
  std::int64_t scannedLines_ = 0;
  // Guessed end states of lines first .. first + ranges.size() - 1, all below
  // the scanned lines.
  struct Guesses {
    int first = 0;
    std::vector<std::int32_t> ranges;
  };
  Guesses guess_;
  bool guessWrong_ = false;
  bool shownStale_ = false;
  mutable TScribLineMarks marks_;
};
