#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "FakeViewState.h"
#include "editor/EditorViewEvents.h"
#include "editor/HighlightScan.h"
#include "highlight/ScribHighlighterOrvane.h"

namespace {

// A C-like buffer wired to the scan and the view reactions as the editor does.
class ScannedView : public ::testing::Test {
 protected:
  void SetUp() override {
    orvane.SetComments(CommentBit(csCStyle));
    view.highlighter = &orvane;
    scan.SetHighlighter(&orvane);
    for (int i = 0; i < kLines; ++i) view.lines.Add("int x = " + std::to_string(i) + ";");
    scan.ScanRanges();
    view.lines.OnInserted = [this](auto&, int index, int count) {
      events.LinesInserted(index, count);
    };
    view.lines.OnDeleted = [this](auto&, int index, int count) {
      events.LinesDeleted(index, count);
    };
    view.lines.OnPutted = [this](auto&, int index, int count) { events.LinesPutted(index, count); };
    view.lines.OnCleared = [this](auto&) { events.LinesCleared(); };
    events.EndOfChange();
  }

  // Lines scanned by `change`.
  template <typename Change>
  std::int64_t ScannedBy(Change&& change) {
    const std::int64_t before = scan.ScannedLineCount();
    change();
    return scan.ScannedLineCount() - before;
  }

