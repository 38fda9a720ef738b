#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

#include "FakeViewState.h"
#include "RecordingCanvas.h"
#include "editor/EditorPainter.h"
#include "editor/EditorViewEvents.h"
#include "editor/HighlightScan.h"
#include "highlight/ScribHighlighterOrvane.h"

namespace {

constexpr int kCell = 8, kRow = 16;
constexpr TRect kClient{0, 0, 800, 160};

class Painting : public ::testing::Test {
 protected:
  Painting() {
    view.gutter.SetVisible(false);  // text starts at x = 2
    view.charWidth = kCell;
    view.lineHeight = kRow;
  }
  RecordingCanvas Paint(const TRect& clip = kClient) {
    RecordingCanvas canvas(kRow);
    painter.Paint(canvas, clip);
    return canvas;
  }
  // The cell of display column `column` (LeftChar 1) on screen row `row` (1-based).
  DrawnCell Cell(const RecordingCanvas& canvas, int column, int row) const {
    return canvas.At(painter.ColumnToX(column) + kCell / 2, (row - 1) * kRow + kRow / 2);
  }
  // Three digits between offsets of 2 and 3 pixels.
  void ShowLineNumbersLikeTheMainWindow() {
    view.gutter.SetVisible(true);
    view.gutter.SetShowLineNumbers(true);
    view.gutter.SetDigitCount(3);
    view.gutter.SetLeftOffset(2);
    view.gutter.SetRightOffset(3);
  }
  void Select(TBufferCoord begin, TBufferCoord end, TScribSelectionMode mode) {
    view.blockBegin = begin;
    view.blockEnd = end;
    view.selectionMode = mode;
  }
  // Whether the cells of columns first..last on `row` show the selection.
  bool Selected(const RecordingCanvas& canvas, int row, int first, int last) const {
    for (int column = first; column <= last; ++column)
      if (Cell(canvas, column, row).background != view.selectedColor.Background) return false;
    return true;
  }
  bool Unselected(const RecordingCanvas& canvas, int row, int first, int last) const {
    for (int column = first; column <= last; ++column)
      if (Cell(canvas, column, row).background != view.color) return false;
    return true;
  }

