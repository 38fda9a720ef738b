#include <gtest/gtest.h>

#include "editor/ScribEditKeyCmds.h"

TEST(EditorCommandNames, ConvertBothWaysAndFallBackToNumbers) {
  EXPECT_EQ(EditorCommandNameCount(), 101);
  EXPECT_EQ(EditorCommandToCodeString(ecSelPageBottom), "ecSelPageBottom");
  EXPECT_EQ(EditorCommandToCodeString(ecGotoMarker0 + 4), "ecGotoMarker4");
  EXPECT_EQ(EditorCommandToCodeString(ecSetMarker9), "ecSetMarker9");
  EXPECT_EQ(EditorCommandToCodeString(624), "624") << "a gap in the case commands";
  EXPECT_EQ(EditorCommandToCodeString(1002), "1002");
  EXPECT_EQ(CodeStringToEditorCommand("ecPaste"), ecPaste);
  EXPECT_EQ(CodeStringToEditorCommand("ECPASTE"), ecPaste);
  EXPECT_EQ(CodeStringToEditorCommand("ecUserFirst"), 1001);
  EXPECT_FALSE(CodeStringToEditorCommand("ecNoSuchThing").has_value());
  // Every name converts back to its own number.
  for (int command = 0; command <= 1001; ++command) {
    const std::string name = EditorCommandToCodeString(command);
    if (name.rfind("ec", 0) == 0) {
      EXPECT_EQ(CodeStringToEditorCommand(name), command) << name;
    }
  }
}

TEST(ShortCut, CombinesKeyAndModifiers) {
  EXPECT_EQ(ShortCutOf('A', ssCtrl), 0x4041);
  EXPECT_EQ(ShortCutOf(vk::Back, ssAlt | ssShift), 0xA008);
  std::uint16_t key;
  TShiftState shift;
  ShortCutToKey(0x6000 | 'Z', key, shift);
  EXPECT_EQ(key, 'Z');
  EXPECT_EQ(shift, ssCtrl | ssShift);
}

TEST(KeyStrokes, DefaultTableFollowsItsOrderAndHasNoTwoKeyBindings) {
  TScribEditKeyStrokes strokes;
  strokes.ResetDefaults();
  // 30 cursor bindings, then Insert/Delete 5, Backspace 5, Enter 2, Tab 2, F1,
  // Ctrl letters 4 + 2 + 7, bookmarks 20, selection modes and brackets 4.
  EXPECT_EQ(strokes.Count(), 82);
  for (int i = 0; i < strokes.Count(); ++i) EXPECT_EQ(strokes[i].Key2, 0);
  EXPECT_EQ(strokes[0].Command, ecUp);
  EXPECT_EQ(strokes[2].Command, ecScrollUp);
  EXPECT_EQ(strokes[3].Command, ecDown);
  EXPECT_EQ(strokes[29].Command, ecSelEditorBottom);
  EXPECT_EQ(strokes[30].Command, ecToggleMode);
  EXPECT_EQ(strokes[strokes.Count() - 1].Command, ecMatchBracket);

  struct Expect {
    std::uint16_t key;
    TShiftState shift;
    TScribEditorCommand command;
  };
  const Expect expected[] = {
      {vk::Back, ssShift, ecDeleteLastChar},
      {vk::Return, ssShift, ecLineBreak},
      {vk::Back, ssAlt | ssShift, ecRedo},
      {vk::Insert, ssShift, ecPaste},
      {'C', ssCtrl | ssShift, ecColumnSelect},
      {'7', ssCtrl, ecGotoMarker0 + 7},
      {'0', ssCtrl | ssShift, ecSetMarker0},
      {vk::Next, ssCtrl, ecPageBottom},
      {'M', ssCtrl, ecLineBreak},
      {vk::Delete, ssShift, ecCut},
  };
  for (const Expect& e : expected) {
    const int index = strokes.FindKeycode(e.key, e.shift);
    ASSERT_GE(index, 0) << e.key;
    EXPECT_EQ(strokes[index].Command, e.command) << e.key;
  }
  EXPECT_EQ(strokes.FindKeycode(vk::Up, ssCtrl | ssShift), -1);
  EXPECT_EQ(strokes.FindKeycode('A', ssNone), -1);
}

TEST(KeyStrokes, DuplicateShortcutIsRejectedAndKeepsOldKeys) {
  TScribEditKeyStrokes strokes;
  strokes.ResetDefaults();
  TScribEditKeyStroke& added = strokes.AddKey(ecContextHelp, vk::F1, ssCtrl);
  EXPECT_THROW(added.SetShortCut(ShortCutOf('A', ssCtrl)), EScribKeyError);
  EXPECT_EQ(added.Key, vk::F1);
  EXPECT_EQ(added.Shift, ssCtrl);
  try {
    added.SetShortCut(ShortCutOf(vk::Up, ssNone));
  } catch (const EScribKeyError& error) {
    EXPECT_STREQ(error.what(), "Shortcut already exists");
  }
  // A different second key makes the pair distinct; the same value again is no change.
  added.SetShortCut2(ShortCutOf('K', ssNone));
  EXPECT_NO_THROW(added.SetShortCut(ShortCutOf('A', ssCtrl)));
  EXPECT_EQ(strokes.FindKeycode2('A', ssCtrl, 'K', ssNone), strokes.Count() - 1);
  EXPECT_NO_THROW(added.SetShortCut(added.ShortCut()));
  EXPECT_NO_THROW(added.SetShortCut(0));
}

TEST(KeyStrokes, AssignCopiesEveryBinding) {
  TScribEditKeyStrokes source;
  source.ResetDefaults();
  source.AddKey(1234, 'Q', ssAlt).SetShortCut2(ShortCutOf('W', ssShift));
  TScribEditKeyStrokes copy;
  copy.AddKey(ecUp, 'X', ssNone);
  copy.Assign(source);
  ASSERT_EQ(copy.Count(), source.Count());
  for (int i = 0; i < copy.Count(); ++i) EXPECT_EQ(copy.FindBinding(source[i]), i);
  EXPECT_EQ(copy.FindShortcut2(ShortCutOf('Q', ssAlt), ShortCutOf('W', ssShift)), copy.Count() - 1);
}

TEST(KeyStrokes, StoredDifferencesRebuildTheTable) {
  TScribEditKeyStrokes strokes;
  strokes.ResetDefaults();
  strokes.Delete(strokes.FindKeycode(vk::F1, ssNone));
  strokes.AddKey(ecContextHelp, vk::F1, ssCtrl);
  const auto removed = RemovedKeystrokes(strokes);
  const auto added = AddedKeystrokes(strokes);
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_EQ(removed[0].command, ecContextHelp);
  EXPECT_EQ(removed[0].shortCut, vk::F1);
  ASSERT_EQ(added.size(), 1u);
  EXPECT_EQ(added[0].shortCut, ShortCutOf(vk::F1, ssCtrl));

  TScribEditKeyStrokes rebuilt;
  rebuilt.ResetDefaults();
  ApplyKeystrokeDifferences(rebuilt, removed, added);
  ASSERT_EQ(rebuilt.Count(), strokes.Count());
  for (int i = 0; i < strokes.Count(); ++i) EXPECT_EQ(rebuilt.FindBinding(strokes[i]), i);
}
