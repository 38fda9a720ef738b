#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "MemoryClipboard.h"

namespace {

// A clipboard that another program holds open.
class BrokenClipboard : public MemoryClipboard {
 public:
  bool HasText() const override { return true; }
  std::string GetText() const override { throw std::runtime_error("locked"); }
  void SetTextWithBlock(const std::string&, unsigned char) override {
    throw std::runtime_error("locked");
  }
};

}  // namespace

TEST(EditorClipboard, CopyPutsTextAndModeAndPasteUndoesInOneStep) {
  MemoryClipboard clipboard;
  TCustomScribEdit edit;
  edit.SetClipboard(&clipboard);
  SetUpLikeMainWindow(edit, "one two\r\nthree");
  Exec(edit, ecCopy);
  EXPECT_FALSE(clipboard.HasText()) << "nothing without a selection";
  edit.SetCaretAndSelection({4, 2}, {5, 1}, {4, 2});
  Exec(edit, ecCopy);
  EXPECT_EQ(clipboard.GetText(), "two\r\nthr");
  EXPECT_EQ(clipboard.GetBlock().value().selectionMode, 0);

  edit.SetCaretAndSelection({4, 1}, {1, 1}, {4, 1});
  Exec(edit, ecPaste);
  EXPECT_EQ(edit.Text(), "two\r\nthr two\r\nthree");
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{4, 2}));
  EXPECT_FALSE(edit.SelAvail());
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "one two\r\nthree") << "paste and the replaced selection in one step";
  Exec(edit, ecRedo);
  EXPECT_EQ(edit.Text(), "two\r\nthr two\r\nthree");
  edit.SetCaretAndSelection({12, 3}, {9, 3}, {12, 3});
  Exec(edit, ecCopy);
  EXPECT_EQ(clipboard.GetText(), "   ") << "a selection past the line end copies its blanks";
}

TEST(EditorClipboard, ColumnCopyPastesAsAColumn) {
  MemoryClipboard clipboard;
  TCustomScribEdit edit;
  edit.SetClipboard(&clipboard);
  SetUpLikeMainWindow(edit, "abcd\r\nefgh\r\nij");
  Exec(edit, ecColumnSelect);
  edit.SetCaretAndSelection({4, 2}, {2, 1}, {4, 2});
  Exec(edit, ecCopy);
  EXPECT_EQ(clipboard.GetText(), "bc\r\nfg");
  EXPECT_EQ(clipboard.GetBlock().value().selectionMode, 2);
  Exec(edit, ecNormalSelect);
  edit.SetCaretXY({4, 3});
  Exec(edit, ecPaste);
  EXPECT_EQ(edit.Text(), "abcd\r\nefgh\r\nij bc\r\n   fg") << "the stored mode wins";
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "abcd\r\nefgh\r\nij");
}

TEST(EditorClipboard, TextFromOtherProgramsPastesInTheCurrentMode) {
  MemoryClipboard clipboard;
  TCustomScribEdit edit;
  edit.SetClipboard(&clipboard);
  SetUpLikeMainWindow(edit, "abc\r\ndef");
  clipboard.SetText("X\r\nY");
  edit.SetSelectionMode(smColumn);
  edit.SetCaretXY({2, 1});
  Exec(edit, ecPaste);
  EXPECT_EQ(edit.Text(), "aXbc\r\ndYef");
  edit.SetSelectionMode(smLine);
  edit.SetCaretXY({3, 2});
  Exec(edit, ecPaste);
  EXPECT_EQ(edit.Text(), "aXbc\r\nX\r\nY\r\ndYef") << "line mode: whole lines above the caret";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 4}));
}

