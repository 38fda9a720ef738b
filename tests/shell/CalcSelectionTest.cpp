#include <gtest/gtest.h>

#include "editor/CustomScribEdit.h"
#include "shell/CalcSelection.h"

namespace {

class CalcSelectionTest : public ::testing::Test {
 protected:
  void Load(const std::string& text, std::int64_t selStart, std::int64_t selLength) {
    editor.SetText(text);
    editor.SetSelStart(selStart);
    editor.SetSelLength(selLength);
  }
  TCustomScribEdit editor;
};

TEST_F(CalcSelectionTest, AppendsTheResultToTheSelectionAsOneUndoStep) {
  Load("x 2+3*4 y", 2, 5);
  CalcSel_Cmd(editor, '.');
  EXPECT_EQ(editor.Text(), "x 2+3*4 = 14 y");
  EXPECT_FALSE(editor.SelAvail());
  EXPECT_EQ(editor.SelStart(), 12) << "the caret follows the result";
  editor.Undo();
  EXPECT_EQ(editor.Text(), "x 2+3*4 y");
  EXPECT_FALSE(editor.CanUndo());
}

TEST_F(CalcSelectionTest, LeavesTheDocumentAloneWithoutAnExpression) {
  Load("1+1", 1, 0);
  CalcSel_Cmd(editor, '.');
  EXPECT_EQ(editor.Text(), "1+1") << "nothing selected";
  Load("(1+\r\n1)", 0, 7);
  CalcSel_Cmd(editor, '.');
  EXPECT_EQ(editor.Text(), "(1+\r\n1)") << "line breaks are not part of an expression";
  Load("(2)3 1/0", 0, 4);
  CalcSel_Cmd(editor, '.');
  Load("(2)3 1/0", 5, 3);
  CalcSel_Cmd(editor, '.');
  EXPECT_EQ(editor.Text(), "(2)3 1/0");
  EXPECT_FALSE(editor.Modified());
  EXPECT_FALSE(editor.CanUndo());
}

TEST_F(CalcSelectionTest, Utf8TextKeepsTheCurrencyAndHalfSignsAndDropsOtherCharacters) {
  editor.Lines().SetEncoding(TTextEncoding::Utf8);
  const std::string expression =
      "\xE2\x82\xAC"
      "5\xC2\xA4"
      "2+3\xC2\xBD";  // "€5¤2+3½"
  Load(expression, 0, static_cast<std::int64_t>(expression.size()));
  CalcSel_Cmd(editor, '.');
  EXPECT_EQ(editor.Text(), expression + " = 10.5") << "(5 OR 2) + 3.5";
  // The last byte of H circumflex (C4 A4) is no OR sign.
  Load(
      "1\xC4\xA4"
      "2",
      0, 4);
  CalcSel_Cmd(editor, '.');
  EXPECT_EQ(editor.Text(),
            "1\xC4\xA4"
            "2 = 12");
}

TEST_F(CalcSelectionTest, UsesTheGivenDecimalSeparator) {
  Load("1,5*2", 0, 5);
  CalcSel_Cmd(editor, ',');
  EXPECT_EQ(editor.Text(), "1,5*2 = 3");
  Load("1/4", 0, 3);
  CalcSel_Cmd(editor, ',');
  EXPECT_EQ(editor.Text(), "1/4 = 0,25");
  Load("1.5*2", 0, 5);
  CalcSel_Cmd(editor, ',');
  EXPECT_EQ(editor.Text(), "1.5*2");
}

}  // namespace
