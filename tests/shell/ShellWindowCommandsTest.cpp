#include <gtest/gtest.h>

#include <filesystem>

#include "ShellTestSupport.h"
#include "highlight/StyleFile.h"

namespace {

struct CommandFixture : ShellFixture {
  CommandFixture() { shell.NewDocument(); }
  void SetText(const std::string& text) {
    editor.SetText(text);
    editor.SetCaretXY({1, 1});
  }
};

}  // namespace

TEST(ShellCommands, ModifyCaseWithoutSelectionChangesAllAndKeepsTheCaret) {
  CommandFixture f;
  f.SetText("abc\r\ndef");
  f.editor.SetCaretXY({2, 2});
  f.dialogs.selectAnswers = {0};
  f.shell.ModifyCase_Click();
  EXPECT_EQ(f.dialogs.selectLabels.back(), "Select method to modify the case...");
  EXPECT_EQ(f.editor.Text(), "ABC\r\nDEF");
  EXPECT_EQ(f.editor.CaretXY(), (TBufferCoord{2, 2}));
  EXPECT_FALSE(f.editor.SelAvail());
  f.editor.Undo();
  EXPECT_EQ(f.editor.Text(), "abc\r\ndef") << "one undo step";

  f.dialogs.selectAnswers = {-1};
  f.shell.ModifyCase_Click();
  EXPECT_EQ(f.editor.Text(), "abc\r\ndef") << "cancelled";
}

TEST(ShellCommands, ModifyCaseKeepsTheSelection) {
  CommandFixture f;
  f.SetText("hello world");
  f.editor.SetSelStart(6);
  f.editor.SetSelLength(5);
  f.dialogs.selectAnswers = {2};
  f.shell.ModifyCase_Click();
  EXPECT_EQ(f.editor.Text(), "hello World");
  EXPECT_EQ(f.editor.SelText(), "World");
}

TEST(ShellCommands, Utf8ModifyCaseSelectsTheChangedTextAndKeepsTheCaretBeforeItsCharacter) {
  CommandFixture f;
  f.editor.Lines().SetEncoding(TTextEncoding::Utf8);
  // Dotless i upper-cases to one byte, capital A with stroke lower-cases to three.
  f.SetText("x \xC4\xB1\xC4\xB1 \xC8\xBA y");
  f.editor.SetSelStart(2);
  f.editor.SetSelLength(7);
  f.dialogs.selectAnswers = {0};
  f.shell.ModifyCase_Click();
  EXPECT_EQ(f.editor.Text(), "x II \xC8\xBA y");
  EXPECT_EQ(f.editor.SelText(), "II \xC8\xBA");

  f.editor.SetSelStart(8);  // before "y"
  f.dialogs.selectAnswers = {1};
  f.shell.ModifyCase_Click();
  EXPECT_EQ(f.editor.Text(), "x ii \xE2\xB1\xA5 y");
  EXPECT_EQ(f.editor.SelStart(), 9) << "still before y";
  EXPECT_FALSE(f.editor.SelAvail());
  f.editor.Undo();
  EXPECT_EQ(f.editor.Text(), "x II \xC8\xBA y") << "one undo step";
}

TEST(ShellCommands, CenterWithSpacesNeedsASelection) {
  CommandFixture f;
  f.SetText("    hello   ");
  f.shell.CenterWithSpaces_Click();
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text, "No text is selected");
  f.editor.SelectAll();
  f.shell.CenterWithSpaces_Click();
  EXPECT_EQ(f.editor.Text(), "   hello   ");
}

TEST(ShellCommands, ToggleCommentsIsOneUndoStepAndAdjustsTheSelection) {
  CommandFixture f;
  f.shell.StyleTexts().commentChars = "//";
  f.SetText("a\r\n\r\n//b\r\nlast");
  f.editor.SetCaretAndSelection({4, 3}, {1, 1}, {4, 3});  // a .. end of //b
  f.shell.ToggleComments_Click();
  EXPECT_EQ(f.editor.Text(), "a\r\n\r\nb\r\nlast");
  EXPECT_EQ(f.editor.SelStart(), 0);
  EXPECT_EQ(f.editor.SelLength(), 8 - 2);
  EXPECT_TRUE(f.editor.Modified());

  f.editor.SetCaretAndSelection({1, 4}, {1, 1}, {1, 4});  // ends at the start of "last"
  f.shell.ToggleComments_Click();
  EXPECT_EQ(f.editor.Text(), "//a\r\n\r\n//b\r\nlast") << "the line the selection ends on stays";
  f.editor.Undo();
  EXPECT_EQ(f.editor.Text(), "a\r\n\r\nb\r\nlast");
}