TEST(EditorClipboard, CutRemovesTheSelectionAndReadOnlyKeepsIt) {
  MemoryClipboard clipboard;
  TCustomScribEdit edit;
  edit.SetClipboard(&clipboard);
  SetUpLikeMainWindow(edit, "line1\r\nline2\r\nline3");
  Exec(edit, ecLineSelect);
  edit.SetCaretAndSelection({2, 2}, {2, 2}, {3, 2});
  edit.SetReadOnly(true);
  Exec(edit, ecCut);
  EXPECT_EQ(edit.Text(), "line1\r\nline2\r\nline3");
  edit.SetReadOnly(false);
  Exec(edit, ecCut);
  EXPECT_EQ(clipboard.GetText(), "line2\r\n");
  EXPECT_EQ(clipboard.GetBlock().value().selectionMode, 1);
  EXPECT_EQ(edit.Text(), "line1\r\nline3");
  edit.SetCaretXY({3, 1});
  Exec(edit, ecPaste);
  EXPECT_EQ(edit.Text(), "line2\r\nline1\r\nline3");
  Exec(edit, ecUndo);
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "line1\r\nline2\r\nline3");
}

TEST(EditorClipboard, FailuresRaiseAndLeaveTheTextAndUndoIntact) {
  BrokenClipboard clipboard;
  TCustomScribEdit edit;
  edit.SetClipboard(&clipboard);
  SetUpLikeMainWindow(edit, "abc");
  edit.SelectAll();
  try {
    Exec(edit, ecCut);
    FAIL() << "no error";
  } catch (const EScribEditError& error) {
    EXPECT_STREQ(error.what(), "Clipboard copy operation failed");
  }
  EXPECT_EQ(edit.Text(), "abc");
  try {
    Exec(edit, ecPaste);
    FAIL() << "no error";
  } catch (const EScribEditError& error) {
    EXPECT_STREQ(error.what(), "Clipboard paste operation failed.");
  }
  EXPECT_EQ(edit.UndoList().BlockCount(), 0) << "the undo block is closed";
  Type(edit, "x");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "abc");
}

TEST(EditorDragDrop, MoveAndCopyAreOneUndoStep) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "hello big world");
  edit.SetCaretAndSelection({10, 1}, {7, 1}, {10, 1});  // "big"
  EXPECT_FALSE(edit.DropSelection({8, 1}, false)) << "inside the selection";
  EXPECT_FALSE(edit.DropSelection({10, 1}, false)) << "the ends count as inside for a move";
  EXPECT_TRUE(edit.CanDropSelection({10, 1}, true)) << "but outside for a copy";
  ASSERT_TRUE(edit.DropSelection({16, 1}, false));
  EXPECT_EQ(edit.Text(), "hello  worldbig");
  EXPECT_EQ(edit.SelText(), "big") << "the dropped text is selected";
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "hello big world");

  edit.SetCaretAndSelection({6, 1}, {1, 1}, {6, 1});  // "hello"
  ASSERT_TRUE(edit.DropSelection({16, 1}, true));
  EXPECT_EQ(edit.Text(), "hello big worldhello");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "hello big world");
}

TEST(EditorDragDrop, MovingDownAcrossLinesLandsWhereDropped) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "ab\r\ncd\r\nef");
  edit.SetCaretAndSelection({2, 2}, {2, 1}, {2, 2});  // "b\r\nc"
  ASSERT_TRUE(edit.DropSelection({2, 3}, false));
  EXPECT_EQ(edit.Text(), "ad\r\neb\r\ncf");
  edit.SetReadOnly(true);
  EXPECT_FALSE(edit.DropSelection({1, 1}, false));
}

TEST(EditorClipboard, AFailedCommandLeavesNoLockOrBlockOpen) {
  BrokenClipboard clipboard;
  TCustomScribEdit edit;
  edit.SetClipboard(&clipboard);
  SetUpLikeMainWindow(edit, "abc");
  int reports = 0;
  edit.OnStatusChange = [&](TCustomScribEdit&, TScribStatusChanges) { ++reports; };
  edit.SelectAll();
  EXPECT_THROW(Exec(edit, ecCut), EScribEditError);
  EXPECT_THROW(Exec(edit, ecPaste), EScribEditError);
  EXPECT_EQ(edit.PaintLock(), 0);
  EXPECT_EQ(edit.UndoList().BlockCount(), 0);
  reports = 0;
  Exec(edit, ecRight);
  EXPECT_EQ(reports, 1) << "status is still reported";
  Type(edit, "x");
  Type(edit, "y");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "abc") << "typing still groups as usual";
}
