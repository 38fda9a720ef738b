#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "WidgetEvents.h"
#include "shell/MainMenu.h"
#include "ui/FormScribant.h"
#include "ui/ScribEdit.h"

namespace {

void ExpectItemsBuilt(const TFormScribant& form, const std::vector<TMenuItemDef>& items) {
  for (const TMenuItemDef& item : items) {
    if (item.caption == "-") continue;
    QAction* action = form.MenuAction(item.name);
    ASSERT_NE(action, nullptr) << item.name;
    EXPECT_EQ(action->text().toStdString(), item.caption);
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromStdString(item.shortcut))) << item.name;
    ExpectItemsBuilt(form, item.children);
  }
}

}  // namespace

TEST(FormScribant, MenuHasEveryItemWithItsShortcut) {
  TFormScribant form;
  const QList<QAction*> menus = form.menuBar()->actions();
  ASSERT_EQ(menus.size(), static_cast<qsizetype>(MainMenuDefinition().size()));
  for (std::size_t i = 0; i < MainMenuDefinition().size(); ++i) {
    EXPECT_EQ(menus[i]->text().toStdString(), MainMenuDefinition()[i].caption);
    ExpectItemsBuilt(form, MainMenuDefinition()[i].items);
  }
  EXPECT_EQ(form.MenuAction("Close1")->shortcut(), QKeySequence("Alt+Q"));
  EXPECT_EQ(form.MenuAction("CalcSel1")->shortcut(), QKeySequence("Ctrl+Shift+C"));
}

TEST(FormScribant, StartsUntitledAndHidesStatusBarWhenTooSmall) {
  TFormScribant form;
  form.show();
  EXPECT_EQ(form.windowTitle(), "Scribant <Untitled>");
  form.resize(600, 300);
  QApplication::processEvents();
  EXPECT_TRUE(form.statusBar()->isVisible());
  form.resize(230, 300);
  QApplication::processEvents();
  EXPECT_FALSE(form.statusBar()->isVisible()) << "240 pixels wide or less hides it";
  form.resize(600, 300);
  QApplication::processEvents();
  EXPECT_TRUE(form.statusBar()->isVisible());
}

TEST(FormScribant, AltShiftArrowsAndAltDragSelectAColumn) {
  TFormScribant form;
  form.show();
  auto& edit = dynamic_cast<TScribEdit&>(form.Editor());
  edit.SetText("abcd\r\nefgh\r\nijkl");
  edit.SetCaretXY({2, 1});
  const Qt::KeyboardModifiers altShift = Qt::AltModifier | Qt::ShiftModifier;
  PressKey(&edit, Qt::Key_Right, altShift);
  PressKey(&edit, Qt::Key_Right, altShift);
  PressKey(&edit, Qt::Key_Down, altShift);
  EXPECT_EQ(edit.SelText(), "bc\r\nfg");
  PressKey(&edit, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(edit.SelText(), "bcd\r\nef") << "a plain Shift move goes back to a normal selection";

  const auto point = [&](TBufferCoord at) {
    return QPoint(edit.Painter().ColumnToX(at.Char) + 1,
                  edit.Painter().RowToY(at.Line) + edit.LineHeight() / 2);
  };
  const auto mouse = [&](QEvent::Type type, TBufferCoord at, Qt::MouseButtons held) {
    QMouseEvent event(type, point(at), edit.viewport()->mapToGlobal(point(at)), Qt::LeftButton,
                      held, Qt::AltModifier);
    QApplication::sendEvent(edit.viewport(), &event);
  };
  edit.SetCaretXY({1, 1});
  mouse(QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton);
  mouse(QEvent::MouseMove, {4, 3}, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, {4, 3}, Qt::NoButton);
  EXPECT_EQ(edit.SelText(), "fg\r\njk");
}

TEST(FormScribant, AHugeEditorFontLeavesTheTextInTheWindow) {
  TFormScribant form;
  form.show();
  auto& edit = dynamic_cast<TScribEdit&>(form.Editor());
  TFont font = edit.Font();
  font.height = -2184;  // 1638 points, the largest the font dialog offers
  edit.SetFont(font);
  EXPECT_GT(edit.CharWidth(), edit.viewport()->width() / 3);
  EXPECT_LT(edit.Painter().TextLeft(), edit.viewport()->width() / 3) << "the gutter keeps its font";
}
