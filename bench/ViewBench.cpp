// View workloads: painting a screen, rescanning after a comment opens, and
// laying out word wrap for a large file.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Bench.h"
#include "BenchView.h"
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

// A canvas that throws away everything it is given.
class DiscardingCanvas : public Canvas {
 public:
  void FillRect(const TRect&, std::uint32_t) override {}
  void DrawLine(int, int, int, int, std::uint32_t) override {}
  void SetFontStyle(unsigned) override {}
  void DrawTextCells(int, int, std::string_view, int, std::uint32_t, std::uint32_t,
                     const TRect&) override {}
};

constexpr std::size_t kHundredMegabyteLines = 1'100'000;  // about 105 MB of text

// The painter's own work for one screen (the canvas draws nothing).
double PaintScreenOf(std::string text) {
  PaintedScreen screen(std::move(text));
  DiscardingCanvas canvas;
  return screen.MedianMilliseconds(canvas);
}

double PaintScreen() {
  return PaintScreenOf(GenerateSourceText(kMillionLines, 42));
}

double PaintScreenUtf8() {
  return PaintScreenOf(GenerateMixedUtf8Text(kMillionLines, 42));
}

double RescanOpenComment() {
  ScannedDocument document(GenerateSourceText(kMillionLines, 42));
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
SCRIBANT_BENCH_FIGURE("paint_screen_utf8_ms", "ms", PaintScreenUtf8);
SCRIBANT_BENCH_FIGURE("rescan_open_comment_ms", "ms", RescanOpenComment);
SCRIBANT_BENCH_FIGURE("wrap_layout_ms", "ms", WrapLayout);
