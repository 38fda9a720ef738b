#include <gtest/gtest.h>

#include "EditorTestSupport.h"

TEST(EditCommands, TypingBeyondTheLineEndFillsTheGap) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "ab\r\n\r\n  ");
  edit.SetCaretXY({2, 1});
  Exec(edit, ecRight);
  Exec(edit, ecRight);
  Exec(edit, ecRight);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{5, 1})) << "Right passes the line end";
  Type(edit, "x");
  EXPECT_EQ(edit.Lines().Get(0), "ab  x") << "spaces on a line with text";
  edit.SetCaretXY({11, 2});
  Type(edit, "y");
  EXPECT_EQ(edit.Lines().Get(1), "\t  y") << "TABs and spaces on an empty line";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{5, 2}));
  edit.SetCaretXY({12, 3});
  Type(edit, "z");
  EXPECT_EQ(edit.Lines().Get(2), "  \t   z") << "a blank line counts as empty";
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Lines().Get(2), "  ") << "the fill undoes with the character";
}

TEST(EditCommands, TypingReplacesTheSelectionInItsMode) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "one\r\ntwo\r\nthree");
  edit.SetSelectionMode(smLine);
  edit.SetCaretAndSelection({2, 2}, {2, 1}, {2, 2});
  Type(edit, "x");
  EXPECT_EQ(edit.Text(), "x\r\nthree") << "a line selection is replaced by a whole line";
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "one\r\ntwo\r\nthree");

  edit.SetSelectionMode(smNormal);
  edit.SetCaretAndSelection({9, 1}, {6, 1}, {9, 1});
  Type(edit, "y");
  EXPECT_EQ(edit.Lines().Get(0), "one  y") << "a selection past the end fills up to its start";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{7, 1}));
}

TEST(EditCommands, ControlCharactersAreNotTypedAndOverwriteReplaces) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abcd");
  Exec(edit, ecChar, '\x07');
  Exec(edit, ecChar, '\x7f');
  EXPECT_EQ(edit.Text(), "abcd");
  Exec(edit, ecToggleMode);
  EXPECT_FALSE(edit.InsertMode());
  Type(edit, "XY");
  EXPECT_EQ(edit.Text(), "XYcd");
  edit.SetCaretXY({4, 1});
  Type(edit, "123");
  EXPECT_EQ(edit.Text(), "XYc123") << "overwrite at the end appends";
  Exec(edit, ecInsertMode);
  Type(edit, "!");
  EXPECT_EQ(edit.Text(), "XYc123!");
}

TEST(EditCommands, BackspaceSmartTabDelete) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "top\r\n    one\r\n        two\r\n        ");
  edit.SetCaretXY({9, 4});
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.Lines().Get(3), "    ") << "unindent to the nearest less-indented line";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{5, 4}));
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.Lines().Get(3), "");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Lines().Get(3), "        ") << "consecutive smart deletes undo together";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{9, 4}));

  edit.SetCaretXY({7, 2});
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.Lines().Get(1), "    oe") << "inside text: one character";
  edit.SetCaretXY({1, 2});
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.Lines().Get(0), "top    oe") << "column 1 joins with the line above";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{4, 1}));
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.Lines().Get(0), "to    oe");
}

TEST(EditCommands, BackspaceBeyondTheLineEndOnlyMovesTheCaret) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "    indented\r\n\r\nabc");
  edit.SetCaretXY({9, 2});
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{5, 2})) << "back to the indentation above";
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 2}));
  edit.SetCaretXY({9, 3});
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{4, 3}));
  EXPECT_EQ(edit.Text(), "    indented\r\n\r\nabc");
  EXPECT_FALSE(edit.CanUndo());
}

TEST(EditCommands, LineBreakKeepsIndentation) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "\t  if (x) y;");
  edit.SetCaretXY({10, 1});
  Exec(edit, ecLineBreak);
  EXPECT_EQ(edit.Text(), "\t  if (x)\r\n\t   y;") << "TABs for full widths, spaces for the rest";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{4, 2}));

  edit.SetText("  \tif (x) y;");
  edit.SetCaretXY({11, 1});
  Exec(edit, ecLineBreak);
  EXPECT_EQ(edit.Lines().Get(1), "\t  y;") << "a TAB after spaces still counts a whole width";

  edit.SetText("    abc");
  edit.SetCaretXY({8, 1});
  Exec(edit, ecLineBreak);
  EXPECT_EQ(edit.Text(), "    abc\r\n") << "no blanks written at the line end";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{5, 2}));
  Type(edit, "d");
  EXPECT_EQ(edit.Lines().Get(1), "    d");

  edit.SetText("x\r\nabc");
  edit.SetCaretXY({1, 2});
  Exec(edit, ecLineBreak);
  EXPECT_EQ(edit.Text(), "x\r\n\r\nabc") << "at column 1 a line goes in above";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 3}));

  edit.SetText("\tcode\r\n");
  edit.Lines().Add("");
  edit.SetCaretXY({1, 2});
  Exec(edit, ecLineBreak);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{9, 3})) << "empty line: the indentation above in columns";
}

