#include <gtest/gtest.h>

#include "EditorTestSupport.h"

namespace {

void Press(TCustomScribEdit& edit, std::uint16_t key, TShiftState shift, char character) {
  edit.KeyDown(key, shift);
  if (character) edit.KeyPress(character);
}

}  // namespace

TEST(EditorKeys, KeysRunTheirCommandsAndSwallowTheCharacter) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc");
  Press(edit, 'X', ssNone, 'x');
  EXPECT_EQ(edit.Text(), "xabc");
  Press(edit, vk::Back, ssShift, '\b');
  EXPECT_EQ(edit.Text(), "abc") << "Shift+Backspace deletes like Backspace";
  Press(edit, vk::Return, ssShift, '\r');
  EXPECT_EQ(edit.Text(), "\r\nabc") << "Shift+Enter breaks the line";
  Press(edit, 'A', ssCtrl, '\x01');
  EXPECT_EQ(edit.SelText(), "\r\nabc");
  Press(edit, 'Z', ssCtrl, '\x1a');
  EXPECT_EQ(edit.Text(), "abc");
}

TEST(EditorKeys, ClearedKeyRunsNoCommandAndNoCharacter) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc");
  edit.OnKeyDown = [](TCustomScribEdit&, std::uint16_t& key, TShiftState) {
    if (key == vk::Delete || key == 'Q') key = 0;
  };
  Press(edit, vk::Delete, ssNone, 0);
  Press(edit, 'Q', ssNone, 'q');
  EXPECT_EQ(edit.Text(), "abc");
  Press(edit, 'W', ssNone, 'w');
  EXPECT_EQ(edit.Text(), "wabc") << "the next key is typed again";
}

TEST(EditorKeys, MainWindowMovesContextHelpToCtrlF1) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "word here");
  auto& strokes = edit.Keystrokes();
  strokes.Delete(strokes.FindKeycode(vk::F1, ssNone));
  strokes.AddKey(ecContextHelp, vk::F1, ssCtrl);
  std::vector<std::string> asked;
  edit.OnContextHelp = [&](TCustomScribEdit&, const std::string& word) { asked.push_back(word); };
  std::uint16_t key = vk::F1;
  edit.KeyDown(key, ssNone);
  EXPECT_EQ(key, vk::F1) << "plain F1 stays for the main menu";
  EXPECT_TRUE(asked.empty());
  edit.KeyDown(key, ssCtrl);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(asked, std::vector<std::string>{"word"});
}

TEST(EditorKeys, UnboundKeyThenBoundKeyRunsTheSingleBinding) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc");
  EXPECT_EQ(edit.TranslateKeyCode('Q', ssCtrl), ecNone);
  EXPECT_EQ(edit.TranslateKeyCode(vk::End, ssNone), ecLineEnd);
  // A two-key binding is found after its first key.
  edit.Keystrokes().AddKey(ecUpperCase, 'K', ssCtrl).SetShortCut2(ShortCutOf('U', ssCtrl));
  EXPECT_EQ(edit.TranslateKeyCode('K', ssCtrl), ecNone);
  EXPECT_EQ(edit.TranslateKeyCode('U', ssCtrl), ecUpperCase);
  EXPECT_EQ(edit.TranslateKeyCode('U', ssCtrl), ecNone) << "the sequence is used up";
  EXPECT_EQ(edit.TranslateKeyCode(vk::F1, ssNone), ecContextHelp);
}

TEST(EditorKeys, CommandPassesThroughTheHooksInOrder) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc");
  std::vector<std::string> calls;
  edit.OnProcessCommand = [&](TCustomScribEdit&, TScribEditorCommand& command, char& aChar,
                              const void*) {
    calls.push_back("process " + EditorCommandToCodeString(command));
    if (command == ecChar && aChar == 'a') aChar = 'A';
    if (command == ecDeleteChar) command = ecNone;
  };
  edit.RegisterCommandHandler([&](TCustomScribEdit&, bool after, TScribEditorCommand& command,
                                  char&, const void*) {
    calls.push_back(std::string(after ? "after " : "before ") + EditorCommandToCodeString(command));
  });
  edit.OnCommandProcessed = [&](TCustomScribEdit&, TScribEditorCommand& command, char&,
                                const void*) {
    calls.push_back("processed " + EditorCommandToCodeString(command));
  };
  Exec(edit, ecChar, 'a');
  EXPECT_EQ(edit.Text(), "Aabc");
  Exec(edit, ecDeleteChar);
  EXPECT_EQ(edit.Text(), "Aabc") << "cancelled";
  EXPECT_EQ(calls, (std::vector<std::string>{"process ecChar", "before ecChar", "after ecChar",
                                             "processed ecChar", "process ecDeleteChar",
                                             "processed ecNone"}));
  calls.clear();
  bool userSeen = false;
  edit.OnProcessUserCommand = [&](TCustomScribEdit&, TScribEditorCommand& command, char&,
                                  const void*) { userSeen = command == ecUserFirst + 5; };
  Exec(edit, ecUserFirst + 5);
  EXPECT_TRUE(userSeen);
  EXPECT_EQ(calls.front(), "before 1006") << "host commands skip OnProcessCommand";
}

TEST(EditorKeys, StatusChangesAreCollectedWhileLocked) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc\r\ndef");
  std::vector<TScribStatusChanges> reports;
  edit.OnStatusChange = [&](TCustomScribEdit&, TScribStatusChanges changes) {
    reports.push_back(changes);
  };
  Exec(edit, ecDown);
  ASSERT_EQ(reports.size(), 1u) << "one command, one report";
  EXPECT_TRUE(reports[0] & stCaretY);
  reports.clear();
  edit.BeginUpdate();
  edit.SetCaretXY({3, 1});
  Exec(edit, ecToggleMode);
  Exec(edit, ecSelRight);
  EXPECT_TRUE(reports.empty());
  edit.EndUpdate();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0] & (stCaretX | stCaretY | stInsertMode | stSelection),
            stCaretX | stCaretY | stInsertMode | stSelection);
  reports.clear();
  Type(edit, "x");
  ASSERT_FALSE(reports.empty());
  TScribStatusChanges all = 0;
  for (auto changes : reports) all |= changes;
  EXPECT_TRUE(all & stModified);
}
