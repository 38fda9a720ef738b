#include <gtest/gtest.h>

#include "EditorTestSupport.h"

TEST(CaretSelection, EmptyBufferHasCaretAtOriginAndNoSelection) {
  TCustomScribEdit edit;
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 1}));
  EXPECT_FALSE(edit.SelAvail());
  EXPECT_EQ(edit.SelText(), "");
  EXPECT_EQ(edit.SelStart(), 0);
  EXPECT_EQ(edit.SelLength(), 0);
  edit.SetCaretXY({50, 50});
  EXPECT_EQ(edit.CaretY(), 1);
  EXPECT_EQ(edit.SelStart(), 0);
  edit.SelectAll();
  EXPECT_FALSE(edit.SelAvail());
}

TEST(CaretSelection, PositionsFarOutsideTheTextAreClamped) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc\r\nde\r\nf");
  edit.SetCaretXY({-5, -7});
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 1}));
  edit.SetCaretXY({5, 1000000});
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{5, 3})) << "beyond the line end is allowed";
  edit.SetCaretXY({1000000, 2});
  EXPECT_EQ(edit.CaretX(), edit.MaxScrollWidth() + 1);
  EXPECT_EQ(edit.SelStart(), 5 + 2) << "virtual columns are no characters of the text";

  edit.SetSelStart(-100);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 1}));
  edit.SetSelStart(1000);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{2, 3}));
  EXPECT_EQ(edit.SelStart(), 10);
  edit.SetSelStart(4);  // inside the first line break
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{4, 1}));

  edit.SetSelStart(2);
  edit.SetSelLength(1000);
  EXPECT_EQ(edit.SelLength(), 8) << "the selection stops at the end of the text";
  EXPECT_EQ(edit.SelText(), "c\r\nde\r\nf");
  edit.SetSelLength(INT64_MAX);
  EXPECT_EQ(edit.SelLength(), 8);
  edit.SetSelStart(6);
  edit.SetSelLength(INT64_MIN);
  EXPECT_EQ(edit.SelStart(), 0);
  edit.SetSelStart(6);
  edit.SetSelLength(-1000);
  EXPECT_EQ(edit.SelStart(), 0);
  EXPECT_EQ(edit.SelLength(), 6);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 1})) << "a negative length puts the caret first";
}

TEST(CaretSelection, WithoutScrollPastEolTheCaretStopsAtTheLineEnd) {
  TCustomScribEdit edit;
  edit.SetText("abc\r\nde");
  edit.SetOptions(edit.Options() & ~OptionBit(eoScrollPastEol));
  edit.SetCaretXY({9, 2});
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{3, 2}));
  Exec(edit, ecRight);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{3, 2}));
  edit.SetCaretXY({1, 2});
  Exec(edit, ecLeft);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{4, 1})) << "Left wraps to the previous line";
}

TEST(CaretSelection, SelTextReadsInAllThreeModes) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abcdef\r\n\tx\r\n12345678901\r\nlast");
  edit.SetCaretAndSelection({3, 3}, {2, 1}, {3, 3});
  EXPECT_EQ(edit.SelText(), "bcdef\r\n\tx\r\n12");
  EXPECT_EQ(edit.SelStart(), 1);
  EXPECT_EQ(edit.SelLength(), 13);

  edit.SetActiveSelectionMode(smLine);
  EXPECT_EQ(edit.SelText(), "abcdef\r\n\tx\r\n12345678901\r\n");
  edit.SetCaretAndSelection({1, 4}, {1, 3}, {1, 4});
  EXPECT_EQ(edit.SelText(), "12345678901\r\nlast") << "no break after the buffer's last line";

  // Columns 3..9 (display): the TAB covering columns 1-8 on line 2 is taken whole.
  edit.SetActiveSelectionMode(smColumn);
  edit.SetCaretAndSelection({10, 3}, {3, 1}, {10, 3});
  EXPECT_EQ(edit.SelText(), "cdef\r\n\tx\r\n3456789");
  // A column of zero width is empty even across lines.
  edit.SetCaretAndSelection({3, 3}, {3, 1}, {3, 3});
  EXPECT_FALSE(edit.SelAvail());
}

TEST(CaretSelection, BlockEndsAreReportedSorted) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "one\r\ntwo");
  edit.SetCaretAndSelection({1, 1}, {3, 2}, {1, 1});
  EXPECT_EQ(edit.BlockBegin(), (TBufferCoord{1, 1}));
  EXPECT_EQ(edit.BlockEnd(), (TBufferCoord{3, 2}));
  EXPECT_EQ(edit.SelText(), "one\r\ntw");
  edit.SetBlockBegin({2, 2});
  EXPECT_FALSE(edit.SelAvail()) << "writing BlockBegin also moves BlockEnd";
}