TEST(EditCommands, InsertLineLeavesTheCaretAndUndoesInOneStep) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abcdef");
  edit.SetCaretAndSelection({4, 1}, {2, 1}, {4, 1});
  Exec(edit, ecInsertLine);
  EXPECT_EQ(edit.Text(), "a\r\ndef");
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{2, 1}));
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "abcdef");
}

TEST(EditCommands, EndTwiceAndHome) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "  text  \t ");
  Exec(edit, ecLineEnd);
  EXPECT_EQ(edit.CaretX(), 7);
  Exec(edit, ecLineEnd);
  EXPECT_EQ(edit.CaretX(), 11);
  Exec(edit, ecLineStart);
  EXPECT_EQ(edit.CaretX(), 1);
  Exec(edit, ecSelLineEnd);
  EXPECT_EQ(edit.SelText(), "  text");
}

TEST(EditCommands, VerticalMovesKeepTheColumn) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "\tabc\r\nx\r\n12345678901");
  edit.SetCaretXY({3, 1});  // display column 10
  Exec(edit, ecDown);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{10, 2})) << "beyond the end of a short line";
  Exec(edit, ecDown);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{10, 3}));
  Exec(edit, ecDown);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{10, 3})) << "stays on the last row";
  Exec(edit, ecSelUp);
  Exec(edit, ecSelUp);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{3, 1}));
  EXPECT_EQ(edit.SelectionAnchor(), (TBufferCoord{10, 3}));
  Exec(edit, ecLeft);
  EXPECT_FALSE(edit.SelAvail());
}

TEST(EditCommands, PageMovesUseTheWindowSize) {
  TCustomScribEdit edit;
  std::string text;
  for (int i = 1; i <= 100; ++i) text += "line " + std::to_string(i) + "\r\n";
  SetUpLikeMainWindow(edit, text);
  edit.SetLinesInWindow(10);
  edit.SetCharsInWindow(20);
  Exec(edit, ecPageDown);
  EXPECT_EQ(edit.CaretY(), 10) << "one less than the window";
  EXPECT_EQ(edit.TopLine(), 10);
  Exec(edit, ecPageBottom);
  EXPECT_EQ(edit.CaretY(), 19);
  Exec(edit, ecPageTop);
  EXPECT_EQ(edit.CaretY(), 10);
  Exec(edit, ecSelPageUp);
  EXPECT_EQ(edit.CaretY(), 1);
  EXPECT_EQ(edit.TopLine(), 1);
  EXPECT_EQ(edit.SelText(), std::string(text, 0, edit.SelLength()));
  Exec(edit, ecEditorBottom);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{9, 100})) << "a final line break adds no line";
  EXPECT_EQ(edit.TopLine(), 91);
  Exec(edit, ecPageRight);
  EXPECT_EQ(edit.CaretX(), 29);
  Exec(edit, ecPageLeft);
  EXPECT_EQ(edit.CaretX(), 9);
  Exec(edit, ecEditorTop);
  Exec(edit, ecScrollDown);
  Exec(edit, ecScrollDown);
  EXPECT_EQ(edit.TopLine(), 3);
  EXPECT_EQ(edit.CaretY(), 3) << "the caret is pulled along only when it leaves the window";
  Exec(edit, ecScrollUp);
  EXPECT_EQ(edit.CaretY(), 3);
}

TEST(EditCommands, WordMovesAndDeletes) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "alpha, beta.gamma\r\n  next");
  Exec(edit, ecWordRight);
  EXPECT_EQ(edit.CaretX(), 8);
  Exec(edit, ecWordRight);
  EXPECT_EQ(edit.CaretX(), 13);
  Exec(edit, ecWordRight);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{18, 1})) << "the last word runs to the line end";
  Exec(edit, ecWordRight);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{3, 2})) << "the first word of the next line";
  Exec(edit, ecWordLeft);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{18, 1})) << "only blanks before: the line above";
  Exec(edit, ecWordLeft);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{13, 1}));
  Exec(edit, ecDeleteLastWord);
  EXPECT_EQ(edit.Lines().Get(0), "alpha, gamma");
  edit.SetCaretXY({1, 1});
  Exec(edit, ecDeleteWord);
  EXPECT_EQ(edit.Lines().Get(0), "gamma");
  Exec(edit, ecDeleteEOL);
  EXPECT_EQ(edit.Lines().Get(0), "");
  edit.SetCaretXY({5, 2});
  Exec(edit, ecDeleteBOL);
  EXPECT_EQ(edit.Lines().Get(1), "xt");
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 2}));
}

