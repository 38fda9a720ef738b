#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include "FakeLocale.h"
#include "MemoryClipboard.h"
#include "WidgetEvents.h"
#include "editor/CustomScribEdit.h"
#include "ui/FormAnalyse.h"

namespace {

enum StatsRow {
  kCharacters = 0,
  kWords = 1,
  kLines = 2,
  kCrc = 3,
  kUniqueChars = 5,
  kUniqueLetters = 6,
  kControl = 8,
  kUpper = 11,
  kEightBit = 14,
  kNfo = 16
};
enum CharColumn { kDec = 0, kHex, kChr, kCount, kPercent };

class FormAnalyseTest : public ::testing::Test {
 protected:
  void Open(const std::string& text, char decimalSeparator = '.') {
    editor.SetText(text);
    locale = FakeLocale(decimalSeparator);
    dialog = std::make_unique<TFormAnalyse>(nullptr, editor, clipboard, locale);
    dialog->show();
    QApplication::processEvents();
  }
  template <typename Widget>
  Widget* Control(const char* name) {
    auto* widget = dialog->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QListWidget* Stats() { return Control<QListWidget>("Stats_ListBox"); }
  QTreeWidget* Chars() { return Control<QTreeWidget>("Chars_ListView"); }
  QComboBox* Combo() { return Control<QComboBox>("Analyse_Combo"); }
  std::string StatValue(int row) { return Stats()->item(row)->text().toStdString(); }
  std::string CharCell(int row, int column) {
    return Chars()->topLevelItem(row)->text(column).toStdString();
  }
  // The displayed row of a byte value.
  int RowOfByte(int value) {
    for (int row = 0; row < Chars()->topLevelItemCount(); ++row)
      if (Chars()->topLevelItem(row)->text(kDec).toInt() == value) return row;
    return -1;
  }
  void ClickColumn(int column) {
    QHeaderView* header = Chars()->header();
    const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
    Click(header->viewport(), Qt::LeftButton, at);
  }
  void ChooseNextSource() { PressKey(Combo(), Qt::Key_Down, QString()); }

  TCustomScribEdit editor;
  MemoryClipboard clipboard;
  FakeLocale locale;
  std::unique_ptr<TFormAnalyse> dialog;
};

TEST_F(FormAnalyseTest, ShowsTheStatisticsOfTheWholeText) {
  Open("Hello world\r\nAa \xE9\xFE");
  EXPECT_EQ(dialog->windowTitle(), "Text Analyse <All Text>");
  EXPECT_EQ(Combo()->currentText(), "All Text");
  ASSERT_EQ(Stats()->count(), 17);
  EXPECT_EQ(StatValue(kCharacters), "18");
  EXPECT_EQ(StatValue(kWords), "4");
  EXPECT_EQ(StatValue(kLines), "2");
  EXPECT_EQ(StatValue(kUniqueLetters), "8") << "A and a count as one letter";
  EXPECT_EQ(StatValue(kControl), "2");
  EXPECT_EQ(StatValue(kUpper), "2");
  EXPECT_EQ(StatValue(kEightBit), "2");
  EXPECT_EQ(StatValue(kNfo), "1") << "254 is an NFO character, 233 is not";
  for (int separator : {4, 7, 15}) EXPECT_EQ(StatValue(separator), "") << separator;
}

TEST_F(FormAnalyseTest, CrcIsShownWithAllEightDigits) {
  Open("123456789");
  EXPECT_EQ(StatValue(kCrc), "0xCBF43926");
  Open("");
  EXPECT_EQ(StatValue(kCharacters), "0");
  EXPECT_EQ(StatValue(kWords), "0");
  EXPECT_EQ(StatValue(kLines), "1");
  EXPECT_EQ(StatValue(kCrc), "0x00000000");
}

TEST_F(FormAnalyseTest, ListsEveryByteWithCountsAndTheLocalesSeparator) {
  Open("lollipop \xE9", ',');
  ASSERT_EQ(Chars()->topLevelItemCount(), 256);
  EXPECT_EQ(Chars()->columnCount(), 5);
  EXPECT_EQ(Chars()->headerItem()->text(kPercent), "%");
  EXPECT_EQ(Chars()->columnWidth(kCount), 78);
  EXPECT_EQ(CharCell(5, kDec), "05");
  EXPECT_EQ(CharCell(5, kCount), "");
  const int l = RowOfByte('l');
  EXPECT_EQ(l, 'l') << "rows start in byte order";
  EXPECT_EQ(CharCell(l, kHex), "0x6C");
  EXPECT_EQ(CharCell(l, kChr), "l");
  EXPECT_EQ(CharCell(l, kCount), "3");
  EXPECT_EQ(CharCell(l, kPercent), "30,000");
  EXPECT_EQ(Chars()->topLevelItem(0xE9)->text(kChr), QString::fromUtf8("\xC3\xA9"));
  EXPECT_EQ(Chars()->topLevelItem(l)->textAlignment(kCount) & Qt::AlignHorizontal_Mask,
            Qt::AlignRight);
}

TEST_F(FormAnalyseTest, TheSourceComboAnalysesSelectionAndClipboard) {
  Open("one two three");
  ChooseNextSource();
  EXPECT_EQ(dialog->windowTitle(), "Text Analyse <Selected Text>");
  EXPECT_EQ(StatValue(kCharacters), "0") << "nothing selected is an empty text";
  EXPECT_EQ(StatValue(kWords), "0");
  EXPECT_EQ(StatValue(kLines), "1");
  EXPECT_EQ(CharCell('o', kCount), "");

  ChooseNextSource();
  EXPECT_EQ(dialog->windowTitle(), "Text Analyse <Clipboard Text>");
  EXPECT_EQ(StatValue(kCharacters), "0") << "no text on the clipboard";

  clipboard.SetText("  a b");
  editor.SetSelStart(4);
  editor.SetSelLength(3);
  PressKey(Combo(), Qt::Key_Up, QString());
  EXPECT_EQ(StatValue(kCharacters), "3");
  EXPECT_EQ(StatValue(kUniqueChars), "3");
  EXPECT_EQ(CharCell('o', kCount), "1");
  ChooseNextSource();
  EXPECT_EQ(StatValue(kCharacters), "5");
  EXPECT_EQ(StatValue(kWords), "3") << "a leading gap counts one more";
}

TEST_F(FormAnalyseTest, Utf8DocumentsListCharactersAndTheClipboardTakesTheDocumentsEncoding) {
  editor.Lines().SetEncoding(TTextEncoding::Utf8);
  Open("caf\xC3\xA9 \xE4\xB8\xAD");
  EXPECT_EQ(StatValue(kCharacters), "6");
  ASSERT_EQ(Chars()->topLevelItemCount(), 257) << "one row beyond U+00FF";
  EXPECT_EQ(CharCell(0xE9, kHex), "U+00E9");
  EXPECT_EQ(Chars()->topLevelItem(0xE9)->text(kChr), QString::fromUtf8("\xC3\xA9"));
  EXPECT_EQ(CharCell(256, kDec), "20013");
  EXPECT_EQ(Chars()->topLevelItem(256)->text(kChr), QString::fromUtf8("\xE4\xB8\xAD"));
  EXPECT_EQ(CharCell(256, kCount), "1");
  // The style's item text margin on each side, as the view draws it.
  const int margins = 2 * (Chars()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  const QFontMetrics metrics(Chars()->font());
  EXPECT_GE(Chars()->columnWidth(kHex), metrics.horizontalAdvance("U+4E2D") + margins)
      << "U+ forms are not cut short";
  EXPECT_GE(Chars()->columnWidth(kDec), metrics.horizontalAdvance("20013") + margins);

  clipboard.SetText("\xC3\xA9\xC3\xA9");  // the clipboard holds UTF-8
  ChooseNextSource();
  ChooseNextSource();
  EXPECT_EQ(StatValue(kCharacters), "2");
  editor.Lines().SetEncoding(TTextEncoding::Windows1252);
  PressKey(Combo(), Qt::Key_Up, QString());
  ChooseNextSource();
  EXPECT_EQ(StatValue(kCharacters), "2") << "two code-page bytes";
  EXPECT_EQ(CharCell(0xE9, kCount), "2");
}

TEST_F(FormAnalyseTest, ColumnClicksSortAndFlipTheDirection) {
  Open("abbbcc");
  ClickColumn(kCount);
  EXPECT_EQ(CharCell(0, kDec), "00") << "empty counts first, in their previous order";
  EXPECT_EQ(CharCell(253, kChr), "a");
  EXPECT_EQ(CharCell(255, kChr), "b");
  ClickColumn(kCount);
  EXPECT_EQ(CharCell(0, kChr), "b");
  EXPECT_EQ(CharCell(1, kChr), "c");
  EXPECT_EQ(CharCell(2, kChr), "a");
  ClickColumn(kPercent);
  EXPECT_EQ(CharCell(255, kChr), "b") << "another column sorts ascending again";
  ClickColumn(kDec);
  ClickColumn(kDec);
  EXPECT_EQ(CharCell(0, kDec), "255");
  EXPECT_EQ(CharCell(255, kDec), "00");
}

TEST_F(FormAnalyseTest, SortingKeepsTheSelectedCharacterSelected) {
  Open("xyz");
  Chars()->setCurrentItem(Chars()->topLevelItem('y'));
  ClickColumn(kDec);
  ASSERT_NE(Chars()->currentItem(), nullptr);
  EXPECT_EQ(Chars()->currentItem()->text(kChr), "y");
  EXPECT_EQ(Chars()->indexOfTopLevelItem(Chars()->currentItem()), 255 - 'y');
}

TEST_F(FormAnalyseTest, SizesFollowTheListFont) {
  Open("abc");
  EXPECT_EQ(Stats()->visualItemRect(Stats()->item(0)).height(), 16);
  EXPECT_EQ(dialog->height(), 17 * 16 + 100);
}

TEST_F(FormAnalyseTest, StatisticsRowsAreDrawnInTheirColours) {
  Open("abc");
  Stats()->setCurrentRow(0);
  QApplication::processEvents();
  const QImage image = Stats()->viewport()->grab().toImage();
  const QRect selected = Stats()->visualItemRect(Stats()->item(0));
  const QRect separator = Stats()->visualItemRect(Stats()->item(4));
  const QRect plain = Stats()->visualItemRect(Stats()->item(5));
  const int middleX = selected.width() / 2;
  EXPECT_EQ(image.pixelColor(middleX, selected.top()), QColor(166, 202, 240));
  EXPECT_EQ(image.pixelColor(middleX, plain.top()), QColor(Qt::white));
  const int ruleY = separator.top() + separator.height() / 2;
  EXPECT_EQ(image.pixelColor(middleX, ruleY), QColor(89, 53, 15));
  EXPECT_EQ(image.pixelColor(2, ruleY), QColor(Qt::white)) << "the rule starts at x = 4";

  // The value hugs the right edge: ink within a few pixels of it, none at the very edge.
  auto inkIn = [&](const QRect& row, int left, int right) {
    for (int x = left; x < right; ++x)
      for (int y = row.top(); y <= row.bottom(); ++y)
        if (image.pixelColor(x, y) != QColor(Qt::white)) return true;
    return false;
  };
  const int width = plain.width();
  EXPECT_TRUE(inkIn(plain, width - 14, width - 4)) << "value right-aligned";
  EXPECT_FALSE(inkIn(plain, width - 3, width));
  EXPECT_TRUE(inkIn(plain, 4, 14)) << "label at the left";
}

TEST_F(FormAnalyseTest, CloseButtonEscapeEnterF7AndAltQCloseTheWindow) {
  const std::vector<std::function<void()>> ways = {
      [this] { Click(Control<QPushButton>("Close_Btn"), Qt::LeftButton); },
      [this] { PressKey(Chars(), Qt::Key_Escape, QString()); },
      [this] { PressKey(Combo(), Qt::Key_Return, "\r"); },
      [this] { PressKey(Chars(), Qt::Key_F7, QString()); },
      [this] { PressKey(Stats(), Qt::Key_Q, "q", Qt::AltModifier); },
  };
  for (std::size_t way = 0; way < ways.size(); ++way) {
    Open("text");
    ways[way]();
    EXPECT_FALSE(dialog->isVisible()) << way;
  }
}

TEST_F(FormAnalyseTest, OtherKeysReachTheControls) {
  Open("text");
  Control<QTabWidget>("Main_PageCtrl")->setCurrentIndex(1);
  Chars()->setFocus();
  Chars()->setCurrentItem(Chars()->topLevelItem(10));
  PressKey(Chars(), Qt::Key_Down, QString());
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(Chars()->indexOfTopLevelItem(Chars()->currentItem()), 11);
  PressKey(Chars(), Qt::Key_Q, "q");
  EXPECT_TRUE(dialog->isVisible()) << "Q without Alt";
}

}  // namespace

namespace {

TEST(AnalyseTextCmd, RunsTheWindowModallyUntilItCloses) {
  TCustomScribEdit editor;
  editor.SetText("abc");
  MemoryClipboard clipboard;
  FakeLocale locale;
  QString title, characters;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    characters = dialog->findChild<QListWidget*>("Stats_ListBox")->item(0)->text();
    PressKey(dialog, Qt::Key_F7, QString());
  });
  AnalyseText_Cmd(nullptr, editor, clipboard, locale);
  EXPECT_EQ(title, "Text Analyse <All Text>");
  EXPECT_EQ(characters, "3");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