TEST(CaretSelection, SelTextWriteSplitsMixedLineBreaks) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "headTAIL");
  edit.SetCaretXY({5, 1});
  edit.SetSelText("1\r\n2\n3\r4\n\r5");
  EXPECT_EQ(edit.Text(), "head1\r\n2\r\n3\r\n4\r\n\r\n5TAIL");
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{2, 6}));
  EXPECT_EQ(edit.Lines().Count(), 6);
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "headTAIL");
}

TEST(CaretSelection, SelTextWriteInLineAndColumnMode) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "aaa\r\nbbb\r\nccc");
  edit.SetSelectionMode(smLine);
  edit.SetCaretXY({2, 2});
  edit.SetSelText("new1\r\nnew2\r\n");
  EXPECT_EQ(edit.Text(), "aaa\r\nnew1\r\nnew2\r\nbbb\r\nccc") << "whole lines above the caret";

  edit.SetText("ab\r\nc");
  edit.SetSelectionMode(smColumn);
  edit.SetCaretXY({4, 1});
  edit.SetSelText("X\r\nY\r\nZ\r\nW");
  EXPECT_EQ(edit.Text(), "ab X\r\nc  Y\r\n   Z\r\n   W") << "short lines padded, lines added";
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "ab\r\nc");
}

TEST(CaretSelection, SelTextWriteReplacesAColumnSelection) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "12345\r\nabcde\r\nvwxyz");
  edit.SetSelectionMode(smColumn);
  edit.SetCaretAndSelection({4, 3}, {2, 1}, {4, 3});
  edit.SetSelText("");
  EXPECT_EQ(edit.Text(), "145\r\nade\r\nvyz");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "12345\r\nabcde\r\nvwxyz");
  Exec(edit, ecRedo);
  EXPECT_EQ(edit.Text(), "145\r\nade\r\nvyz");
}

TEST(CaretSelection, TabsExpandInDisplayColumns) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "a\tb");
  EXPECT_EQ(edit.BufferToDisplayPos({3, 1}).Column, 9);
  EXPECT_EQ(edit.BufferToDisplayPos({5, 1}).Column, 11) << "beyond the end, one column each";
  EXPECT_EQ(edit.DisplayToBufferPos({5, 1}).Char, 2) << "inside the TAB";
  EXPECT_EQ(edit.DisplayToBufferPos({12, 1}).Char, 6);
  edit.SetTabWidth(4);
  EXPECT_EQ(edit.BufferToDisplayPos({3, 1}).Column, 5);
}

TEST(CaretSelection, SelectWordChoosesWordBlankRunOrSymbol) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "int  foo_bar(x);");
  edit.SetCaretXY({8, 1});
  Exec(edit, ecSelWord);
  EXPECT_EQ(edit.SelText(), "foo_bar");
  edit.SelectWordAt({13, 1});
  EXPECT_EQ(edit.SelText(), "foo_bar") << "just after a word takes the word";
  edit.SelectWordAt({5, 1});
  EXPECT_EQ(edit.SelText(), "  ");
  edit.SelectWordAt({16, 1});
  EXPECT_EQ(edit.SelText(), ";");
  edit.SelectWordAt({40, 1});
  EXPECT_EQ(edit.SelText(), ";") << "beyond the end: the last character";
}

TEST(CaretSelection, VirtualSpaceHasAnEndEvenWithoutAScrollWidthLimit) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc");
  edit.SetWordWrap(true);
  edit.SetCaretXY({2000000000, 1});
  EXPECT_LE(edit.CaretX(), 65536);
  EXPECT_GT(edit.CaretX(), edit.MaxScrollWidth() + 1) << "wrapping lifts the scroll width limit";
  Type(edit, "x");
  EXPECT_EQ(edit.Lines().Get(0).size(), static_cast<std::size_t>(edit.CaretX() - 1));
}

TEST(CaretSelection, LineTextReplacesTheCaretLineAsOneUndoStep) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "one\r\ntwo");
  edit.SetCaretXY({9, 2});
  EXPECT_EQ(edit.LineText(), "two");
  edit.SetLineText("zwei");
  EXPECT_EQ(edit.Text(), "one\r\nzwei");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "one\r\ntwo");
  edit.SetText("");
  edit.SetLineText("first");
  EXPECT_EQ(edit.Text(), "first") << "an empty buffer gets its first line";
}
