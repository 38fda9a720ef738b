#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QListWidget>

#include "WidgetEvents.h"
#include "editor/CustomScribEdit.h"
#include "ui/FormSectionList.h"

namespace {

// Sections begin at lines 4 and 16.
std::string TwoSections() {
  std::string text = "------\r\n-- Main loop --\r\n------\r\n";
  for (int line = 4; line <= 12; ++line) text += "body\r\n";
  text += "--------- more\r\n-- X\r\n------\r\nlast\r\nend";
  return text;
}

class FormSectionListTest : public ::testing::Test {
 protected:
  void Load(const std::string& text, TBufferCoord caret) {
    editor.SetOptions(OptionBit(eoScrollPastEol));
    editor.SetText(text);
    editor.SetCaretXY(caret);
  }
  void Toggle() {
    window.SectionList_Click();
    QApplication::processEvents();
  }
  QListWidget* List() { return window.findChild<QListWidget*>("Names_ListBox"); }
  std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    for (int i = 0; i < List()->count(); ++i)
      texts.push_back(List()->item(i)->text().toStdString());
    return texts;
  }

  TCustomScribEdit editor;
  TFormSectionList window{nullptr, editor};
};

TEST_F(FormSectionListTest, ListsTheSectionsAndSelectsTheNearestEarlierOnATie) {
  Load(TwoSections(), {5, 10});
  Toggle();
  EXPECT_EQ(window.windowTitle(), "Section List");
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
  ASSERT_NE(List(), nullptr);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Top of File", "Main loop", "", "End of File"}));
  EXPECT_EQ(List()->currentRow(), 1) << "lines 4 and 16 are equally far from line 10";
  EXPECT_EQ(List()->visualItemRect(List()->item(0)).height(), 16);
}

TEST_F(FormSectionListTest, EnterJumpsToTheSectionBodyAndCloses) {
  Load(TwoSections(), {5, 15});
  Toggle();
  EXPECT_EQ(List()->currentRow(), 2);
  PressKey(List(), Qt::Key_Return);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(editor.CaretXY(), (TBufferCoord{1, 16}));
}

TEST_F(FormSectionListTest, DoubleClickJumpsAndEscapeOnlyCloses) {
  Load(TwoSections(), {3, 2});
  Toggle();
  const QRect endItem = List()->visualItemRect(List()->item(3));
  DoubleClick(List()->viewport(), endItem.center());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(editor.CaretXY(), (TBufferCoord{1, 17}));

  Toggle();
  EXPECT_EQ(List()->currentRow(), 3) << "each showing rebuilds and reselects";
  PressKey(List(), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(editor.CaretXY(), (TBufferCoord{1, 17}));
}

TEST_F(FormSectionListTest, TheCommandClosesAVisibleWindowAndAnEmptyDocumentHasTheMarkers) {
  Load("", {1, 1});
  Toggle();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Top of File", "End of File"}));
  Toggle();
  EXPECT_FALSE(window.isVisible());
}

QColor PixelAt(const QImage& image, int x, int y) {
  return image.pixelColor(x, y);
}

TEST_F(FormSectionListTest, DrawsSelectionDividerAndMarkerRules) {
  Load(TwoSections(), {1, 1});
  Toggle();
  const QImage image = List()->viewport()->grab().toImage();
  const QRect top = List()->visualItemRect(List()->item(0));
  const QRect name = List()->visualItemRect(List()->item(1));
  const int ruleY = top.top() + top.height() - top.height() / 2;
  EXPECT_EQ(PixelAt(image, 50, name.center().y()), QColor(128, 0, 0)) << "divider";
  EXPECT_EQ(PixelAt(image, 400, top.top() + 1), QColor(166, 202, 240)) << "selected item";
  EXPECT_EQ(PixelAt(image, 400, ruleY), QColor(160, 160, 160)) << "marker rule";
  EXPECT_EQ(PixelAt(image, 400, name.center().y()), QColor(220, 220, 220)) << "plain item";
  bool lineNumberInk = false;
  for (int x = 4; x < 50 && !lineNumberInk; ++x)
    for (int y = name.top(); y < name.top() + name.height(); ++y)
      if (PixelAt(image, x, y) == QColor(0, 0, 128)) lineNumberInk = true;
  EXPECT_TRUE(lineNumberInk) << "line numbers in navy";
  // No column holds both the rule and the marker's ink.
  int struckThrough = 0;
  for (int x = 60; x < image.width(); ++x) {
    if (PixelAt(image, x, ruleY) != QColor(160, 160, 160)) continue;
    for (int y = top.top(); y < top.top() + top.height(); ++y)
      if (qGray(image.pixel(x, y)) < 100) {
        ++struckThrough;
        break;
      }
  }
  EXPECT_EQ(struckThrough, 0) << "the rule stops short of the bold marker text";
}

}  // namespace
