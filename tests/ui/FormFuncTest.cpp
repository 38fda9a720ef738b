#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "FakeDialogs.h"
#include "WidgetEvents.h"
#include "editor/CustomScribEdit.h"
#include "ui/FormFunc.h"

namespace {

enum Page { kMinimisePage = 0, kEncryptionPage = 1, kLinesPage = 2 };
enum Method { kRot13 = 0, kBackwards = 1, kHexadecimal = 3, kBitShifting = 4, kXorInvert = 5 };

class FormFuncTest : public ::testing::Test {
 protected:
  void Open(const std::string& text) {
    editor.SetText(text);
    dialog = std::make_unique<TFormFunc>(nullptr, editor, dialogs);
    dialog->show();
    QApplication::processEvents();
  }
  void Select(std::int64_t start, std::int64_t length) {
    editor.SetSelStart(start);
    editor.SetSelLength(length);
  }
  template <typename Widget>
  Widget* Control(const char* name) {
    auto* widget = dialog->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QPushButton* Button(const char* name) { return Control<QPushButton>(name); }
  QCheckBox* Check(const char* name) { return Control<QCheckBox>(name); }
  QListWidget* Methods() { return Control<QListWidget>("EncMethod_ListBox"); }
  QString PanelText() { return Control<QLabel>("Test_Panel")->text(); }
  void ShowPage(int page) {
    QTabBar* tabs = Control<QTabWidget>("Main_PageCtrl")->tabBar();
    Click(tabs, Qt::LeftButton, tabs->tabRect(page).center());
    QApplication::processEvents();
  }
  void ChooseMethod(int row) {
    ShowPage(kEncryptionPage);
    Click(Methods()->viewport(), Qt::LeftButton,
          Methods()->visualItemRect(Methods()->item(row)).center());
  }
  void DoFunction() { Click(Button("DoFunc_Btn"), Qt::LeftButton); }

  TCustomScribEdit editor;
  FakeDialogs dialogs;
  std::unique_ptr<TFormFunc> dialog;
};

TEST_F(FormFuncTest, OpensOnMinimiseWithItsDefaults) {
  Open("text");
  EXPECT_EQ(dialog->windowTitle(), "Miscellaneous Functions");
  auto* pages = Control<QTabWidget>("Main_PageCtrl");
  EXPECT_EQ(pages->currentIndex(), kMinimisePage);
  EXPECT_EQ(pages->tabText(kEncryptionPage), "Encryption");
  EXPECT_TRUE(Check("TrimTrail_Chk")->isChecked());
  EXPECT_TRUE(Check("TrimNewLines_Chk")->isChecked());
  EXPECT_FALSE(Check("TrimLead_Chk")->isChecked());
  EXPECT_FALSE(Check("TrimEmptyLines_Chk")->isChecked());
  EXPECT_EQ(PanelText(), "n/a");
  EXPECT_EQ(Methods()->count(), 7);
  EXPECT_EQ(Methods()->currentRow(), kRot13);
  EXPECT_EQ(Methods()->item(6)->text(), "Int Array to Str");
  EXPECT_EQ(Control<QLineEdit>("NewLineFmt_Edit")->text(), "%l");
  EXPECT_TRUE(Button("DoFunc_Btn")->isDefault());
}

TEST_F(FormFuncTest, MinimiseWithoutSelectionWorksOnTheWholeTextInOneUndoStep) {
  Open("a  \r\nb\t\r\n\r\n\r\n");
  const std::string original = editor.Text();  // the last break starts no line
  ASSERT_EQ(original.size(), 11u);
  Select(1, 0);
  DoFunction();
  EXPECT_EQ(editor.Text(), "a\r\nb");
  EXPECT_EQ(PanelText(), "7 chars");
  EXPECT_EQ(editor.SelStart(), 1) << "the caret returns where it was";
  EXPECT_EQ(editor.SelLength(), 0);
  EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
  editor.Undo();
  EXPECT_EQ(editor.Text(), original);
  EXPECT_FALSE(editor.CanUndo());
}

TEST_F(FormFuncTest, LeadingTrimOnlyKeepsABlankLine) {
  Open("  x\r\n   \r\n");
  Check("TrimTrail_Chk")->click();
  Check("TrimLead_Chk")->click();
  DoFunction();
  EXPECT_EQ(editor.Text(), "x\r\n   ");
}

TEST_F(FormFuncTest, AnEncodingReplacesAndSelectsTheSelectedText) {
  Open("Say Hello!");
  Select(4, 5);
  ChooseMethod(kRot13);
  DoFunction();
  EXPECT_EQ(editor.Text(), "Say Uryyb!");
  EXPECT_EQ(editor.SelText(), "Uryyb");
  PressKey(Methods(), Qt::Key_Return, "\r");  // Enter is Do function
  EXPECT_EQ(editor.Text(), "Say Hello!");

  ChooseMethod(kHexadecimal);
  Select(4, 2);
  DoFunction();
  EXPECT_EQ(editor.Text(), "Say 4865llo!");
  EXPECT_EQ(editor.SelText(), "4865");
  DoFunction();
  EXPECT_EQ(editor.Text(), "Say Hello!");
}

TEST_F(FormFuncTest, BackwardsOnTheWholeTextKeepsLineBreaks) {
  Open("ab\r\ncd");
  ChooseMethod(kBackwards);
  DoFunction();
  EXPECT_EQ(editor.Text(), "dc\r\nba");
  EXPECT_EQ(editor.SelLength(), 0);
}

TEST_F(FormFuncTest, Utf8DocumentsReverseCharactersKeepBrokenBytesAndTakeTheTemplateAsUtf8) {
  editor.Lines().SetEncoding(TTextEncoding::Utf8);
  Open("a\xC3\xA9\xE4\xB8\xAD\r\ne\xCC\x81x");
  ChooseMethod(kBackwards);
  DoFunction();
  EXPECT_EQ(editor.Text(),
            "xe\xCC\x81\r\n\xE4\xB8\xAD\xC3\xA9"
            "a")
      << "the accent stays on its e";

  ChooseMethod(kXorInvert);
  Select(editor.TextLength() - 1, 1);
  DoFunction();
  EXPECT_EQ(editor.SelText(), "\x9E") << "a byte that is not UTF-8, kept as it is";
  DoFunction();
  EXPECT_EQ(editor.Text(),
            "xe\xCC\x81\r\n\xE4\xB8\xAD\xC3\xA9"
            "a");

  ShowPage(kLinesPage);
  Control<QLineEdit>("NewLineFmt_Edit")->setText(QString::fromUtf8("\xE2\x86\x92 %l"));
  Select(0, 0);
  DoFunction();
  EXPECT_EQ(editor.Text(),
            "\xE2\x86\x92 xe\xCC\x81\r\n\xE2\x86\x92 \xE4\xB8\xAD\xC3\xA9"
            "a");
}

TEST_F(FormFuncTest, BitShiftingOnlyShowsTheNotice) {
  Open("abc");
  Select(1, 1);
  ChooseMethod(kBitShifting);
  DoFunction();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Currently this function is not yet implemented!");
  EXPECT_EQ(dialogs.messages[0].caption, "Not Implemented");
  EXPECT_EQ(dialogs.messages[0].icon, TMsgIcon::Information);
  EXPECT_EQ(editor.Text(), "abc");
  EXPECT_EQ(editor.SelText(), "b") << "the selection is left alone";
  EXPECT_FALSE(editor.CanUndo());
}

TEST_F(FormFuncTest, TheLineTemplateIsTypedAndAppliedWithEnter) {
  Open("first\r\nsecond");
  ShowPage(kLinesPage);
  auto* edit = Control<QLineEdit>("NewLineFmt_Edit");
  edit->setFocus();
  edit->selectAll();
  PressKey(edit, Qt::Key_Delete, QString());
  TypeText(edit, "%n: %l 100%%");
  PressKey(edit, Qt::Key_Return, "\r");
  EXPECT_EQ(editor.Text(), "1: first 100\r\n2: second 100");
}

TEST_F(FormFuncTest, TestReportsTheSavingWithoutChangingTheText) {
  Open("x  \r\ny\r\n\r\n");
  const std::string original = editor.Text();
  ASSERT_EQ(original.size(), 8u);
  Select(0, 1);
  Click(Button("Test_Btn"), Qt::LeftButton);
  EXPECT_EQ(PanelText(), "4 chars") << "Test always looks at the whole text";
  EXPECT_EQ(editor.Text(), original);
  EXPECT_FALSE(editor.Modified());
  EXPECT_EQ(editor.SelText(), "x");
}

TEST_F(FormFuncTest, CloseEscapeAltQCtrlWAndF8CloseTheDialog) {
  const std::vector<std::function<void()>> ways = {
      [this] { Click(Button("Close_Btn"), Qt::LeftButton); },
      [this] { PressKey(Check("TrimLead_Chk"), Qt::Key_Escape, QString()); },
      [this] { PressKey(Methods(), Qt::Key_Q, "q", Qt::AltModifier); },
      [this] {
        PressKey(Control<QLineEdit>("NewLineFmt_Edit"), Qt::Key_W, "\x17", Qt::ControlModifier);
      },
      [this] { PressKey(Button("Test_Btn"), Qt::Key_F8, QString()); },
  };
  for (std::size_t way = 0; way < ways.size(); ++way) {
    Open("text");
    ways[way]();
    EXPECT_FALSE(dialog->isVisible()) << way;
    EXPECT_EQ(editor.Text(), "text") << way;
  }
}

}  // namespace

namespace {

TEST(MiscFuncCmd, RunsTheDialogModallyUntilItCloses) {
  TCustomScribEdit editor;
  editor.SetText("ab  ");
  FakeDialogs dialogs;
  QString title;
  QTimer::singleShot(0, [&title] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    PressKey(dialog->findChild<QPushButton*>("DoFunc_Btn"), Qt::Key_Return, "\r");
    PressKey(dialog, Qt::Key_F8, QString());
  });
  MiscFunc_Cmd(nullptr, editor, dialogs);
  EXPECT_EQ(title, "Miscellaneous Functions");
  EXPECT_EQ(editor.Text(), "ab");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
