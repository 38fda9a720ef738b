#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <memory>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "WidgetEvents.h"
#include "editor/CustomScribEdit.h"
#include "support/OvIni.h"
#include "ui/FormFindReplace.h"

namespace {

class FormFindReplaceTest : public ::testing::Test {
 protected:
  void SetUp() override { Load(""); }

  void Load(const std::string& text) {
    editor.SetOptions(OptionBit(eoScrollPastEol));
    editor.SetText(text);
    editor.SetCaretXY({1, 1});
  }
  void WriteHistory(const std::string& section, int count) {
    TOvIni ini(historyFile);
    for (int i = 0; i < count; ++i)
      ini.WriteString(section, std::to_string(i), section.substr(0, 1) + std::to_string(i));
  }
  TFormFindReplace& Form(int maxListCount = 12) {
    if (!form) {
      form = std::make_unique<TFormFindReplace>(nullptr, editor, state, dialogs, historyFile,
                                                maxListCount, &dialogs);
      form->show();
      QApplication::processEvents();
    }
    return *form;
  }
  template <typename Widget>
  Widget* Control(const char* name) {
    auto* widget = Form().findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QComboBox* FindCombo() { return Control<QComboBox>("Find_Combo"); }
  QComboBox* ReplaceCombo() { return Control<QComboBox>("Replace_Combo"); }
  QPushButton* Button(const char* name) { return Control<QPushButton>(name); }
  QRadioButton* Radio(const char* name) { return Control<QRadioButton>(name); }
  void TypeFind(const QString& text) {
    FindCombo()->lineEdit()->clear();
    TypeText(FindCombo()->lineEdit(), text);
  }
  std::vector<std::string> Items(QComboBox* combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
    return items;
  }

  TempFolder folder;
  std::string historyFile = folder.File("config.ini");
  TCustomScribEdit editor;
  TSearchState state;
  FakeDialogs dialogs;
  std::unique_ptr<TFormFindReplace> form;
};

TEST_F(FormFindReplaceTest, OpensWithItsCaptionsAndButtonsEnabledByTheFindText) {
  EXPECT_EQ(Form().windowTitle(), "Find or Replace Text");
  EXPECT_TRUE(Form().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(Form().isModal());
  EXPECT_EQ(Control<QCheckBox>("MatchCase_Chk")->text(), "Case Sensative");
  EXPECT_EQ(Control<QCheckBox>("WholeWord_Chk")->text(), "Only whole words");
  EXPECT_TRUE(Radio("FromCursor_Radio")->isChecked());
  EXPECT_EQ(Button("Count_Btn")->text(), "C&ount");
  EXPECT_TRUE(Button("Find_Btn")->isDefault());
  const char* searchButtons[] = {"Find_Btn", "FindNext_Btn", "Count_Btn", "Replace_Btn"};
  for (const char* name : searchButtons) EXPECT_FALSE(Button(name)->isEnabled()) << name;
  EXPECT_TRUE(Button("Close_Btn")->isEnabled());

  TypeFind("x");
  for (const char* name : searchButtons) EXPECT_TRUE(Button(name)->isEnabled()) << name;
  PressKey(FindCombo()->lineEdit(), Qt::Key_Backspace);
  EXPECT_FALSE(Button("Replace_Btn")->isEnabled());
}

TEST_F(FormFindReplaceTest, LoadsAtMostMaxListCountEntriesAndSavesAllOnDestruction) {
  WriteHistory("FindStrings", 20);
  WriteHistory("ReplaceStrings", 2);
  Form(12);
  ASSERT_EQ(FindCombo()->count(), 12);
  EXPECT_EQ(FindCombo()->currentText(), "F0");
  EXPECT_EQ(ReplaceCombo()->currentText(), "R0");
  EXPECT_TRUE(Button("Find_Btn")->isEnabled());

  TypeFind("new");
  Click(Button("FindNext_Btn"));
  EXPECT_EQ(FindCombo()->currentText(), "new");
  EXPECT_EQ(FindCombo()->count(), 13);
  form.reset();

  TOvIni ini(historyFile);
  std::vector<std::string> keys;
  EXPECT_EQ(ini.ReadSectionKeys("FindStrings", keys), 13) << "entries beyond 12 were dropped";
  EXPECT_EQ(ini.ReadString("FindStrings", "0", ""), "new");
  EXPECT_EQ(ini.ReadString("FindStrings", "12", ""), "F11");
  EXPECT_EQ(ini.ReadSectionKeys("ReplaceStrings", keys), 2);
}

TEST_F(FormFindReplaceTest, AMissingHistoryFolderIsCreatedOnFirstSaveAndABlockedOneIsSilent) {
  historyFile = folder.File("missing/config.ini");
  TypeFind("x");
  EXPECT_EQ(FindCombo()->count(), 0);
  Click(Button("FindNext_Btn"));
  form.reset();
  EXPECT_EQ(TOvIni(historyFile).ReadString("FindStrings", "0", ""), "x");

  WriteBytes(folder.Path() / "blocked", "a file where the folder belongs");
  historyFile = folder.File("blocked/config.ini");
  TypeFind("y");
  Click(Button("FindNext_Btn"));
  form.reset();
  EXPECT_EQ(ReadBytes(folder.Path() / "blocked"), "a file where the folder belongs");
}

TEST_F(FormFindReplaceTest, FindNextStepsThroughOverlapsAndReportsTheCountAtTheEnd) {
  Load("aaaa");
  TypeFind("aa");
  std::vector<std::int64_t> starts;
  for (int i = 0; i < 3; ++i) {
    Click(Button("FindNext_Btn"));
    starts.push_back(editor.SelStart());
  }
  EXPECT_EQ(starts, (std::vector<std::int64_t>{0, 1, 2}));
  EXPECT_TRUE(Form().isVisible()) << "Find Next leaves the window open";
  EXPECT_EQ(Items(FindCombo()), (std::vector<std::string>{"aa"})) << "no duplicate entries";
  Click(Button("FindNext_Btn"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "No more occurrences found.\r\n\r\nThe following text string was found 3 "
            "times.\r\n\r\n\"aa\"");
}

TEST_F(FormFindReplaceTest, EditingEitherBoxResetsTheFoundCounter) {
  Load("ab ab ab");
  TypeFind("ab");
  Click(Button("FindNext_Btn"));
  Click(Button("FindNext_Btn"));
  EXPECT_EQ(state.foundCounter, 2);
  TypeText(ReplaceCombo()->lineEdit(), "z");
  EXPECT_EQ(state.foundCounter, 0);
  Click(Button("FindNext_Btn"));
  Click(Button("FindNext_Btn"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find("found 1 times"), std::string::npos);
}

TEST_F(FormFindReplaceTest, FindDecodesEscapesAndClosesTheWindow) {
  Load("x a\tb\r\nc\\");
  TypeFind("a\\tb\\nc");
  Control<QCheckBox>("MatchCase_Chk")->setChecked(true);
  Click(Button("Find_Btn"));
  EXPECT_EQ(state.FindString, "a\tb\r\nc");
  EXPECT_TRUE(state.options.matchCase);
  EXPECT_EQ(editor.SelStart(), 2);
  EXPECT_EQ(editor.SelText(), "a\tb\r\nc");
  EXPECT_FALSE(Form().isVisible());
}

TEST_F(FormFindReplaceTest, EnterInTheFindBoxPressesFind) {
  Load("one two");
  TypeFind("two");
  PressKey(FindCombo()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(editor.SelStart(), 4);
  EXPECT_FALSE(Form().isVisible());
}

TEST_F(FormFindReplaceTest, FromStartSearchesFromOneThenTurnsToFromCursor) {
  Load("cat cat cat");
  editor.SetSelStart(9);
  TypeFind("cat");
  Radio("FromStart_Radio")->setChecked(true);
  Click(Button("FindNext_Btn"));
  EXPECT_EQ(editor.SelStart(), 0);
  EXPECT_TRUE(Radio("FromCursor_Radio")->isChecked());
  Click(Button("FindNext_Btn"));
  EXPECT_EQ(editor.SelStart(), 4);
}

TEST_F(FormFindReplaceTest, CountReportsWithoutMovingTheSelection) {
  Load("Cat cat\r\nCAT dog");
  editor.SetSelStart(2);
  TypeFind("cat");
  Radio("FromStart_Radio")->setChecked(true);
  Click(Button("Count_Btn"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "The following string was found in the text 3 times.\r\n\r\n\"cat\"");
  EXPECT_EQ(dialogs.messages[0].caption, "String Count Result");
  EXPECT_EQ(editor.SelStart(), 2);
  EXPECT_TRUE(Form().isVisible());
  EXPECT_TRUE(Radio("FromStart_Radio")->isChecked()) << "only Find Next turns the origin";
}

TEST_F(FormFindReplaceTest, ReplaceAsksForEachOccurrenceAndReportsTheCount) {
  Load("a-a-a");
  TypeFind("a");
  TypeText(ReplaceCombo()->lineEdit(), "b\\t");
  Radio("FromStart_Radio")->setChecked(true);
  dialogs.messageAnswers = {TMsgResult::Yes, TMsgResult::No, TMsgResult::YesToAll};
  Click(Button("Replace_Btn"));
  EXPECT_FALSE(Form().isVisible());
  EXPECT_TRUE(Radio("FromCursor_Radio")->isChecked());
  EXPECT_EQ(editor.Text(), "b\t-a-b\t");
  EXPECT_EQ(state.ReplaceString, "b\t");
  EXPECT_EQ(Items(ReplaceCombo()), (std::vector<std::string>{"b\\t"}));
  ASSERT_EQ(dialogs.messages.size(), 4u);
  EXPECT_EQ(dialogs.messages[3].text,
            "The following text string was replaced 2 times.\r\n\r\n\"a\"");
}

TEST_F(FormFindReplaceTest, ShowForEditorTakesTheSelectionAndTheOrigin) {
  Load("l1\tx\r\nl2\r\nl3");
  editor.SetSelStart(0);
  editor.SetSelLength(8);
  Form().hide();
  Form().ShowForEditor();
  EXPECT_TRUE(Form().isVisible());
  EXPECT_EQ(FindCombo()->currentText(), "l1\\tx\\nl2");
  EXPECT_TRUE(Radio("FromStart_Radio")->isChecked());
  EXPECT_EQ(FindCombo()->lineEdit()->selectedText(), FindCombo()->currentText());
  EXPECT_TRUE(Button("Find_Btn")->isEnabled());

  editor.SetSelStart(9);
  Form().ShowForEditor();
  EXPECT_EQ(FindCombo()->currentText(), "l1\\tx\\nl2") << "no selection keeps the text";
  EXPECT_TRUE(Radio("FromCursor_Radio")->isChecked());
}

TEST_F(FormFindReplaceTest, EscapeAndCloseHideTheWindowWithoutDestroyingIt) {
  TypeFind("kept");
  PressKey(FindCombo()->lineEdit(), Qt::Key_Escape);
  EXPECT_FALSE(Form().isVisible());
  Form().show();
  EXPECT_EQ(FindCombo()->currentText(), "kept");
  Click(Button("Close_Btn"));
  EXPECT_FALSE(Form().isVisible());
}

}  // namespace
