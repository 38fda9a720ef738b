// The editor together with its view parts: word wrap under the caret
// commands, the highlighter scan and the repaint areas after edits.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "EditorTestSupport.h"
#include "editor/WordWrapPlugin.h"
#include "highlight/ScribHighlighterOrvane.h"

namespace {

// 100 letters without blanks, then a short line.
const std::string kLongWord = std::string(100, 'a');

class WrappedEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    edit.SetCharsInWindow(80);
    edit.SetLinesInWindow(10);
    SetUpLikeMainWindow(edit, kLongWord + "\r\nshort");
    edit.SetWordWrap(true);
  }
  TDisplayCoord Display() const { return edit.DisplayXY(); }

  TCustomScribEdit edit;
};

TEST_F(WrappedEditor, RowsReplaceLinesForTheView) {
  ASSERT_TRUE(edit.WordWrap());
  ASSERT_NE(edit.WordWrapPlugin(), nullptr);
  EXPECT_EQ(edit.RowCount(), 3);
  EXPECT_EQ(edit.RowToLine(2), 1);
  EXPECT_EQ(edit.LineToRow(2), 3);
  EXPECT_EQ(edit.BufferToDisplayPos({85, 1}), (TDisplayCoord{5, 2}));
  EXPECT_EQ(edit.DisplayToBufferPos({5, 2}), (TBufferCoord{85, 1}));
  edit.SetWordWrap(false);
  EXPECT_EQ(edit.WordWrapPlugin(), nullptr);
  EXPECT_EQ(edit.RowCount(), 2);
}

TEST_F(WrappedEditor, DownAndUpMoveByRowsKeepingTheColumn) {
  edit.SetCaretXY({10, 1});
  Exec(edit, ecDown);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{90, 1}));
  EXPECT_EQ(Display(), (TDisplayCoord{10, 2}));
  Exec(edit, ecDown);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{10, 2}));
  Exec(edit, ecUp);
  Exec(edit, ecUp);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{10, 1}));
}

TEST_F(WrappedEditor, UpIntoAShorterRowStopsAtThatRowsEnd) {
  edit.SetText(std::string(70, 'a') + " " + std::string(70, 'b'));  // rows of 70 and 71
  edit.SetCaretXY({145, 1});
  EXPECT_EQ(Display(), (TDisplayCoord{75, 2}));
  Exec(edit, ecUp);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{71, 1})) << "just after the first row's last character";
  EXPECT_EQ(Display(), (TDisplayCoord{71, 1}));
  Exec(edit, ecDown);
  EXPECT_EQ(Display(), (TDisplayCoord{75, 2})) << "the remembered column comes back";
}

TEST_F(WrappedEditor, HomeAndEndWorkOnTheCaretsRow) {
  edit.SetCaretXY({90, 1});
  Exec(edit, ecLineStart);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{81, 1})) << "start of the second row";
  edit.SetCaretXY({10, 1});
  Exec(edit, ecLineEnd);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{81, 1}));
  EXPECT_TRUE(edit.CaretAtEndOfRow());
  EXPECT_EQ(Display(), (TDisplayCoord{81, 1})) << "drawn after the first row's last character";
  Exec(edit, ecDown);
  EXPECT_EQ(Display(), (TDisplayCoord{81, 2})) << "the same column on the line's last row";
  edit.SetCaretXY({85, 1});
  Exec(edit, ecLineEnd);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{101, 1})) << "the last row ends where the line ends";
}

TEST_F(WrappedEditor, RightReachesTheEndOfARowBeforeTheNextRow) {
  edit.SetCaretXY({80, 1});
  Exec(edit, ecRight);
  EXPECT_EQ(Display(), (TDisplayCoord{81, 1}));
  Exec(edit, ecRight);
  EXPECT_EQ(Display(), (TDisplayCoord{2, 2}));
  Exec(edit, ecLeft);
  EXPECT_EQ(Display(), (TDisplayCoord{1, 2}));
}

TEST_F(WrappedEditor, ClickRightOfAWrappedRowStaysOnThatRow) {
  edit.SetText(std::string(70, 'a') + " " + std::string(70, 'b'));  // rows of 70 and 71
  edit.MouseDown({78, 1}, ssNone, false);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{71, 1}));
  EXPECT_EQ(Display(), (TDisplayCoord{71, 1}));
  edit.MouseMove({5, 2});
  EXPECT_EQ(edit.SelText(), " bbb");
  edit.MouseMove({78, 1});
  EXPECT_EQ(Display(), (TDisplayCoord{71, 1})) << "dragging back right of the row";
}

