// The editor as the painter sees it, over generated documents: shared by the
// painting figures with and without Qt.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "Bench.h"
#include "Generate.h"
#include "editor/EditorPainter.h"
#include "editor/EditorViewState.h"
#include "editor/HighlightScan.h"
#include "editor/ScribEditStringList.h"
#include "editor/ScribGutter.h"
#include "highlight/ScribHighlighterOrvane.h"
#include "platform/Canvas.h"
#include "support/OvLib.h"

// The editor as the painter sees it, with the main window's settings.
class BenchView : public TScribViewState {
 public:
  BenchView() {
    gutter.SetShowLineNumbers(true);
    gutter.SetDigitCount(3);
    gutter.SetLeftOffset(2);
    gutter.SetRightOffset(3);
  }
  TScribEditStringList& Lines() const override { return lines; }
  TScribCustomHighlighter* Highlighter() const override { return highlighter; }
  const TScribGutter& Gutter() const override { return gutter; }
  TScribWordWrapPlugin* WordWrapPlugin() const override { return nullptr; }
  int TopLine() const override { return topLine; }
  int LeftChar() const override { return 1; }
  int CharsInWindow() const override { return charsInWindow; }
  int CharWidth() const override { return 8; }
  int LineHeight() const override { return 16; }
  TBufferCoord CaretXY() const override { return {5, topLine + 3}; }
  TBufferCoord BlockBegin() const override { return {10, topLine + 2}; }
  TBufferCoord BlockEnd() const override { return {30, topLine + 7}; }
  bool SelAvail() const override { return true; }
  TScribSelectionMode ActiveSelectionMode() const override { return smNormal; }
  TColor Color() const override { return 0xFFFFFF; }
  TColor FontColor() const override { return 0; }
  TColor ActiveLineColor() const override { return 0xF0F0F0; }
  TScribSelectedColor SelectedColor() const override { return {}; }
  int RightEdge() const override { return 104; }
  TColor RightEdgeColor() const override { return 0xC0C0C0; }
  std::int32_t LineEndRange(int index) const override { return lines.Ranges(index); }

  mutable TScribEditStringList lines;
  TScribCustomHighlighter* highlighter = nullptr;
  TScribGutter gutter;
  int topLine = 1;
  int charsInWindow = 200;
};

inline constexpr std::size_t kMillionLines = 1'000'000;

// The text with its block comments turned into line comments, so that
// nothing below closes a comment opened on line 1.
inline std::string WithoutBlockComments(std::string text) {
  StringReplaceAll(text, "/* ", "// ");
  return text;
}

// A million lines of C-like source with C and C++ comments, fully scanned.
struct ScannedDocument {
  BenchView view;
  TScribOrvane orvane;
  TScribHighlightScan scan{view.lines};

  explicit ScannedDocument(std::string text) {
    orvane.SetComments(CommentBit(csCStyle) | CommentBit(csCPPStyle));
    view.highlighter = &orvane;
    view.lines.LoadFromBytes(WithoutBlockComments(std::move(text)));
    scan.SetHighlighter(&orvane);
    scan.ScanRanges();
  }
};

// A 200 x 60 screen in the middle of a scanned document.
struct PaintedScreen {
  ScannedDocument document;
  TScribEditorPainter painter{document.view};
  TRect area;

  explicit PaintedScreen(std::string text) : document(std::move(text)) {
    BenchView& view = document.view;
    view.gutter.UpdateAutoSizeDigitCount(view.lines.Count());
    view.topLine = view.lines.Count() / 2;
    area = {0, 0, painter.TextLeft() + 200 * view.CharWidth(), 60 * view.LineHeight()};
  }

  // The median time of painting the screen on `canvas`.
  double MedianMilliseconds(Canvas& canvas) {
    std::vector<double> times;
    for (int run = 0; run < 31; ++run)
      times.push_back(MillisecondsOf([&] { painter.Paint(canvas, area); }));
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
  }
};
