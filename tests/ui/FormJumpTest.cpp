#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "WidgetEvents.h"
#include "editor/CustomScribEdit.h"
#include "ui/FormJump.h"

namespace {

class FormJumpTest : public ::testing::Test {
 protected:
  void Load(const std::string& text, TBufferCoord caret) {
    editor.SetOptions(OptionBit(eoScrollPastEol));
    editor.SetText(text);
    editor.SetCaretXY(caret);
    dialog = std::make_unique<TFormJump>(nullptr, editor);
    dialog->show();
    dialog->activateWindow();
    QApplication::processEvents();
  }
  template <typename Widget>
  Widget* Control(const char* name) {
    auto* widget = dialog->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QLineEdit* Edit(const char* name) { return Control<QLineEdit>(name); }
  QString LabelText(const char* name) { return Control<QLabel>(name)->text(); }
  QPushButton* Seek() { return Control<QPushButton>("Seek_Btn"); }
  void Enter(QLineEdit* edit) {
    edit->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
  }
  void Retype(QLineEdit* edit, const QString& text) {
    Enter(edit);
    edit->selectAll();
    PressKey(edit, Qt::Key_Delete);
    TypeText(edit, text);
  }

  TCustomScribEdit editor;
  std::unique_ptr<TFormJump> dialog;
};

const std::string kSevenLines = "l1\r\nl2\r\nl3\r\nl4\r\nl5\r\nl6\r\nl7";

TEST_F(FormJumpTest, OpensWithTheCaretPositionAndNoRadioChecked) {
  Load(kSevenLines, {2, 3});
  EXPECT_EQ(dialog->windowTitle(), "Go to Dialog");
  EXPECT_EQ(LabelText("LineMax_Label"), "/ 7");
  EXPECT_EQ(LabelText("CharMax_Label"), "/ 26");
  EXPECT_EQ(LabelText("PercentMax_Label"), "/ 100");
  EXPECT_EQ(Edit("Line_Edit")->text(), "3");
  EXPECT_EQ(Edit("Char_Edit")->text(), "9");
  EXPECT_EQ(Edit("Percent_Edit")->text(), "42");
  for (const char* name : {"Line_Radio", "Char_Radio", "Percent_Radio"})
    EXPECT_FALSE(Control<QRadioButton>(name)->isChecked()) << name;
  EXPECT_TRUE(Seek()->isEnabled());

  Click(Seek());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(editor.CaretXY(), (TBufferCoord{2, 3})) << "no radio checked: nothing moves";
}

TEST_F(FormJumpTest, AnEmptyDocumentShowsLineOneAndZeroes) {
  Load("", {1, 1});
  EXPECT_EQ(LabelText("LineMax_Label"), "/ 0");
  EXPECT_EQ(LabelText("CharMax_Label"), "/ 0");
  EXPECT_EQ(Edit("Line_Edit")->text(), "1");
  EXPECT_EQ(Edit("Percent_Edit")->text(), "0");
}

TEST_F(FormJumpTest, PercentOfTheLinesMovesTheCaretKeepingItsColumn) {
  Load(kSevenLines, {2, 1});
  Retype(Edit("Percent_Edit"), "50");
  EXPECT_TRUE(Control<QRadioButton>("Percent_Radio")->isChecked());
  PressKey(Edit("Percent_Edit"), Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible()) << "Enter presses Seek";
  EXPECT_EQ(editor.CaretXY(), (TBufferCoord{2, 3}));
}

TEST_F(FormJumpTest, CharacterAndLineTargetsAreClampedByTheEditor) {
  Load(kSevenLines, {1, 1});
  Retype(Edit("Char_Edit"), "6");
  Click(Seek());
  EXPECT_EQ(editor.CaretXY(), (TBufferCoord{3, 2}));

  Load(kSevenLines, {2, 2});
  Retype(Edit("Line_Edit"), "99999999999");
  Click(Seek());
  EXPECT_EQ(editor.CaretY(), 1) << "a value beyond 32 bits reads as 0, clamped to line 1";
  Load(kSevenLines, {2, 2});
  Retype(Edit("Line_Edit"), "40");
  Click(Seek());
  EXPECT_EQ(editor.CaretXY(), (TBufferCoord{2, 7}));
}

TEST_F(FormJumpTest, SeekIsEnabledOnlyByDigitsAndSigns) {
  Load(kSevenLines, {1, 1});
  QLineEdit* line = Edit("Line_Edit");
  Enter(line);
  line->end(false);
  TypeText(line, "x");
  EXPECT_FALSE(Seek()->isEnabled());
  PressKey(line, Qt::Key_Backspace);
  EXPECT_TRUE(Seek()->isEnabled());
  line->clear();
  EXPECT_FALSE(Seek()->isEnabled());
}

TEST_F(FormJumpTest, PlusAndMinusStepTheValueAndAreSwallowed) {
  Load(kSevenLines, {1, 1});
  QLineEdit* chars = Edit("Char_Edit");
  Retype(chars, "abc");
  TypeText(chars, "+");
  EXPECT_EQ(chars->text(), "1");
  chars->clear();
  TypeText(chars, "-");
  EXPECT_EQ(chars->text(), "-1");
  TypeText(chars, "-");
  EXPECT_EQ(chars->text(), "-2");
  EXPECT_TRUE(Seek()->isEnabled());
}

TEST_F(FormJumpTest, ArrowKeysCycleThroughTheBoxesCheckingTheirRadios) {
  Load(kSevenLines, {1, 1});
  Enter(Edit("Line_Edit"));
  PressKey(Edit("Line_Edit"), Qt::Key_Up);
  QApplication::processEvents();
  EXPECT_TRUE(Edit("Percent_Edit")->hasFocus());
  EXPECT_TRUE(Control<QRadioButton>("Percent_Radio")->isChecked());
  PressKey(Edit("Percent_Edit"), Qt::Key_Down);
  QApplication::processEvents();
  EXPECT_TRUE(Edit("Line_Edit")->hasFocus());
  PressKey(Edit("Line_Edit"), Qt::Key_Down);
  QApplication::processEvents();
  EXPECT_TRUE(Edit("Char_Edit")->hasFocus());
  EXPECT_TRUE(Control<QRadioButton>("Char_Radio")->isChecked());
  EXPECT_FALSE(Control<QRadioButton>("Line_Radio")->isChecked());
}

TEST_F(FormJumpTest, CancelLeavesTheCaret) {
  Load(kSevenLines, {1, 4});
  Retype(Edit("Line_Edit"), "1");
  Click(Control<QPushButton>("Cancel_Btn"));
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(editor.CaretY(), 4);
}

}  // namespace
