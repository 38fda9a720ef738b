// View workloads: painting a screen, rescanning after a comment opens, and
// laying out word wrap for a large file.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Bench.h"
#include "Generate.h"
#include "editor/EditorPainter.h"
#include "editor/EditorViewEvents.h"
#include "editor/EditorViewState.h"
#include "editor/HighlightScan.h"
#include "editor/ScribEditStringList.h"
#include "editor/ScribGutter.h"
#include "editor/WordWrapPlugin.h"
#include "highlight/ScribHighlighterOrvane.h"
#include "support/OvLib.h"

namespace {

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

// A canvas that throws away everything it is given.
class DiscardingCanvas : public Canvas {
 public:
  void FillRect(const TRect&, std::uint32_t) override {}
  void DrawLine(int, int, int, int, std::uint32_t) override {}
  void SetFontStyle(unsigned) override {}
  void DrawTextCells(int, int, std::string_view, int, std::uint32_t, std::uint32_t,
                     const TRect&) override {}
};

constexpr std::size_t kMillionLines = 1'000'000;
constexpr std::size_t kHundredMegabyteLines = 1'100'000;  // about 105 MB of text

// The generated text with its block comments turned into line comments, so
// that nothing below closes a comment opened on line 1.
std::string SourceWithoutBlockComments() {
  std::string text = GenerateSourceText(kMillionLines, 42);
  StringReplaceAll(text, "/* ", "// ");
  return text;
}

// A million lines of C-like source with C and C++ comments, fully scanned.
struct ScannedDocument {
  BenchView view;
  TScribOrvane orvane;
  TScribHighlightScan scan{view.lines};

  ScannedDocument() {
    orvane.SetComments(CommentBit(csCStyle) | CommentBit(csCPPStyle));
    view.highlighter = &orvane;
    view.lines.LoadFromBytes(SourceWithoutBlockComments());
    scan.SetHighlighter(&orvane);
    scan.ScanRanges();
  }
};

double PaintScreen() {
  ScannedDocument document;
  BenchView& view = document.view;
  view.gutter.UpdateAutoSizeDigitCount(view.lines.Count());
  view.topLine = static_cast<int>(kMillionLines / 2);

  TScribEditorPainter painter(view);
  const TRect screen{0, 0, painter.TextLeft() + 200 * view.CharWidth(), 60 * view.LineHeight()};
  DiscardingCanvas canvas;
  std::vector<double> times;
  for (int run = 0; run < 31; ++run)
    times.push_back(MillisecondsOf([&] { painter.Paint(canvas, screen); }));
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

double RescanOpenComment() {
  ScannedDocument document;
  BenchView& view = document.view;
  TScribViewEvents events(view, document.scan, view.gutter);
  view.lines.OnPutted = [&](auto&, int index, int count) { events.LinesPutted(index, count); };
  const std::string opened = "/* " + std::string(view.lines.Get(0));
  const double elapsed = MillisecondsOf([&] { view.lines.Put(0, opened); });
  if (view.lines.Ranges(view.lines.Count() - 1) != rsCStyle)
    std::fprintf(stderr, "rescan_open_comment_ms: the comment did not reach the last line\n");
  return elapsed;
}

double WrapLayout() {
  BenchView view;
  view.charsInWindow = 120;
  view.lines.LoadFromBytes(GenerateSourceText(kHundredMegabyteLines, 9));
  std::unique_ptr<TScribWordWrapPlugin> wrap;
  return MillisecondsOf([&] { wrap = std::make_unique<TScribWordWrapPlugin>(&view); });
}

}  // namespace

SCRIBANT_BENCH_FIGURE("paint_screen_ms", "ms", PaintScreen);
SCRIBANT_BENCH_FIGURE("rescan_open_comment_ms", "ms", RescanOpenComment);
SCRIBANT_BENCH_FIGURE("wrap_layout_ms", "ms", WrapLayout);