TEST_F(WrappedEditor, PagesAndTopLineCountRows) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += kLongWord + "\r\n";
  edit.SetText(text);
  EXPECT_EQ(edit.RowCount(), 60);
  edit.SetCaretXY({1, 1});
  Exec(edit, ecPageDown);
  EXPECT_EQ(edit.TopLine(), 10) << "a page of 10 rows less one";
  EXPECT_EQ(edit.DisplayY(), 10);
  EXPECT_EQ(edit.CaretY(), 5);
  Exec(edit, ecEditorBottom);
  EXPECT_EQ(edit.TopLine(), 60 - 10 + 1);
}

TEST_F(WrappedEditor, SwitchingKeepsTheFirstVisibleLineAtTheTop) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += kLongWord + "\r\n";
  edit.SetText(text);
  edit.SetTopLine(edit.LineToRow(12));
  edit.SetWordWrap(false);
  EXPECT_EQ(edit.TopLine(), 12);
  edit.SetLeftChar(20);
  edit.SetWordWrap(true);
  EXPECT_EQ(edit.TopLine(), 23);
  EXPECT_EQ(edit.LeftChar(), 1);
}

TEST_F(WrappedEditor, NarrowerWindowLaysOutAgain) {
  edit.SetCharsInWindow(40);
  EXPECT_EQ(edit.WordWrapPlugin()->MaxRowLength(), 40);
  EXPECT_EQ(edit.RowCount(), 4);
}

TEST_F(WrappedEditor, TypingKeepsTheLayoutInStep) {
  edit.SetCaretXY({1, 2});
  Type(edit, std::string(90, 'z'));
  EXPECT_EQ(edit.RowCount(), 4);
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.RowCount(), 3);
}

TEST_F(WrappedEditor, AnEmptyBufferHasOneRowForTheCaret) {
  edit.SetText("");
  for (TScribEditorCommand command : {ecLineEnd, ecLineStart, ecDown, ecUp, ecPageDown})
    Exec(edit, command);
  EXPECT_EQ(edit.DisplayY(), 1);
  Type(edit, "x");
  EXPECT_EQ(edit.Text(), "x");
}

TEST_F(WrappedEditor, RandomCommandsKeepLayoutAndCaretConsistent) {
  std::mt19937 random(7);
  const std::vector<TScribEditorCommand> commands = {
      ecUp,         ecDown,     ecLeft,    ecRight,    ecLineStart,      ecLineEnd,
      ecPageUp,     ecPageDown, ecSelDown, ecSelRight, ecDeleteLastChar, ecLineBreak,
      ecDeleteChar, ecUndo,     ecRedo,    ecWordRight};
  for (int step = 0; step < 3000; ++step) {
    const unsigned pick = random() % (commands.size() + 3);
    if (pick < commands.size())
      Exec(edit, commands[pick]);
    else if (pick == commands.size())
      Type(edit, std::string(random() % 90, 'w'));
    else
      Exec(edit, random() % 2 ? ecChar : ecTab, ' ');
    const TScribWordWrapPlugin fresh(&edit);
    ASSERT_EQ(edit.RowCount(), fresh.RowCount()) << "step " << step;
    for (int row = 1; row <= fresh.RowCount(); ++row)
      ASSERT_EQ(edit.WordWrapPlugin()->GetRowLength(row), fresh.GetRowLength(row));
    const TDisplayCoord caret = edit.DisplayXY();
    ASSERT_GE(caret.Row, 1);
    ASSERT_LE(caret.Row, std::max(1, edit.RowCount()));
    // Virtual space past the window's width has no display position of its own.
    if (edit.CaretX() <= static_cast<int>(edit.LineText().size()) + 1) {
      ASSERT_EQ(edit.DisplayToBufferPos(edit.BufferToDisplayPos(edit.CaretXY())), edit.CaretXY())
          << "step " << step;
    }
  }
}

// An editor with the configurable highlighter and C comments, recording repaints.
class HighlightedEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    orvane.SetComments(CommentBit(csCStyle));
    std::string text;
    for (int i = 0; i < kLines; ++i) text += "int x = " + std::to_string(i) + ";\r\n";
    SetUpLikeMainWindow(edit, text);
    edit.SetHighlighter(&orvane);
    edit.LineEndRange(kLines - 1);  // as if every line had been shown
    edit.OnInvalidate = [this](TCustomScribEdit&, int first, int last) {
      repaints.emplace_back(first, last);
    };
  }
  void TearDown() override { edit.SetHighlighter(nullptr); }

  template <typename Change>
  std::int64_t ScannedBy(Change&& change) {
    const std::int64_t before = edit.ScannedLineCount();
    change();
    return edit.ScannedLineCount() - before;
  }
  // Whether some repaint covered 1-based `line`.
  bool Repainted(int line) const {
    for (auto [first, last] : repaints)
      if (first <= line && (last == -1 || line <= last)) return true;
    return false;
  }

  static constexpr int kLines = 200;
  TScribOrvane orvane;
  TCustomScribEdit edit;
  std::vector<std::pair<int, int>> repaints;
};