TEST(ShellCommands, ToggleCommentsWithEmptyCommentStringOnlyMarksModified) {
  CommandFixture f;
  f.shell.StyleTexts().commentChars = "";
  f.SetText("a");
  f.shell.ToggleComments_Click();
  EXPECT_EQ(f.editor.Text(), "a");
  EXPECT_TRUE(f.editor.Modified());
}

TEST(ShellCommands, FindMatchingBracketSelectsThePair) {
  CommandFixture f;
  f.SetText("f(a[1],\r\n (b))");
  f.editor.SetSelStart(1);
  f.shell.FindMatchingBracket_Cmd();
  EXPECT_EQ(f.editor.SelText(), "(a[1],\r\n (b))");
}

TEST(ShellCommands, CtrlVWithOnlyFilesInsertsTheirPaths) {
  CommandFixture f;
  f.clipboard.SetFileList({"/tmp/a b.txt", "/tmp/c.txt"});
  f.shell.Code_Edit_KeyDown('V', ssCtrl);
  EXPECT_EQ(f.editor.Text(), "/tmp/a b.txt\r\n/tmp/c.txt\r\n");
  f.clipboard.SetText("plain");
  f.shell.Code_Edit_KeyDown('V', ssCtrl);
  EXPECT_EQ(f.editor.Text(), "/tmp/a b.txt\r\n/tmp/c.txt\r\n") << "text is the editor's paste";
}

TEST(ShellCommands, CtrlWTogglesWordWrapWithAnyOtherModifier) {
  CommandFixture f;
  f.shell.Code_Edit_KeyDown('W', ssCtrl);
  EXPECT_TRUE(f.editor.WordWrap());
  f.shell.Code_Edit_KeyDown('W', ssCtrl | ssShift);
  EXPECT_FALSE(f.editor.WordWrap());
}

TEST(ShellCommands, EscapeClosesToolWindowsBeforeQuitting) {
  CommandFixture f;
  bool sectionListVisible = true, findVisible = true;
  int closes = 0;
  f.shell.CloseVisibleToolWindow = [&] {
    return std::exchange(sectionListVisible, false) || std::exchange(findVisible, false);
  };
  f.shell.CloseMainWindow = [&] { ++closes; };
  f.shell.Settings().escapeQuits = true;
  f.shell.Code_Edit_KeyDown(0x1B, ssShift);
  EXPECT_TRUE(sectionListVisible) << "Shift+Escape does none of this";
  f.shell.Code_Edit_KeyDown(0x1B, ssNone);
  EXPECT_FALSE(sectionListVisible);
  EXPECT_TRUE(findVisible);
  f.shell.Code_Edit_KeyDown(0x1B, ssNone);
  EXPECT_FALSE(findVisible);
  EXPECT_EQ(closes, 0);
  f.shell.Code_Edit_KeyDown(0x1B, ssNone);
  EXPECT_EQ(closes, 1);
  f.shell.Settings().escapeQuits = false;
  f.shell.Code_Edit_KeyDown(0x1B, ssNone);
  EXPECT_EQ(closes, 1);
}

TEST(ShellCommands, NewWindowSavesSettingsBeforeStarting) {
  CommandFixture f;
  const std::filesystem::path settings = f.folder.File("scribant.ini");
  ASSERT_FALSE(std::filesystem::exists(settings));
  f.shell.Settings().captionFormat = "changed just now";
  std::string settingsAtStart;
  f.desktop.onStart = [&] { settingsAtStart = ReadBytes(settings); };
  f.shell.NewInstance_Cmd();
  EXPECT_NE(settingsAtStart.find("CaptionFormat=changed just now"), std::string::npos)
      << "the new window reads what this one had, saved before it started: " << settingsAtStart;
  EXPECT_EQ(f.desktop.started, (std::vector<std::string>{"/opt/scribant/scribant"}));
}

TEST(ShellCommands, ExecuteFileAsksToSaveAndSkipsUntitled) {
  CommandFixture f;
  f.shell.ExecuteFile_Click();
  EXPECT_TRUE(f.desktop.opened.empty());
  const std::string path = f.File("x.txt", "x");
  f.shell.OpenDocument(path);
  f.Type("y");
  f.dialogs.messageAnswers = {TMsgResult::Cancel};
  f.shell.ExecuteFile_Click();
  EXPECT_TRUE(f.desktop.opened.empty());
  f.dialogs.messageAnswers = {TMsgResult::No};
  f.shell.ExecuteFile_Click();
  EXPECT_EQ(f.desktop.opened, (std::vector<std::string>{path}));
}
