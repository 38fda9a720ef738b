#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "WidgetEvents.h"
#include "editor/CustomScribEdit.h"
#include "shell/SearchState.h"
#include "support/OvIni.h"
#include "ui/SearchWindows.h"

namespace {

class SearchWindowsTest : public ::testing::Test {
 protected:
  SearchWindowsTest() {
    editor.SetOptions(OptionBit(eoScrollPastEol));
    editor.SetText("alpha\r\nbeta alpha");
  }
  QComboBox* FindCombo() { return windows.FindReplace()->findChild<QComboBox*>("Find_Combo"); }

  TempFolder folder;
  QWidget mainWindow;
  TCustomScribEdit editor;
  TSearchState state;
  FakeDialogs dialogs;
  int maxListCount = 5;
  TSearchWindows windows{&mainWindow,
                         editor,
                         state,
                         dialogs,
                         folder.File("config.ini"),
                         [this] { return maxListCount; }};
};

TEST_F(SearchWindowsTest, EscapeClosesTheSectionListFirstThenTheFindWindow) {
  EXPECT_FALSE(windows.CloseVisibleToolWindow()) << "nothing created yet";
  windows.Find_Cmd();
  windows.SectionList_Click();
  QApplication::processEvents();
  ASSERT_TRUE(windows.SectionList()->isVisible());
  ASSERT_TRUE(windows.FindReplace()->isVisible());

  EXPECT_TRUE(windows.CloseVisibleToolWindow());
  EXPECT_FALSE(windows.SectionList()->isVisible());
  EXPECT_TRUE(windows.FindReplace()->isVisible());
  EXPECT_TRUE(windows.CloseVisibleToolWindow());
  EXPECT_FALSE(windows.FindReplace()->isVisible());
  EXPECT_FALSE(windows.CloseVisibleToolWindow());
}

TEST_F(SearchWindowsTest, TheFindWindowIsKeptUntilDestroyedWhichWritesConfigIni) {
  editor.SetSelStart(0);
  editor.SetSelLength(4);
  windows.Find_Cmd();
  TFormFindReplace* first = windows.FindReplace();
  EXPECT_EQ(FindCombo()->currentText(), "alph");
  // The window's own boxes are real ones here: search for something it finds.
  Click(windows.FindReplace()->findChild<QPushButton*>("Find_Btn"));
  EXPECT_EQ(editor.SelStart(), 0);
  windows.Find_Cmd();
  EXPECT_EQ(windows.FindReplace(), first);

  windows.DestroyFindReplace();
  EXPECT_EQ(windows.FindReplace(), nullptr);
  TOvIni ini(folder.File("config.ini"));
  EXPECT_EQ(ini.ReadString("FindStrings", "0", "?"), "alph");

  windows.Find_Cmd();
  ASSERT_NE(windows.FindReplace(), nullptr);
  EXPECT_EQ(FindCombo()->itemText(0), "alph") << "a new window reads the saved history";
}

TEST_F(SearchWindowsTest, FindNextUsesTheSharedStateAndTheMainWindowsBoxes) {
  EXPECT_FALSE(windows.FindNextEnabled());
  windows.FindNext_Cmd();
  ASSERT_EQ(dialogs.messages.size(), 1u) << "an empty search string finds nothing";
  EXPECT_EQ(dialogs.messages[0].caption, "Phrase Not Found");

  state.FindString = "alpha";
  EXPECT_TRUE(windows.FindNextEnabled());
  editor.SetSelStart(1);
  windows.FindNext_Cmd();
  EXPECT_EQ(editor.SelStart(), 12);
  EXPECT_EQ(editor.SelLength(), 5);
}

TEST_F(SearchWindowsTest, GotoRunsTheModalDialogOverTheEditor) {
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* line = dialog->findChild<QLineEdit*>("Line_Edit");
    line->setFocus();
    QApplication::processEvents();
    line->setText("2");
    Click(dialog->findChild<QPushButton*>("Seek_Btn"));
  });
  windows.Goto_Cmd();
  EXPECT_EQ(editor.CaretY(), 2);
}

}  // namespace