TEST_F(HighlightedEditor, LinesAreScannedOnceWhenFirstRead) {
  TScribOrvane other;
  EXPECT_EQ(ScannedBy([&] { edit.SetHighlighter(&other); }), 0);
  EXPECT_EQ(ScannedBy([&] { EXPECT_EQ(edit.LineEndRange(99), rsUnknown); }), 100);
  EXPECT_EQ(ScannedBy([&] { edit.LineEndRange(50); }), 0);
  EXPECT_EQ(ScannedBy([&] { edit.LineEndRange(kLines - 1); }), kLines - 100);
  edit.SetHighlighter(&orvane);
}

TEST_F(HighlightedEditor, TypingInALineRescansAndRepaintsOnlyThatLine) {
  edit.SetCaretXY({4, 50});
  repaints.clear();
  EXPECT_EQ(ScannedBy([&] { Type(edit, "e"); }), 1);
  EXPECT_TRUE(Repainted(50));
  EXPECT_FALSE(Repainted(49));
  EXPECT_FALSE(Repainted(51));
}

TEST_F(HighlightedEditor, OpeningACommentRescansAndRepaintsTheRest) {
  edit.SetCaretXY({1, 10});
  repaints.clear();
  EXPECT_GE(ScannedBy([&] { Type(edit, "/*"); }), kLines - 9);
  EXPECT_EQ(edit.LineEndRange(kLines - 1), rsCStyle);
  EXPECT_TRUE(Repainted(kLines));
  EXPECT_FALSE(Repainted(9));
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.LineEndRange(kLines - 1), rsUnknown);
}

TEST_F(HighlightedEditor, AttributeChangesRepaintEverythingWithoutARescan) {
  repaints.clear();
  EXPECT_EQ(ScannedBy([&] { orvane.AttriComment()->SetForeground(0x123456); }), 0);
  EXPECT_TRUE(Repainted(1));
  EXPECT_TRUE(Repainted(kLines));
}

TEST_F(HighlightedEditor, RuleChangesUnderThePaintLockCostOneRescan) {
  const int lines = edit.Lines().Count();
  EXPECT_EQ(ScannedBy([&] {
              edit.BeginUpdate();
              orvane.SetComments(CommentBit(csCPPStyle));
              orvane.SetComments(CommentBit(csCStyle) | CommentBit(csCPPStyle));
              edit.EndUpdate();
              edit.LineEndRange(lines - 1);
            }),
            lines);
  EXPECT_EQ(ScannedBy([&] {
              orvane.SetComments(CommentBit(csCStyle));
              edit.LineEndRange(lines - 1);
            }),
            lines);
}

TEST_F(HighlightedEditor, BracketsInCommentsAndStringsDoNotMatch) {
  edit.SetText("f(a /* ) */, \")\", b)");
  edit.SetCaretXY({2, 1});
  Exec(edit, ecMatchBracket);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{20, 1}));
}

TEST_F(HighlightedEditor, WordMovesUseTheHighlightersWordCharacters) {
  orvane.SetWordBreakChars(TScribCharSet().set('-'));
  edit.SetText("abc-def ghi");
  edit.SetCaretXY({1, 1});
  Exec(edit, ecWordRight);
  EXPECT_EQ(edit.CaretX(), 5);
}

TEST_F(HighlightedEditor, AGutterThatNeedsAnotherDigitRepaintsEverything) {
  edit.Gutter().SetShowLineNumbers(true);
  edit.Gutter().SetDigitCount(3);
  int settingsChanges = 0;
  edit.OnSettingsChange = [&](TCustomScribEdit&) { ++settingsChanges; };
  std::string lines;
  for (int i = 0; i < 1000; ++i) lines += "x\r\n";
  edit.SetCaretXY({1, 1});
  repaints.clear();
  edit.SetSelText(lines);
  EXPECT_EQ(edit.Gutter().AutoSizeDigitCount(), 4);
  EXPECT_TRUE(Repainted(1));
  EXPECT_GE(settingsChanges, 1) << "the view must measure the wider gutter";
  edit.OnSettingsChange = nullptr;  // TearDown changes settings after the counter is gone
}

}  // namespace
