#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "FakeViewState.h"
#include "editor/WordWrapPlugin.h"

namespace {

std::vector<int> RowLengthsOf(const TScribWordWrapPlugin& wrap) {
  std::vector<int> lengths;
  for (int row = 1; row <= wrap.RowCount(); ++row) lengths.push_back(wrap.GetRowLength(row));
  return lengths;
}

// Rows of one expanded line, worked out directly: a row longer than the window
// ends before the last blank, TAB or '-' that leaves more than two thirds of
// the window in it, else at the window width.
std::vector<int> NaiveRows(const std::string& expanded, int width) {
  const int shortest = width - width / 3;
  std::vector<int> rows;
  std::size_t begin = 0;
  while (expanded.size() - begin > static_cast<std::size_t>(width)) {
    int length = width;
    for (int candidate = width; candidate > shortest; --candidate) {
      const char c = expanded[begin + candidate];
      if (c == ' ' || c == '\t' || c == '-') {
        length = candidate;
        break;
      }
    }
    rows.push_back(length);
    begin += length;
  }
  rows.push_back(static_cast<int>(expanded.size() - begin));
  return rows;
}

// A view whose buffer events keep its wrap layout in step, as the editor does.
struct WrappedView : FakeViewState {
  explicit WrappedView(int width, TScribBufferOptions options = {}) : FakeViewState(options) {
    charsInWindow = width;
    SetWordWrap(true);
    lines.OnInserted = [this](auto&, int index, int count) { wrap->LinesInserted(index, count); };
    lines.OnDeleted = [this](auto&, int index, int count) { wrap->LinesDeleted(index, count); };
    lines.OnPutted = [this](auto&, int index, int count) { wrap->LinesPutted(index, count); };
    lines.OnCleared = [this](auto&) { wrap->Reset(); };
  }
};

TEST(WordWrapPlugin, LongWordIsCutAtTheWindowWidth) {
  WrappedView view(80);
  view.lines.Add(std::string(100, 'x'));
  view.lines.Add(std::string(160, 'y'));  // an exact multiple ends with its last full row
  EXPECT_EQ(RowLengthsOf(*view.wrap), (std::vector<int>{80, 20, 80, 80}));
  EXPECT_EQ(view.wrap->MinRowLength(), 54);
}

TEST(WordWrapPlugin, WordsBreakAtTheLastBlankPastTwoThirds) {
  WrappedView view(80);
  // The blank starts the next row.
  view.lines.Add(std::string(60, 'a') + ' ' + std::string(50, 'b'));
  // A blank at the two-thirds mark itself is too early: a hard cut instead.
  view.lines.Add(std::string(54, 'a') + ' ' + std::string(60, 'b'));
  view.lines.Add(std::string(55, 'a') + ' ' + std::string(60, 'b'));
  EXPECT_EQ(RowLengthsOf(*view.wrap), (std::vector<int>{60, 51, 80, 35, 55, 61}));
}

TEST(WordWrapPlugin, EmptyLinesAndEmptyBuffer) {
  WrappedView view(80);
  EXPECT_EQ(view.wrap->RowCount(), 0);
  EXPECT_EQ(view.wrap->LineToRow(3), 3);
  EXPECT_EQ(view.wrap->RowToLine(3), 3);
  view.lines.Add("");
  view.lines.Add("");
  EXPECT_EQ(RowLengthsOf(*view.wrap), (std::vector<int>{0, 0}));
  view.lines.Clear();
  EXPECT_EQ(view.wrap->RowCount(), 0);
}

TEST(WordWrapPlugin, TabsAreLaidOutExpanded) {
  WrappedView view(10);
  view.lines.SetTabWidth(4);
  view.lines.Add("\tab\tcdefghij");  // expands to 4 + 2 + 2 + 8 = 16 cells
  EXPECT_EQ(view.wrap->RowCount(), 2);
  EXPECT_EQ(view.wrap->GetRowLength(1) + view.wrap->GetRowLength(2), 16);
}

TEST(WordWrapPlugin, RowsNeverExceedTheByteLimit) {
  WrappedView view(300);
  view.lines.Add(std::string(600, 'z'));
  EXPECT_EQ(view.wrap->MaxRowLength(), 255);
  EXPECT_EQ(RowLengthsOf(*view.wrap), (std::vector<int>{255, 255, 90}));
  // Wide windows still break at blanks.
  view.lines.Put(0, std::string(200, 'a') + ' ' + std::string(100, 'b'));
  EXPECT_EQ(RowLengthsOf(*view.wrap), (std::vector<int>{200, 101}));
}

TEST(WordWrapPlugin, NarrowWindowStillEnds) {
  WrappedView view(0);
  view.lines.Add("abc");
  EXPECT_EQ(RowLengthsOf(*view.wrap), (std::vector<int>{1, 1, 1}));
}

TEST(WordWrapPlugin, InsertingAndDeletingALongLineShiftsRowsBelow) {
  WrappedView view(80);
  for (int i = 0; i < 5; ++i) view.lines.Add("line " + std::to_string(i));
  EXPECT_EQ(view.wrap->LineToRow(4), 4);
  view.lines.Insert(2, std::string(200, 'q'));
  EXPECT_EQ(view.wrap->RowCount(), 8);
  EXPECT_EQ(view.wrap->LineToRow(3), 3);
  EXPECT_EQ(view.wrap->LineToRow(4), 6);
  EXPECT_EQ(view.wrap->RowToLine(5), 3);
  EXPECT_EQ(view.wrap->RowToLine(6), 4);
  view.lines.Delete(2);
  EXPECT_EQ(view.wrap->RowCount(), 5);
  EXPECT_EQ(view.wrap->LineToRow(4), 4);
}

TEST(WordWrapPlugin, ChangeOperationsReportRowChanges) {
  WrappedView view(80);
  view.lines.Add("short");
  EXPECT_EQ(view.wrap->LinesPutted(0, 1), 0);
  int change = 0;
  view.lines.OnPutted = [&](auto&, int index, int count) {
    change = view.wrap->LinesPutted(index, count);
  };
  view.lines.Put(0, std::string(170, 'w'));
  EXPECT_EQ(change, 2);
  view.lines.Put(0, "");
  EXPECT_EQ(change, -2);
}

TEST(WordWrapPlugin, BufferToDisplayPositions) {
  WrappedView view(80);
  view.lines.Add(std::string(100, 'x'));
  view.lines.Add("tail");
  const TScribWordWrapPlugin& wrap = *view.wrap;
  EXPECT_EQ(wrap.BufferToDisplayPos({80, 1}), (TDisplayCoord{80, 1}));
  // Just after the last character of a row that is not the last: next row start.
  EXPECT_EQ(wrap.BufferToDisplayPos({81, 1}), (TDisplayCoord{1, 2}));
  EXPECT_EQ(wrap.BufferToDisplayPos({101, 1}), (TDisplayCoord{21, 2}));
  EXPECT_EQ(wrap.BufferToDisplayPos({150, 1}), (TDisplayCoord{70, 2}));
  // With the caret-at-end-of-row flag it stays after the row's last character.
  EXPECT_EQ(wrap.BufferToDisplayPos({81, 1}, true), (TDisplayCoord{81, 1}));
  EXPECT_EQ(wrap.BufferToDisplayPos({82, 1}, true), (TDisplayCoord{2, 2}));
  EXPECT_EQ(wrap.BufferToDisplayPos({3, 2}), (TDisplayCoord{3, 3}));
  // Past the last line rows continue one per line.
  EXPECT_EQ(wrap.BufferToDisplayPos({5, 4}), (TDisplayCoord{5, 5}));
}

TEST(WordWrapPlugin, DisplayToBufferPositions) {
  WrappedView view(80);
  view.lines.Add(std::string(100, 'x'));
  view.lines.Add("tail");
  const TScribWordWrapPlugin& wrap = *view.wrap;
  EXPECT_EQ(wrap.DisplayToBufferPos({10, 2}), (TBufferCoord{90, 1}));
  // Right of a wrapped row: just after its last character.
  EXPECT_EQ(wrap.DisplayToBufferPos({200, 1}), (TBufferCoord{81, 1}));
  // On a line's last row the column is limited by the window width.
  EXPECT_EQ(wrap.DisplayToBufferPos({200, 2}), (TBufferCoord{161, 1}));
  EXPECT_EQ(wrap.DisplayToBufferPos({7, 3}), (TBufferCoord{7, 2}));
  EXPECT_EQ(wrap.DisplayToBufferPos({2, 6}), (TBufferCoord{2, 5}));
}

TEST(WordWrapPlugin, Errors) {
  EXPECT_THROW(
      {
        try {
          TScribWordWrapPlugin plugin(nullptr);
        } catch (const std::invalid_argument& error) {
          EXPECT_STREQ(error.what(), "Owner of TScribWordWrapPlugin must be a TCustomScribEdit");
          throw;
        }
      },
      std::invalid_argument);
  WrappedView view(80);
  view.lines.Add("x");
  try {
    view.wrap->GetRowLength(2);
    FAIL();
  } catch (const std::out_of_range& error) {
    EXPECT_STREQ(error.what(), "List index out of bounds (2)");
  }
}

TEST(WordWrapPlugin, WidthChangeLaysOutAgain) {
  WrappedView view(80);
  view.lines.Add(std::string(100, 'x'));
  view.charsInWindow = 50;
  view.wrap->DisplayChanged();
  EXPECT_EQ(RowLengthsOf(*view.wrap), (std::vector<int>{50, 50}));
}

TEST(WordWrapPlugin, RandomEditsMatchAFreshLayout) {
  std::mt19937 random(11);
  // Tiny blocks and groups, so that edits split and join both often.
  WrappedView view(20, {.blocks = {.blockLines = 4, .blockBytes = 12, .groupBlocks = 2}});
  const auto randomLine = [&] {
    std::string text;
    const int length = static_cast<int>(random() % 70);
    for (int i = 0; i < length; ++i) text += " \tabcdefgh-"[random() % 11];
    return text;
  };
  for (int step = 0; step < 1500; ++step) {
    const int count = view.lines.Count();
    const int index = count ? static_cast<int>(random() % count) : 0;
    switch (random() % 6) {
      case 0:
        view.lines.Insert(index, randomLine());
        break;
      case 1:
        if (count) view.lines.Delete(index);
        break;
      case 2:
        view.lines.Put(index, randomLine());
        break;
      case 3:
        view.lines.InsertLines(index, 1 + static_cast<int>(random() % 3));
        break;
      case 4:
        view.lines.DeleteLines(index, static_cast<int>(random() % 4));
        break;
      default:
        view.lines.AddStrings(std::vector<std::string>{randomLine(), randomLine()});
    }
    if (step % 50 == 0 || step == 1499) {
      const TScribWordWrapPlugin fresh(&view);
      ASSERT_EQ(view.wrap->LineCount(), view.lines.Count());
      ASSERT_EQ(RowLengthsOf(*view.wrap), RowLengthsOf(fresh)) << "step " << step;
      for (int line = 1; line <= view.lines.Count(); ++line) {
        std::vector<int> rows;
        for (int k = 0; k < view.wrap->RowsOfLine(line); ++k)
          rows.push_back(view.wrap->GetRowLength(view.wrap->LineToRow(line) + k));
        ASSERT_EQ(rows, NaiveRows(view.lines.ExpandedStrings(line - 1), 20)) << "line " << line;
        ASSERT_EQ(view.wrap->LineToRow(line), fresh.LineToRow(line));
        ASSERT_EQ(view.wrap->RowToLine(view.wrap->LineToRow(line)), line);
      }
    }
  }
}

}  // namespace