  static constexpr int kLines = 3000;
  TScribOrvane orvane;
  FakeViewState view;
  TScribHighlightScan scan{view.lines};
  TScribViewEvents events{view, scan, view.gutter};
};

TEST_F(ScannedView, OpeningAndClosingABlockCommentRescansEveryLineBelow) {
  EXPECT_EQ(ScannedBy([&] { view.lines.Put(0, "/* int x = 0;"); }), kLines);
  EXPECT_EQ(view.lines.Ranges(kLines - 1), rsCStyle);
  TScribRepaintArea area = events.EndOfChange();
  EXPECT_EQ(area.firstLine, 1);
  EXPECT_GE(area.lastLine, kLines);

  EXPECT_EQ(ScannedBy([&] { view.lines.Put(0, "int x = 0;"); }), kLines);
  EXPECT_EQ(view.lines.Ranges(kLines - 1), rsUnknown);
}

TEST_F(ScannedView, TypingInsideACommentRescansOneLine) {
  view.lines.Put(0, "/* open");
  events.EndOfChange();
  EXPECT_EQ(ScannedBy([&] { view.lines.Put(1500, "int y = 2; still comment"); }), 1);
  const TScribRepaintArea area = events.EndOfChange();
  EXPECT_EQ(area.firstLine, 1501);
  EXPECT_EQ(area.lastLine, 1501);
}

TEST_F(ScannedView, ClosingInTheMiddleRescansUntilTheStateSettles) {
  view.lines.Put(100, "/* open");
  view.lines.Put(200, "close */");
  EXPECT_EQ(view.lines.Ranges(150), rsCStyle);
  EXPECT_EQ(view.lines.Ranges(200), rsUnknown);
  // Removing the opener: lines 100..199 change back, 200 is unchanged.
  EXPECT_EQ(ScannedBy([&] { view.lines.Put(100, "int z;"); }), 101);
  EXPECT_EQ(view.lines.Ranges(150), rsUnknown);
}

TEST_F(ScannedView, InsertedLinesAreAllScanned) {
  // New lines carry no state yet, so each one is scanned, then one more to settle.
  EXPECT_EQ(ScannedBy([&] { view.lines.InsertLines(10, 3); }), 4);
  EXPECT_EQ(view.lines.Ranges(11), rsUnknown);
  EXPECT_EQ(ScannedBy([&] { view.lines.DeleteLines(10, 3); }), 1);
  const TScribRepaintArea area = events.EndOfChange();
  EXPECT_EQ(area.firstLine, 11);
  EXPECT_EQ(area.lastLine, INT_MAX);
}

TEST_F(ScannedView, DeletingACommentOpenerRescansBelow) {
  view.lines.Insert(5, "/*");
  EXPECT_EQ(view.lines.Ranges(kLines), rsCStyle);
  EXPECT_EQ(ScannedBy([&] { view.lines.Delete(5); }), kLines - 5);
  EXPECT_EQ(view.lines.Ranges(kLines - 1), rsUnknown);
}

TEST_F(ScannedView, NothingIsScannedWithoutAHighlighter) {
  scan.SetHighlighter(nullptr);
  EXPECT_EQ(ScannedBy([&] { view.lines.Put(0, "/*"); }), 0);
  EXPECT_EQ(scan.ScanFrom(0), 0);
  EXPECT_EQ(scan.LinesPutted(0, 1), -1);
}

TEST_F(ScannedView, ScanFromPastTheEndReturnsTheIndex) {
  EXPECT_EQ(scan.ScanFrom(kLines + 4), kLines + 4);
  EXPECT_EQ(scan.ScanFrom(kLines - 1), kLines - 1);
}

TEST_F(ScannedView, ScanRangesNotifiesOnce) {
  int changes = 0;
  view.lines.OnChange = [&](auto&) { ++changes; };
  view.lines.Put(0, "/*");  // one change of its own
  changes = 0;
  scan.ScanRanges();
  EXPECT_EQ(changes, 1);
}

TEST_F(ScannedView, GutterWidensAtTheThousandthLineAndRepaintsEverything) {
  view.gutter.SetShowLineNumbers(true);
  view.gutter.SetDigitCount(3);
  view.lines.Clear();
  events.EndOfChange();
  for (int i = 0; i < 999; ++i) view.lines.Add("x");
  EXPECT_EQ(view.gutter.AutoSizeDigitCount(), 3);
  EXPECT_FALSE(events.EndOfChange().everything);
  view.lines.Add("x");
  EXPECT_TRUE(events.EndOfChange().everything);
  EXPECT_EQ(view.gutter.AutoSizeDigitCount(), 4);
}

TEST_F(ScannedView, WrapRowChangeRepaintsEverythingBelow) {
  view.charsInWindow = 40;
  view.SetWordWrap(true);
  view.lines.Put(20, "int longer = 1; /* still on one row */");
  EXPECT_EQ(events.EndOfChange().lastLine, 21);
  view.lines.Put(20, std::string(100, 'a'));
  EXPECT_EQ(events.EndOfChange().lastLine, INT_MAX);
  EXPECT_EQ(view.wrap->RowCount(), kLines + 2);
}

// States read on demand after any edits equal a full scan of the same text.
TEST_F(ScannedView, StatesReadLazilyMatchAFullScan) {
  const std::vector<std::string> kinds = {"int x;", "/* open", "close */", "// c /*", "a */ /*"};
  std::mt19937 random(7);
  const auto pick = [&](int size) { return static_cast<int>(random() % std::max(size, 1)); };
  const auto text = [&] { return kinds[pick(static_cast<int>(kinds.size()))]; };
  view.lines.Clear();
  for (int i = 0; i < 300; ++i) view.lines.Add(text());
  for (int step = 0; step < 400; ++step) {
    const int count = view.lines.Count();
    switch (pick(6)) {
      case 0:
        view.lines.Insert(pick(count + 1), text());
        break;
      case 1:
        if (count > 1) view.lines.DeleteLines(pick(count), 1 + pick(3));
        break;
      case 2:
        view.lines.InsertLines(pick(count + 1), 1 + pick(20));
        break;
      case 3:
        scan.ForgetRanges();
        break;
      default:
        view.lines.Put(pick(count), text());
        break;
    }
    const int read = pick(view.lines.Count());
    const std::int32_t lazy = scan.RangeOf(read);
    TScribEditStringList copy;
    copy.AddStrings(view.lines);
    TScribHighlightScan full(copy);
    full.SetHighlighter(&orvane);
    full.ScanRanges();
    ASSERT_EQ(lazy, copy.Ranges(read)) << "step " << step << ", line " << read;
    ASSERT_LE(scan.ScannedCount(), view.lines.Count());
  }
}

}  // namespace