  FakeViewState view;
  TScribEditorPainter painter{view};
};

TEST_F(Painting, PlainTextTabsAndTheSpaceAfterIt) {
  view.lines.SetTabWidth(4);
  view.lines.Add("a\tb");
  view.lines.Add("xyz");
  const RecordingCanvas canvas = Paint();
  EXPECT_EQ(canvas.Text(painter.ColumnToX(1), 0, 6, kCell), "a   b ");
  EXPECT_EQ(canvas.Text(painter.ColumnToX(1), kRow, 4, kCell), "xyz ");
  EXPECT_TRUE(Unselected(canvas, 1, 1, 99));
  // Below the last line the window is cleared.
  EXPECT_EQ(canvas.At(400, 5 * kRow).background, view.color);
  EXPECT_EQ(canvas.At(1, 3).background, view.color);  // the strip before column 1
}

TEST_F(Painting, TokensTakeTheirAttributeColoursAndStyles) {
  TScribOrvane orvane;
  view.highlighter = &orvane;
  view.lines.Add("x = 42; \"s\"");
  const RecordingCanvas canvas = Paint();
  const DrawnCell identifier = Cell(canvas, 1, 1);
  EXPECT_EQ(identifier.character, 'x');
  EXPECT_EQ(identifier.foreground, view.fontColor);  // the attribute leaves it unset
  EXPECT_EQ(identifier.style, fsBold);
  const DrawnCell number = Cell(canvas, 5, 1);
  EXPECT_EQ(number.character, '4');
  EXPECT_EQ(number.foreground, orvane.AttriNumber()->Foreground());
  EXPECT_EQ(number.style, fsBold);
  const DrawnCell string = Cell(canvas, 10, 1);
  EXPECT_EQ(string.character, 's');
  EXPECT_EQ(string.foreground, orvane.AttriString()->Foreground());
  EXPECT_EQ(string.style, 0u);
  EXPECT_EQ(Cell(canvas, 20, 1).background, view.color);
}

TEST_F(Painting, TokensLeftOfTheWindowAreSkipped) {
  TScribOrvane orvane;
  view.highlighter = &orvane;
  view.lines.Add("aaaa bbbb 1234 cccc");
  view.leftChar = 11;
  const RecordingCanvas canvas = Paint();
  EXPECT_EQ(canvas.Text(painter.ColumnToX(11), 0, 10, kCell), "1234 cccc ");
  EXPECT_EQ(Cell(canvas, 11, 1).foreground, orvane.AttriNumber()->Foreground());
}

TEST_F(Painting, ALineWiderThanTheIntRangePaintsWithoutExpandingIt) {
  TScribOrvane orvane;
  view.highlighter = &orvane;
  view.lines.SetTabWidth(65536);
  view.lines.Add(std::string(33000, '\t') + "x");  // "x" stands past column 2^31
  view.leftChar = 65530;
  const RecordingCanvas canvas = Paint();
  EXPECT_EQ(canvas.Text(painter.ColumnToX(65530), 0, 10, kCell), "          ");
  EXPECT_EQ(Cell(canvas, 65536, 1).background, view.color);
}

TEST_F(Painting, NormalSelectionAcrossLines) {
  view.lines.Add("abcdef");
  view.lines.Add("ghij");
  view.lines.Add("klm");
  Select({3, 1}, {2, 3}, smNormal);
  const RecordingCanvas canvas = Paint();
  EXPECT_TRUE(Unselected(canvas, 1, 1, 2));
  EXPECT_TRUE(Selected(canvas, 1, 3, 99));  // on past the end of the line
  EXPECT_EQ(Cell(canvas, 3, 1).foreground, view.selectedColor.Foreground);
  EXPECT_TRUE(Selected(canvas, 2, 1, 99));
  EXPECT_TRUE(Selected(canvas, 3, 1, 1));
  EXPECT_TRUE(Unselected(canvas, 3, 2, 99));
  EXPECT_EQ(canvas.Text(painter.ColumnToX(1), 0, 6, kCell), "abcdef");
}

TEST_F(Painting, SelectionEndingBeyondTheLineEnd) {
  view.lines.Add("abc");
  Select({2, 1}, {7, 1}, smNormal);
  const RecordingCanvas canvas = Paint();
  EXPECT_TRUE(Unselected(canvas, 1, 1, 1));
  EXPECT_TRUE(Selected(canvas, 1, 2, 6));
  EXPECT_TRUE(Unselected(canvas, 1, 7, 99));
}

TEST_F(Painting, LineSelectionCoversWholeRows) {
  view.lines.Add("abcdef");
  view.lines.Add("ghij");
  view.lines.Add("klm");
  Select({4, 1}, {2, 2}, smLine);
  const RecordingCanvas canvas = Paint();
  EXPECT_TRUE(Selected(canvas, 1, 1, 99));
  EXPECT_TRUE(Selected(canvas, 2, 1, 99));
  EXPECT_TRUE(Unselected(canvas, 3, 1, 99));
}

TEST_F(Painting, ColumnSelectionUsesDisplayColumnsAndPassesShortLines) {
  view.lines.SetTabWidth(4);
  view.lines.Add("abcdef");
  view.lines.Add("\tx");  // x stands in column 5
  view.lines.Add("kl");
  Select({2, 1}, {3, 3}, smColumn);  // columns 2..3 on lines 1 to 3
  view.blockEnd = {6, 3};            // beyond the end of "kl": columns 2..5
  const RecordingCanvas canvas = Paint();
  for (int row = 1; row <= 3; ++row) {
    EXPECT_TRUE(Unselected(canvas, row, 1, 1)) << row;
    EXPECT_TRUE(Selected(canvas, row, 2, 5)) << row;
    EXPECT_TRUE(Unselected(canvas, row, 6, 99)) << row;
  }
  EXPECT_EQ(Cell(canvas, 5, 2).character, 'x');
}

TEST_F(Painting, RightEdgeFollowsHorizontalScrolling) {
  ShowLineNumbersLikeTheMainWindow();
  view.rightEdge = 104;
  view.lines.Add("text");
  view.lines.Add("more");
  const TRect wide{0, 0, 1200, 2 * kRow};
  const int gutterWidth = 2 + 3 + 3 * kCell + 2;
  RecordingCanvas canvas = Paint(wide);
  ASSERT_EQ(canvas.lines.size(), 2u);  // drawn row by row
  EXPECT_EQ(canvas.lines[0].x1, 104 * kCell + gutterWidth + 2);
  EXPECT_EQ(canvas.lines[0].colour, view.rightEdgeColor);
  EXPECT_EQ(canvas.lines[1].y1, kRow);
  view.leftChar = 11;
  canvas = Paint(wide);
  ASSERT_FALSE(canvas.lines.empty());
  EXPECT_EQ(canvas.lines[0].x1, 94 * kCell + gutterWidth + 2);
  // Outside the painted area nothing is drawn.
  EXPECT_TRUE(Paint({0, 0, 94 * kCell, 2 * kRow}).lines.empty());
}

TEST_F(Painting, GutterGrowsAtTheThousandthLine) {
  ShowLineNumbersLikeTheMainWindow();
  TScribHighlightScan scan(view.lines);
  TScribViewEvents events(view, scan, view.gutter);
  view.lines.OnInserted = [&](auto&, int index, int count) { events.LinesInserted(index, count); };
  for (int i = 0; i < 999; ++i) view.lines.Add("line");
  events.EndOfChange();
  const int narrow = 2 + 3 + 3 * kCell + 2;
  EXPECT_EQ(painter.GutterWidth(), narrow);
  RecordingCanvas canvas = Paint();
  EXPECT_EQ(canvas.Text(narrow - 3 - 2 - 3 * kCell, 0, 3, kCell), "  1");
  EXPECT_EQ(canvas.At(narrow - 1, 4).background, view.gutter.Color());
  EXPECT_EQ(canvas.Text(narrow + 2, 0, 4, kCell), "line");

  view.lines.Add("last");
  EXPECT_TRUE(events.EndOfChange().everything);
  const int wide = narrow + kCell;
  EXPECT_EQ(painter.GutterWidth(), wide);
  view.topLine = 999;
  canvas = Paint();
  EXPECT_EQ(canvas.Text(wide - 3 - 2 - 4 * kCell, kRow, 4, kCell), "1000");
  EXPECT_EQ(canvas.Text(wide + 2, kRow, 4, kCell), "last");
  EXPECT_EQ(canvas.At(narrow + 3, kRow + 4).background, view.gutter.Color());
}

TEST_F(Painting, LineNumbersUseTheGutterFontWhateverTheEditorFont) {
  ShowLineNumbersLikeTheMainWindow();
  view.gutter.SetFont({"Gutter Face", 8});
  view.charWidth = 200;  // a huge editor font must not push the text out of the window
  view.gutterCharWidth = 7;
  view.lines.Add("abc");
  const RecordingCanvas canvas = Paint();
  const int width = 2 + 3 + 3 * 7 + 2;
  EXPECT_EQ(painter.GutterWidth(), width);
  EXPECT_EQ(canvas.Text(width - 3 - 2 - 3 * 7, 0, 3, 7), "  1");
  EXPECT_EQ(canvas.At(width - 3 - 2 - 3, 4).font, "Gutter Face");
  EXPECT_EQ(canvas.At(width + 2 + 100, 4).character, 'a');
  EXPECT_EQ(canvas.At(width + 2 + 100, 4).font, "") << "text stays in the editor font";
}

TEST_F(Painting, WrappedRowsShowTextGutterAndGlyph) {
  view.gutter.SetVisible(true);
  view.gutter.SetShowLineNumbers(true);
  view.gutter.SetDigitCount(1);
  view.gutter.SetLeftOffset(2);
  view.gutter.SetRightOffset(3);
  view.charsInWindow = 10;
  view.lines.Add("abcdefghijklmno");
  view.lines.Add("second");
  view.SetWordWrap(true);
  Select({8, 1}, {13, 1}, smNormal);
  const RecordingCanvas canvas = Paint();
  const int textLeft = painter.GutterWidth() + 2;
  EXPECT_EQ(canvas.Text(textLeft, 0, 11, kCell), "abcdefghij ");
  EXPECT_EQ(canvas.Text(textLeft, kRow, 6, kCell), "klmno ");
  EXPECT_EQ(canvas.Text(textLeft, 2 * kRow, 6, kCell), "second");
  EXPECT_TRUE(Unselected(canvas, 1, 1, 7) && Selected(canvas, 1, 8, 10));
  EXPECT_TRUE(Selected(canvas, 2, 1, 2) && Unselected(canvas, 2, 3, 40));
  const int numberLeft = painter.GutterWidth() - 3 - 2 - kCell;
  EXPECT_EQ(canvas.Text(numberLeft, 0, 1, kCell), "1");
  EXPECT_EQ(canvas.Text(numberLeft, 2 * kRow, 1, kCell), "2");
  EXPECT_FALSE(canvas.At(numberLeft + 4, kRow + 8).text);  // no number on the continuation
  ASSERT_FALSE(canvas.lines.empty());                      // the wrap glyph
  for (const DrawnLine& line : canvas.lines) {
    EXPECT_GE(line.y1, kRow);
    EXPECT_LT(line.y1, 2 * kRow);
    EXPECT_LT(line.x1, painter.GutterWidth());
  }
}

TEST_F(Painting, LinesStartInTheStoredStateOfTheLineBefore) {
  TScribOrvane orvane;
  orvane.SetComments(CommentBit(csCStyle));
  view.highlighter = &orvane;
  view.lines.Add("x /* open");
  view.lines.Add("inside 12");
  view.lines.Add("done */ 12");
  TScribHighlightScan scan(view.lines);
  scan.SetHighlighter(&orvane);
  scan.ScanRanges();
  view.topLine = 2;  // the opening line is not even painted
  const RecordingCanvas canvas = Paint();
  const TColor comment = orvane.AttriComment()->Foreground();
  EXPECT_EQ(Cell(canvas, 8, 1).foreground, comment);
  EXPECT_EQ(Cell(canvas, 1, 2).foreground, comment);
  EXPECT_EQ(Cell(canvas, 9, 2).foreground, orvane.AttriNumber()->Foreground());
}

TEST_F(Painting, MarkupCommentOpenedFarAboveColoursTheScreen) {
  TScribOrvane orvane;
  orvane.SetComments(CommentBit(csMarkupStyle));
  view.highlighter = &orvane;
  view.lines.Add("<p>1</p> <!-- open");
  for (int i = 0; i < 10000; ++i) view.lines.Add("<p>" + std::to_string(i) + "</p>");
  view.lines.Add("--> 12");
  TScribHighlightScan scan(view.lines);
  scan.SetHighlighter(&orvane);
  scan.ScanRanges();
  view.topLine = 10001;
  const RecordingCanvas canvas = Paint();
  const TColor comment = orvane.AttriComment()->Foreground();
  EXPECT_EQ(Cell(canvas, 4, 1).foreground, comment);
  EXPECT_EQ(Cell(canvas, 3, 2).foreground, comment);
  EXPECT_EQ(Cell(canvas, 5, 2).foreground, orvane.AttriNumber()->Foreground());
}

TEST_F(Painting, TokensSplitAcrossWrappedRowsKeepTheirLook) {
  TScribOrvane orvane;
  view.highlighter = &orvane;
  view.charsInWindow = 6;
  view.lines.Add("12345678");  // one number token over two rows
  view.SetWordWrap(true);
  // Only the second row is inside the clip.
  const RecordingCanvas canvas = Paint({0, kRow, 400, 2 * kRow});
  EXPECT_EQ(canvas.Text(painter.ColumnToX(1), kRow, 3, kCell), "78 ");
  EXPECT_EQ(Cell(canvas, 1, 2).foreground, orvane.AttriNumber()->Foreground());
  EXPECT_TRUE(canvas.AllInside({0, kRow, 400, 2 * kRow}));
}

TEST_F(Painting, OnlyTheClipRectangleIsPainted) {
  TScribOrvane orvane;
  view.highlighter = &orvane;
  for (int i = 0; i < 20; ++i) view.lines.Add("int value = " + std::to_string(i) + "; x");
  view.rightEdge = 30;
  const TRect clip{60, 20, 130, 70};
  const RecordingCanvas canvas = Paint(clip);
  EXPECT_TRUE(canvas.AllInside(clip));
  EXPECT_GT(canvas.textRuns, 0);
  EXPECT_EQ(canvas.Text(painter.ColumnToX(9), 2 * kRow, 5, kCell), "e = 2");
}

TEST_F(Painting, SpecialAndActiveLineColours) {
  struct SpecialView : FakeViewState {
    bool SpecialLineColors(int line, TColor& fg, TColor& bg) const override {
      if (line != 2) return false;
      fg = 0x0000FF;
      bg = 0x00FF00;
      return true;
    }
  } special;
  special.gutter.SetVisible(false);
  special.charWidth = kCell;
  special.lineHeight = kRow;
  special.activeLineColor = 0xEEEEEE;
  special.caret = {1, 1};
  special.lines.Add("one");
  special.lines.Add("two");
  special.blockBegin = {1, 2};
  special.blockEnd = {2, 2};
  TScribEditorPainter specialPainter(special);
  RecordingCanvas canvas(kRow);
  specialPainter.Paint(canvas, kClient);
  EXPECT_EQ(canvas.At(2 + 12, 8).background, 0xEEEEEEu);
  EXPECT_EQ(canvas.At(2 + 100, 8).background, 0xEEEEEEu);
  // The selection on a special line shows its colours swapped.
  EXPECT_EQ(canvas.At(2 + 4, kRow + 8).background, 0x0000FFu);
  EXPECT_EQ(canvas.At(2 + 4, kRow + 8).foreground, 0x00FF00u);
  EXPECT_EQ(canvas.At(2 + 12, kRow + 8).background, 0x00FF00u);
  // With a highlighter the special colours still win over the token colours.
  TScribOrvane orvane;
  special.highlighter = &orvane;
  special.lines.Put(1, "two 42");
  RecordingCanvas highlighted(kRow);
  specialPainter.Paint(highlighted, kClient);
  EXPECT_EQ(highlighted.At(2 + 5 * kCell, kRow + 8).foreground, 0x0000FFu);
  EXPECT_EQ(highlighted.At(2 + 5 * kCell, kRow + 8).style, unsigned{fsBold});
}

// A highlighter that never moves on.
class StuckHighlighter : public TScribCustomHighlighter {
 public:
  TScribHighlighterAttributes* GetDefaultAttribute(int) const override { return nullptr; }
  bool GetEol() const override { return false; }
  std::string GetToken() const override { return ""; }
  TScribHighlighterAttributes* GetTokenAttribute() const override { return nullptr; }
  int GetTokenKind() const override { return 0; }
  int GetTokenPos() const override { return 0; }
  void Next() override {}
  void SetLine(std::string_view, int) override {}
};

TEST_F(Painting, StuckHighlighterIsReported) {
  StuckHighlighter stuck;
  view.highlighter = &stuck;
  view.lines.Add("text");
  RecordingCanvas canvas(kRow);
  try {
    painter.Paint(canvas, kClient);
    FAIL();
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "The highlighter seems to be in an infinite loop");
  }
}

TEST_F(Painting, RunsOfEqualLookAreDrawnTogether) {
  view.lines.Add("a fairly long line of plain text");
  const RecordingCanvas canvas = Paint();
  EXPECT_EQ(canvas.textRuns, 1);
  EXPECT_LE(canvas.styleChanges, 1);
}

TEST_F(Painting, LinesRectCoversChangedRows) {
  for (int i = 0; i < 30; ++i) view.lines.Add("x");
  view.topLine = 5;
  const TRect rect = painter.LinesRect(6, 7, kClient);
  EXPECT_EQ(rect.top, kRow);
  EXPECT_EQ(rect.bottom, 3 * kRow);
  EXPECT_EQ(painter.LinesRect(6, INT_MAX, kClient).bottom, kClient.bottom);
}

}  // namespace
