// The editor with its view parts on a generated 1 000 000-line document:
// typing with the configurable highlighter and word wrap on, where each key
// must cost one line scan, one line's layout and one repaint strip.
#include <cstdio>
#include <memory>

#include "Bench.h"
#include "Generate.h"
#include "editor/CustomScribEdit.h"
#include "highlight/ScribHighlighterOrvane.h"

namespace {

constexpr int kLineCount = 1000000;
constexpr int kTypedChars = 10000;

double TypeCharHighlightedWrappedMicroseconds() {
  TScribOrvane orvane;
  orvane.SetComments(CommentBit(csCStyle) | CommentBit(csCPPStyle));
  auto edit = std::make_unique<TCustomScribEdit>();
  edit->SetOptions(OptionBit(eoAutoIndent) | OptionBit(eoGroupUndo) | OptionBit(eoScrollPastEol));
  edit->SetCharsInWindow(60);
  edit->SetText(GenerateSourceText(kLineCount, 20261208));
  edit->SetHighlighter(&orvane);
  edit->SetWordWrap(true);
  edit->SetCaretXY({10, kLineCount / 2});
  long long strips = 0, toTheEnd = 0;  // a row count change repaints all lines below
  edit->OnInvalidate = [&](TCustomScribEdit&, int, int last) { ++(last < 0 ? toTheEnd : strips); };
  const std::int64_t scannedBefore = edit->ScannedLineCount();
  const double milliseconds = MillisecondsOf([&] {
    for (int i = 0; i < kTypedChars; ++i)
      edit->CommandProcessor(ecChar, static_cast<char>('a' + i % 26), nullptr);
  });
  std::fprintf(stderr, "# %d keys: %lld lines scanned, %lld line repaints, %lld to the end\n",
               kTypedChars, static_cast<long long>(edit->ScannedLineCount() - scannedBefore),
               strips, toTheEnd);
  edit->SetHighlighter(nullptr);
  return milliseconds * 1000.0 / kTypedChars;
}

}  // namespace

SCRIBANT_BENCH_FIGURE("type_char_wrapped_us", "us", TypeCharHighlightedWrappedMicroseconds);