TEST(EditCommands, DeleteCharJoinsAtTheCaretColumn) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "ab\r\ncd\r\nef");
  Exec(edit, ecDeleteChar);
  EXPECT_EQ(edit.Lines().Get(0), "b");
  edit.SetCaretXY({4, 1});
  Exec(edit, ecDeleteChar);
  EXPECT_EQ(edit.Text(), "b  cd\r\nef");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "b\r\ncd\r\nef") << "the fill goes with the join";
  edit.SetCaretXY({3, 3});
  Exec(edit, ecDeleteChar);
  EXPECT_EQ(edit.Text(), "b\r\ncd\r\nef") << "nothing after the last line";
}

TEST(EditCommands, DeleteLineEmptiesTheLastLine) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "one\r\ntwo\r\nthree");
  edit.SetCaretAndSelection({2, 2}, {1, 1}, {2, 2});
  Exec(edit, ecDeleteLine);
  EXPECT_EQ(edit.Text(), "one\r\nthree");
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 2}));
  Exec(edit, ecDeleteLine);
  EXPECT_EQ(edit.Text(), "one\r\n");
  EXPECT_EQ(edit.Lines().Count(), 2);
  Exec(edit, ecDeleteLine);
  EXPECT_EQ(edit.Lines().Count(), 2) << "an empty last line stays";
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "one\r\ntwo\r\nthree");
}

TEST(EditCommands, TabAndShiftTab) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc");
  edit.SetCaretAndSelection({3, 1}, {2, 1}, {3, 1});
  Exec(edit, ecTab);
  EXPECT_EQ(edit.Text(), "a\tc");
  EXPECT_EQ(edit.CaretX(), 3);
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "abc") << "the selection comes back with the same undo";
  Exec(edit, ecOverwriteMode);
  edit.SetCaretXY({6, 1});
  Exec(edit, ecTab);
  EXPECT_EQ(edit.Text(), "abc  \t") << "inserted even in overwrite mode, after the fill";

  edit.SetText("x          y");
  edit.SetCaretXY({12, 1});  // column 12
  Exec(edit, ecShiftTab);
  EXPECT_EQ(edit.Text(), "x       y") << "back to the tab stop at column 9";
  EXPECT_EQ(edit.CaretX(), 9);
  Exec(edit, ecShiftTab);
  EXPECT_EQ(edit.Text(), "xy");
  EXPECT_EQ(edit.CaretX(), 2);
  Exec(edit, ecShiftTab);
  EXPECT_EQ(edit.Text(), "xy") << "no blank before the caret";
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "x          y");
}

TEST(EditCommands, BlockIndentAndUnindent) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "a\r\n    b\r\n\tc\r\nd");
  edit.SetCaretAndSelection({1, 4}, {1, 1}, {1, 4});
  Exec(edit, ecBlockIndent);
  EXPECT_EQ(edit.Text(), "\ta\r\n\t    b\r\n\t\tc\r\nd") << "a selection ending at column 1";
  Exec(edit, ecBlockIndent);
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "\ta\r\n\t    b\r\n\t\tc\r\nd") << "indents never merge";
  Exec(edit, ecBlockUnindent);
  Exec(edit, ecBlockUnindent);
  EXPECT_EQ(edit.Text(), "a\r\nb\r\nc\r\nd");
  Exec(edit, ecBlockUnindent);
  EXPECT_EQ(edit.Text(), "a\r\nb\r\nc\r\nd");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "a\r\n    b\r\n\tc\r\nd") << "only the second unindent";
  Exec(edit, ecRedo);
  EXPECT_EQ(edit.Text(), "a\r\nb\r\nc\r\nd");

  edit.SetCaretAndSelection({2, 2}, {1, 1}, {2, 2});
  Exec(edit, ecBlockIndent);
  EXPECT_EQ(edit.SelText(), "\ta\r\n\tb") << "the selection grows with its lines";
}

