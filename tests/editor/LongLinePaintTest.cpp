// Painting a long line from the highlighter states kept along it must show
// exactly what a scan of the whole expanded line shows, after edits and tab
// width changes too, while scanning only near the visible part.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "EditorTestSupport.h"
#include "RecordingCanvas.h"
#include "editor/EditorPainter.h"
#include "editor/HighlightScan.h"
#include "editor/ScribEditTabExpansion.h"
#include "highlight/ScribHighlighterOrvane.h"

namespace {

constexpr int kCell = 8, kRow = 16, kColumns = 50;
// Columns the window may scroll to: up to the editor's farthest column.
constexpr int kWidestLeftChar = 65000;

class CountingOrvane : public TScribOrvane {
 public:
  void Next() override {
    ++tokens;
    TScribOrvane::Next();
  }
  long tokens = 0;
};

struct Look {
  char character;
  std::uint32_t foreground, background;
  unsigned style;
  bool operator==(const Look&) const = default;
};

// Words, numbers, strings, TABs and comments, some long enough to hold marks.
std::string RandomLine(std::mt19937& random, std::size_t bytes) {
  static const char* const pieces[] = {"word", "if",     "42", "\t",   " ",  "\"s\t\"",
                                       "'q'",  "x\t\ty", "(",  "0x1F", "/* "};
  std::string line;
  while (line.size() < bytes)
    line += random() % 1000 == 0 ? "*/" : pieces[random() % std::size(pieces)];
  return line;
}

class LongLinePainting : public ::testing::Test {
 protected:
  void SetUp() override {
    highlighter.SetComments(CommentBit(csCStyle));
    highlighter.SetStringDelimiter(sdBoth);
    highlighter.SetKeyWords({"if"});
    edit.Gutter().SetVisible(false);
    edit.SetCharWidth(kCell);
    edit.SetLineHeight(kRow);
    edit.SetCharsInWindow(kColumns);
    edit.SetMaxScrollWidth(1 << 30);
    edit.SetHighlighter(&highlighter);
  }

  // Every cell of line 2 as the whole expanded line, scanned from its start, gives it.
  std::vector<Look> Expected() {
    const std::string expanded = ExpandTabs(edit.Lines().Get(1), edit.TabWidth());
    std::vector<Look> cells;
    for (char c : expanded)
      cells.push_back({c == '\t' ? ' ' : c, edit.FontColor(), edit.Color(), 0});
    highlighter.SetRange(edit.LineEndRange(0));
    highlighter.SetLine(expanded, 1);
    for (; !highlighter.GetEol(); highlighter.Next()) {
      const TScribHighlighterAttributes* attribute = highlighter.GetTokenAttribute();
      const int end = highlighter.GetTokenPos() + highlighter.GetTokenLength();
      for (int i = highlighter.GetTokenPos(); i < end; ++i) {
        if (attribute->Foreground() != clNone) cells[i].foreground = attribute->Foreground();
        if (attribute->Background() != clNone) cells[i].background = attribute->Background();
        cells[i].style = attribute->Style();
      }
    }
    return cells;
  }

  // Paints line 2 with `leftChar` and compares every visible cell.
  void PaintAndCompare(int leftChar, const std::vector<Look>& expected) {
    edit.SetLeftChar(leftChar);
    ASSERT_EQ(edit.LeftChar(), leftChar);
    RecordingCanvas canvas(kRow);
    painter.Paint(canvas, {0, kRow, painter.ColumnToX(leftChar + kColumns), 2 * kRow});
    for (int column = leftChar; column < leftChar + kColumns; ++column) {
      const DrawnCell cell = canvas.At(painter.ColumnToX(column) + kCell / 2, kRow + kRow / 2);
      const Look want = column <= static_cast<int>(expected.size())
                            ? expected[column - 1]
                            : Look{' ', edit.FontColor(), edit.Color(), 0};
      const Look got{cell.text ? cell.character : ' ',
                     cell.text ? cell.foreground : want.foreground, cell.background,
                     cell.text ? cell.style : 0};
      ASSERT_EQ(got, want) << "column " << column << " of " << expected.size();
    }
  }

  CountingOrvane highlighter;
  TCustomScribEdit edit;
  TScribEditorPainter painter{edit};
};

TEST_F(LongLinePainting, MarksGiveTheCellsOfAWholeScan) {
  std::mt19937 random(7);
  SetUpLikeMainWindow(edit, "/* open\r\n" + RandomLine(random, 30000));
  edit.SetTabWidth(4);
  for (int round = 0; round < 40; ++round) {
    if (round % 8 == 7) {
      // Edits drop the marks of the line; so does a new tab width.
      edit.SetCaretXY({static_cast<int>(random() % edit.Lines().Get(1).size()) + 1, 2});
      Type(edit, round % 16 == 7 ? "*/" : "/*");
      edit.SetTabWidth(static_cast<int>(random() % 3) * 3);
    }
    const std::vector<Look> expected = Expected();
    const int leftChar =
        static_cast<int>(random() % std::min<std::size_t>(expected.size(), kWidestLeftChar)) + 1;
    PaintAndCompare(leftChar, expected);
    if (HasFailure()) return;
  }
}

TEST_F(LongLinePainting, PaintingNearTheEndScansOnlyNearTheEnd) {
  std::mt19937 random(11);
  SetUpLikeMainWindow(edit, "x\r\n" + RandomLine(random, 64000));
  edit.SetTabWidth(1);
  const std::vector<Look> expected = Expected();
  const int leftChar = static_cast<int>(expected.size()) - 10;
  highlighter.tokens = 0;
  PaintAndCompare(leftChar, expected);
  const long wholeLine = highlighter.tokens;
  ASSERT_NE(edit.LineMarks()->Before(1, edit.TabWidth(), leftChar), nullptr);
  highlighter.tokens = 0;
  PaintAndCompare(leftChar, expected);
  EXPECT_LT(highlighter.tokens, wholeLine / 2) << "from the last mark on only";
  edit.SetCaretXY({1, 2});
  Type(edit, "/*");
  EXPECT_EQ(edit.LineMarks()->Before(1, edit.TabWidth(), leftChar), nullptr)
      << "an edit drops them";
}

TEST_F(LongLinePainting, ANewStateAboveDropsTheMarksOfTheLineBelowTheScannedOnes) {
  std::mt19937 random(5);
  SetUpLikeMainWindow(edit, "x\r\n" + RandomLine(random, 64000));
  edit.SetTabWidth(1);
  const int leftChar = static_cast<int>(Expected().size()) - 10;
  PaintAndCompare(leftChar, Expected());
  ASSERT_NE(edit.LineMarks()->Before(1, edit.TabWidth(), leftChar), nullptr);
  // Line 2 was painted but is not scanned yet: the rescan of line 1 stops before it.
  edit.SetCaretXY({1, 1});
  Type(edit, "/*");
  EXPECT_EQ(edit.LineMarks()->Before(1, edit.TabWidth(), leftChar), nullptr);
  PaintAndCompare(leftChar, Expected());
}

}  // namespace
