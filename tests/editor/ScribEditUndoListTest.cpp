#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/ScribEditUndoList.h"

namespace {

void Add(TScribEditUndoList& list, TScribChangeReason reason, const std::string& text = "") {
  list.AddChange(reason, TBufferCoord{1, 1}, TBufferCoord{2, 1}, text, smNormal);
}

std::vector<int> ChangeNumbersFromTop(TScribEditUndoList& list) {
  std::vector<int> numbers;
  while (auto item = list.PopItem()) numbers.push_back(item->ChangeNumber);
  return numbers;
}

}  // namespace

TEST(ScribEditUndoList, RecordsCarryReasonPositionsTextAndFreshNumbers) {
  TScribEditUndoList list;
  EXPECT_FALSE(list.CanUndo());
  EXPECT_EQ(list.LastChangeReason(), urNothing);
  EXPECT_EQ(list.PeekItem(), nullptr);
  EXPECT_FALSE(list.PopItem().has_value());

  list.AddChange(urDelete, TBufferCoord{3, 4}, TBufferCoord{5, 6}, "gone", smColumn);
  const TScribEditUndoItem* top = list.PeekItem();
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->ChangeReason, urDelete);
  EXPECT_EQ(top->ChangeSelMode, smColumn);
  EXPECT_EQ(top->ChangeStartPos, (TBufferCoord{3, 4}));
  EXPECT_EQ(top->ChangeEndPos, (TBufferCoord{5, 6}));
  EXPECT_EQ(top->ChangeStr, "gone");
  Add(list, urInsert);
  Add(list, urInsert);
  EXPECT_EQ(list.LastChangeReason(), urInsert);
  EXPECT_EQ(list.ItemCount(), 3);
  EXPECT_EQ(ChangeNumbersFromTop(list), (std::vector<int>{3, 2, 1}));
}

TEST(ScribEditUndoList, NestedBlocksShareOneNumberAndReportOnceWhenClosed) {
  TScribEditUndoList list;
  int added = 0;
  list.OnAddedUndo = [&](TScribEditUndoList&) { ++added; };
  Add(list, urInsert);
  list.BeginBlock();
  Add(list, urDelete);
  list.BeginBlock();
  Add(list, urInsert);
  list.EndBlock();
  EXPECT_EQ(list.BlockCount(), 1);
  Add(list, urLineBreak);
  EXPECT_EQ(added, 4);
  list.EndBlock();
  EXPECT_EQ(added, 5) << "the finished block is reported once more";
  EXPECT_EQ(list.BlockChangeNumber(), 0);
  list.EndBlock();  // unbalanced: ignored
  EXPECT_EQ(list.BlockCount(), 0);

  list.BeginBlock();
  list.EndBlock();
  EXPECT_EQ(added, 5) << "an empty block reports nothing";
  Add(list, urInsert);
  EXPECT_EQ(ChangeNumbersFromTop(list), (std::vector<int>{4, 2, 2, 2, 1}));
}

TEST(ScribEditUndoList, LentBlockNumberMarksRecordsWithoutOpeningABlock) {
  // The editor gives the redo list the undone action's number this way.
  TScribEditUndoList redo;
  redo.SetBlockChangeNumber(17);
  Add(redo, urInsert);
  Add(redo, urInsert);
  redo.SetBlockChangeNumber(0);
  Add(redo, urInsert);
  EXPECT_EQ(ChangeNumbersFromTop(redo), (std::vector<int>{1, 17, 17}));
}

TEST(ScribEditUndoList, GroupBreaksAreNotDoubledAndNotReported) {
  TScribEditUndoList list;
  int added = 0;
  list.OnAddedUndo = [&](TScribEditUndoList&) { ++added; };
  list.AddGroupBreak();
  list.AddGroupBreak();
  EXPECT_EQ(list.ItemCount(), 1);
  EXPECT_EQ(added, 0);
  const TScribEditUndoItem* top = list.PeekItem();
  EXPECT_EQ(top->ChangeReason, urGroupBreak);
  EXPECT_EQ(top->ChangeStartPos, (TBufferCoord{0, 0}));
  EXPECT_NE(top->ChangeNumber, 0);
  Add(list, urInsert);
  list.AddGroupBreak();
  EXPECT_EQ(list.ItemCount(), 3);
}

TEST(ScribEditUndoList, LockedListRecordsNothing) {
  TScribEditUndoList list;
  list.Lock();
  list.Lock();
  list.Unlock();
  Add(list, urInsert);
  list.AddGroupBreak();
  list.Unlock();
  list.Unlock();  // never below zero
  EXPECT_FALSE(list.CanUndo());
  Add(list, urInsert);
  EXPECT_EQ(list.ItemCount(), 1);
  list.Lock();
  EXPECT_TRUE(list.IsLocked());
}