TEST(EditCommands, CaseCommands) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "hello w\xE9rld ABC");
  edit.SetCaretXY({3, 1});
  Exec(edit, ecUpperCase);
  EXPECT_EQ(edit.Text(), "HELLO w\xE9rld ABC") << "the word at the caret";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{3, 1}));
  edit.SetCaretAndSelection({12, 1}, {7, 1}, {12, 1});
  Exec(edit, ecUpperCaseBlock);
  EXPECT_EQ(edit.Text(), "HELLO W\xC9RLD ABC") << "accented letters through the code page";
  EXPECT_EQ(edit.SelText(), "W\xC9RLD");
  Exec(edit, ecToggleCase);
  EXPECT_EQ(edit.SelText(), "w\xE9rld");
  edit.SelectAll();
  Exec(edit, ecTitleCase);
  EXPECT_EQ(edit.Text(), "Hello W\xE9rld Abc");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "HELLO w\xE9rld ABC");
  edit.SetCaretXY({2, 1});
  Exec(edit, ecLowerCaseBlock);
  EXPECT_EQ(edit.Text(), "HELLO w\xE9rld ABC") << "block commands need a selection";
}

TEST(EditCommands, MatchBracketAcrossLines) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "f(a[1], (b)\r\n  )x<");
  Exec(edit, ecMatchBracket);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 1})) << "no bracket at the caret";
  edit.SetCaretXY({2, 1});
  Exec(edit, ecMatchBracket);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{3, 2}));
  Exec(edit, ecMatchBracket);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{2, 1}));
  edit.SetCaretXY({5, 2});
  Exec(edit, ecMatchBracket);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{5, 2})) << "unmatched";
}

TEST(EditCommands, BookmarksSetJumpToggleAndFollowLines) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "a\r\nb\r\nc\r\nd");
  edit.SetCaretXY({1, 3});
  Exec(edit, ecSetMarker0 + 2);
  edit.SetCaretXY({1, 1});
  Exec(edit, ecGotoMarker0 + 2);
  EXPECT_EQ(edit.CaretY(), 3);
  edit.SetCaretXY({1, 1});
  Exec(edit, ecLineBreak);
  TBufferCoord mark;
  ASSERT_TRUE(edit.GetBookMark(2, mark));
  EXPECT_EQ(mark.Line, 4) << "the bookmark moves with its line";
  const TBufferCoord elsewhere{1, 2};
  Exec(edit, ecSetMarker0 + 2, '\0', &elsewhere);
  ASSERT_TRUE(edit.GetBookMark(2, mark));
  EXPECT_EQ(mark.Line, 2);
  Exec(edit, ecSetMarker0 + 2, '\0', &elsewhere);
  EXPECT_FALSE(edit.GetBookMark(2, mark)) << "setting it again on its line removes it";
  edit.SetBookmarkKeysEnabled(false);
  Exec(edit, ecSetMarker0 + 5);
  EXPECT_FALSE(edit.GetBookMark(5, mark));
}

TEST(EditCommands, ReadOnlyIgnoresTextChanges) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc");
  edit.SetReadOnly(true);
  for (TScribEditorCommand command : {ecDeleteChar, ecDeleteLastChar, ecLineBreak, ecTab,
                                      ecDeleteLine, ecBlockIndent, ecUpperCase, ecClearAll})
    Exec(edit, command);
  Type(edit, "x");
  edit.SetSelText("y");
  EXPECT_EQ(edit.Text(), "abc");
  Exec(edit, ecRight);
  EXPECT_EQ(edit.CaretX(), 2) << "moves still work";
}

namespace {

// Stands in for an editor whose highlighter marks "..." as a string.
class StringAwareEdit : public TCustomScribEdit {
 public:
  bool IsBracketIgnored(TBufferCoord position) const override {
    const std::string_view line = Lines().Get(position.Line - 1);
    int quotes = 0;
    for (int i = 0; i < position.Char - 1; ++i) quotes += line[i] == '"';
    return quotes % 2 == 1;
  }
  bool IsWordChar(unsigned char c) const override {
    return c == '-' || TCustomScribEdit::IsWordChar(c);
  }
};

}  // namespace

TEST(EditCommands, HighlighterHooksShapeBracketsAndWords) {
  StringAwareEdit edit;
  SetUpLikeMainWindow(edit, "f(\")\", x-y)");
  edit.SetCaretXY({2, 1});
  Exec(edit, ecMatchBracket);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{11, 1})) << "the bracket in the string is skipped";
  edit.SetCaretXY({8, 1});
  Exec(edit, ecSelWord);
  EXPECT_EQ(edit.SelText(), "x-y");
}

