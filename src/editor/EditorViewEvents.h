// TScribViewEvents: the view's reactions to buffer changes. The editor routes
// the buffer's OnInserted / OnDeleted / OnPutted / OnCleared here and, at the
// end of the outermost update (OnChange), calls EndOfChange and invalidates the
// area it returns. Caret, selection, undo lists and scroll bars stay the
// editor's own business.
#pragma once

#include <climits>

class TScribViewState;
class TScribHighlightScan;
class TScribGutter;

// Lines (1-based) of text and gutter to repaint; lastLine INT_MAX means to the end.
struct TScribRepaintArea {
  bool everything = false;
  int firstLine = INT_MAX;
  int lastLine = 0;

  bool Empty() const { return !everything && firstLine > lastLine; }
  void AddLines(int first, int last);
  void AddEverything() { everything = true; }
};

class TScribViewEvents {
 public:
  TScribViewEvents(const TScribViewState& view, TScribHighlightScan& scan, TScribGutter& gutter)
      : view_(view), scan_(scan), gutter_(gutter) {}

  // 0-based indexes, as the buffer's events give them.
  void LinesInserted(int index, int count);
  void LinesDeleted(int index, int count);
  void LinesPutted(int index, int count);
  void LinesCleared();
  // Widens the gutter when the line count needs more digits; returns the
  // collected area and starts a new one.
  TScribRepaintArea EndOfChange();

  const TScribRepaintArea& PendingArea() const { return pending_; }

 private:
  const TScribViewState& view_;
  TScribHighlightScan& scan_;
  TScribGutter& gutter_;
  TScribRepaintArea pending_;
};