TEST(ScribEditUndoList, MaxUndoDropsTheOldestRecords) {
  TScribEditUndoList list;
  list.SetMaxUndoActions(2);
  Add(list, urInsert, "1");
  Add(list, urInsert, "2");
  EXPECT_FALSE(list.FullUndoImpossible());
  Add(list, urInsert, "3");
  EXPECT_TRUE(list.FullUndoImpossible());
  EXPECT_EQ(list.PopItem()->ChangeStr, "3");
  EXPECT_EQ(list.PopItem()->ChangeStr, "2");
  EXPECT_FALSE(list.CanUndo());

  for (int i = 0; i < 5; ++i) Add(list, urInsert);
  list.SetMaxUndoActions(-4);
  EXPECT_EQ(list.MaxUndoActions(), 0);
  EXPECT_EQ(list.ItemCount(), 0) << "a lower maximum trims at once";
  int added = 0;
  list.OnAddedUndo = [&](TScribEditUndoList&) { ++added; };
  Add(list, urInsert);
  EXPECT_FALSE(list.CanUndo()) << "MaxUndo 0 keeps nothing";
  EXPECT_EQ(added, 1) << "the editor still learns of the change";
  list.Clear();
  EXPECT_FALSE(list.FullUndoImpossible());
}

TEST(ScribEditUndoList, InitialStateMarksTheSavedTop) {
  TScribEditUndoList list;
  EXPECT_TRUE(list.InitialState()) << "a new empty list is at the saved state";
  Add(list, urInsert);
  EXPECT_FALSE(list.InitialState());
  list.AddGroupBreak();
  list.SetInitialState(true);  // saved
  EXPECT_TRUE(list.InitialState());
  Add(list, urInsert);
  EXPECT_FALSE(list.InitialState());
  list.PopItem();
  EXPECT_TRUE(list.InitialState()) << "undoing back to the save";
  list.PopItem();
  EXPECT_FALSE(list.InitialState());
  list.PopItem();
  EXPECT_FALSE(list.InitialState()) << "empty, but the save came after a change";

  list.SetInitialState(true);
  EXPECT_TRUE(list.InitialState());
  list.SetInitialState(false);
  EXPECT_FALSE(list.InitialState()) << "saved state made unreachable";
  Add(list, urInsert);
  list.PopItem();
  EXPECT_FALSE(list.InitialState());
  list.SetInitialState(false);  // not at the saved state: nothing changes
  list.SetInitialState(true);
  EXPECT_TRUE(list.InitialState());
}

TEST(ScribEditUndoList, DroppedRecordsMakeTheUnsavedStartUnreachable) {
  // Saved when empty, then more changes than MaxUndo: undoing all that is
  // left does not restore the saved text, so it must not look unmodified.
  TScribEditUndoList list;
  list.SetMaxUndoActions(2);
  Add(list, urInsert);
  Add(list, urInsert);
  Add(list, urInsert);
  list.PopItem();
  list.PopItem();
  EXPECT_FALSE(list.CanUndo());
  EXPECT_FALSE(list.InitialState());

  TScribEditUndoList none;
  none.SetMaxUndoActions(0);
  Add(none, urInsert);
  EXPECT_FALSE(none.InitialState()) << "with MaxUndo 0 any change leaves the saved state";

  TScribEditUndoList partly;
  partly.SetMaxUndoActions(3);
  Add(partly, urInsert);
  partly.BeginBlock();
  Add(partly, urDelete);
  Add(partly, urInsert);
  partly.EndBlock();
  partly.SetInitialState(true);
  Add(partly, urInsert);
  Add(partly, urInsert);  // drops the first record and one of the block's
  partly.PopItem();
  partly.PopItem();
  EXPECT_TRUE(partly.InitialState()) << "a save inside the kept records is still reachable";
}

TEST(ScribEditUndoList, AssignCopiesRecordsAndSettingsButNotTheEvent) {
  TScribEditUndoList source;
  source.SetMaxUndoActions(7);
  Add(source, urInsert, "a");
  source.SetInitialState(true);
  source.BeginBlock();
  Add(source, urDelete, "b");

  TScribEditUndoList copy;
  int added = 0;
  copy.OnAddedUndo = [&](TScribEditUndoList&) { ++added; };
  Add(copy, urPaste);
  copy.Assign(source);
  EXPECT_EQ(copy.ItemCount(), 2);
  EXPECT_EQ(copy.MaxUndoActions(), 7);
  EXPECT_EQ(copy.BlockCount(), 1);
  Add(copy, urInsert, "c");
  EXPECT_EQ(added, 2) << "keeps its own event";
  copy.EndBlock();
  EXPECT_EQ(copy.PopItem()->ChangeNumber, copy.PopItem()->ChangeNumber) << "same open block";
  EXPECT_TRUE(copy.InitialState());
}