TEST(EditCommands, TabsToSpacesFillsToTheNextStop) {
  TCustomScribEdit edit;
  edit.SetText("ab");
  edit.SetWantTabs(true);
  edit.SetTabWidth(4);
  edit.SetCaretXY({2, 1});
  EXPECT_TRUE(edit.HasOption(eoTabsToSpaces)) << "a new editor converts tabs";
  Exec(edit, ecTab);
  EXPECT_EQ(edit.Text(), "a   b");
  EXPECT_EQ(edit.CaretX(), 5);
}

TEST(EditCommands, HostChangesToLinesKeepTheCaretInside) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "a\r\nb\r\nc");
  edit.SetCaretAndSelection({2, 3}, {1, 1}, {2, 3});
  edit.Lines().DeleteLines(1, 2);
  EXPECT_EQ(edit.CaretY(), 1);
  EXPECT_FALSE(edit.SelAvail()) << "the end of a host change collapses the selection";
  Type(edit, "x");
  EXPECT_EQ(edit.Text(), "ax");
}

TEST(EditCommands, GotoStringAndInputMethodCommands) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "first line\r\nsecond");
  const TBufferCoord target{3, 2};
  Exec(edit, ecGotoXY, '\0', &target);
  EXPECT_EQ(edit.CaretXY(), target);
  const TBufferCoord back{7, 1};
  Exec(edit, ecSelGotoXY, '\0', &back);
  EXPECT_EQ(edit.SelText(), "line\r\nse");
  const std::string text = "X\r\nY";
  Exec(edit, ecString, '\0', &text);
  EXPECT_EQ(edit.Text(), "first X\r\nYcond");
  Exec(edit, ecOverwriteMode);
  const std::string ime = "ab";
  Exec(edit, ecImeStr, '\0', &ime);
  EXPECT_EQ(edit.Text(), "first X\r\nYabnd") << "overwrites as many characters as it inserts";
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "first X\r\nYcond");
}

TEST(EditCommands, CaretStaysInViewWhenMovedFar) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, std::string(300, 'x') + "\r\nshort");
  edit.SetLinesInWindow(1);
  edit.SetCharsInWindow(40);
  Exec(edit, ecLineEnd);
  EXPECT_EQ(edit.CaretX(), 301);
  EXPECT_EQ(edit.LeftChar(), 301 - 40 + 1);
  Exec(edit, ecDown);
  EXPECT_EQ(edit.TopLine(), 2);
  Exec(edit, ecLineStart);
  EXPECT_EQ(edit.LeftChar(), 1);
  edit.SetTopLine(-5);
  EXPECT_EQ(edit.TopLine(), 1);
  edit.SetTopLine(50);
  EXPECT_EQ(edit.TopLine(), 2) << "no scrolling past the last line";
  edit.SetMaxScrollWidth(100);
  edit.SetCaretXY({400, 1});
  EXPECT_EQ(edit.CaretX(), 301) << "a line longer than the scroll width stays reachable";
}

TEST(EditCommands, OptionsTheMainWindowLeavesOff) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "  ab\r\n  cd");
  edit.SetOptions(kMainWindowEditorOptions | OptionBit(eoEnhanceHomeKey) | OptionBit(eoTabIndent));
  edit.SetCaretXY({5, 1});
  Exec(edit, ecLineStart);
  EXPECT_EQ(edit.CaretX(), 3) << "Home goes to the text first";
  Exec(edit, ecLineStart);
  EXPECT_EQ(edit.CaretX(), 1);
  Exec(edit, ecSelDown);
  Exec(edit, ecTab);
  EXPECT_EQ(edit.Text(), "\t  ab\r\n  cd") << "Tab indents a selection over several lines";
  Exec(edit, ecShiftTab);
  EXPECT_EQ(edit.Text(), "  ab\r\n  cd");
  edit.SetOptions(kMainWindowEditorOptions | OptionBit(eoNoSelection));
  Exec(edit, ecSelRight);
  EXPECT_FALSE(edit.SelAvail());
}

TEST(EditCommands, SmartBackspaceInsideTheIndentationCountsTheWholeIndentation) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "      above\r\n\t       x");
  edit.SetCaretXY({4, 2});  // after the TAB and two spaces; 8 blanks lead the line
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.Lines().Get(1), "\t     x") << "two blanks go, leaving 6 like the line above";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{2, 2}));
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Lines().Get(1), "\t       x");
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{4, 2}));
}

TEST(EditCommands, ARightEdgeBeyondTheScrollingWidthCanBeReached) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "x");
  edit.SetRightEdge(2000);
  edit.SetCaretXY({2001, 1});
  EXPECT_EQ(edit.CaretX(), 2001);
  EXPECT_GT(edit.LeftChar() + edit.CharsInWindow(), 2000) << "scrolled to the margin";
}
