#include <gtest/gtest.h>

#include "EditorTestSupport.h"

TEST(EditorMouse, ClickDragShiftClickAndDoubleClick) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "alpha beta\r\n\tgamma");
  EXPECT_FALSE(edit.MouseDown({3, 1}, ssNone, false));
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{3, 1}));
  edit.MouseMove({10, 2});  // the TAB covers columns 1-8
  EXPECT_EQ(edit.SelText(), "pha beta\r\n\tg");
  edit.MouseUp();
  edit.MouseMove({1, 1});
  EXPECT_EQ(edit.SelText(), "pha beta\r\n\tg") << "no button, no change";

  edit.MouseDown({8, 1}, ssShift, false);
  EXPECT_EQ(edit.SelText(), "pha b") << "Shift extends from the anchor";
  edit.MouseUp();
  edit.MouseDown({8, 1}, ssNone, true);
  EXPECT_EQ(edit.SelText(), "beta");
}

TEST(EditorMouse, PressInTheSelectionMayStartADrag) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "move this text");
  edit.SetCaretAndSelection({10, 1}, {6, 1}, {10, 1});
  EXPECT_TRUE(edit.MouseDown({7, 1}, ssNone, false));
  EXPECT_EQ(edit.SelText(), "this") << "the selection stays for the drag";
  edit.MouseUp();
  EXPECT_FALSE(edit.SelAvail()) << "released without dragging: caret placed";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{7, 1}));

  edit.SetCaretAndSelection({10, 1}, {6, 1}, {10, 1});
  ASSERT_TRUE(edit.MouseDown({7, 1}, ssNone, false));
  ASSERT_TRUE(edit.DropSelection({15, 1}, false));
  edit.MouseUp();
  EXPECT_EQ(edit.Text(), "move  textthis");
  EXPECT_EQ(edit.SelText(), "this") << "the drop decides the selection";
}

TEST(EditorMouse, SelectionScrollsWhileThePointerIsOutside) {
  TCustomScribEdit edit;
  std::string text;
  for (int i = 0; i < 50; ++i) text += "row\r\n";
  SetUpLikeMainWindow(edit, text);
  edit.SetLinesInWindow(10);
  edit.MouseDown({1, 5}, ssNone, false);
  edit.MouseMove({1, 10});
  edit.ScrollForSelection(3, 0);
  EXPECT_EQ(edit.TopLine(), 4);
  EXPECT_EQ(edit.CaretY(), 13);
  EXPECT_EQ(edit.BlockBegin(), (TBufferCoord{1, 5}));
  edit.MouseUp();
  edit.ScrollForSelection(3, 0);
  EXPECT_EQ(edit.TopLine(), 4) << "only while selecting";
}

TEST(EditorMouse, AltDragSelectsAColumnWhenAllowed) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abcd\r\nefgh");
  edit.SetOptions(kMainWindowEditorOptions | OptionBit(eoAltSetsColumnMode));
  edit.MouseDown({2, 1}, ssAlt, false);
  edit.MouseMove({4, 2});
  EXPECT_EQ(edit.SelText(), "bc\r\nfg");
  edit.MouseUp();
  edit.MouseDown({1, 1}, ssNone, false);
  edit.MouseMove({2, 2});
  EXPECT_EQ(edit.SelText(), "abcd\r\ne") << "a plain drag is normal again";
}

TEST(EditorMouse, DroppedFilesReachTheHostOnlyWhenAllowed) {
  TCustomScribEdit edit;
  std::vector<std::string> received;
  edit.OnDropFiles = [&](TCustomScribEdit&, int, int, const std::vector<std::string>& files) {
    received = files;
  };
  edit.DropFiles(5, 5, {"a.txt"});
  EXPECT_TRUE(received.empty()) << "a new editor does not take files";
  edit.SetOptions(kMainWindowEditorOptions);
  edit.DropFiles(5, 5, {"a.txt", "b.c"});
  EXPECT_EQ(received, (std::vector<std::string>{"a.txt", "b.c"}));
}
