#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>
#include <QWindow>

#include "TempFolder.h"
#include "WidgetEvents.h"
#include "editor/CustomScribEdit.h"
#include "shell/ScribantShell.h"
#include "ui/FormScribant.h"
#include "ui/ScribEdit.h"

namespace {

QString Panel(const TFormScribant& form, int index) {
  return form.findChild<QLabel*>(QString("StatusPanel%1").arg(index))->text();
}

QString CaretPanels(const TFormScribant& form) {
  return Panel(form, 1) + " " + Panel(form, 2) + " " + Panel(form, 3);
}

}  // namespace

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

TEST(FormScribant, EncodingAndLineBreakShowAtTheRightAndAMarkIsSavedBack) {
  TempFolder folder;
  WriteBytes(folder.File("bom.txt"),
             "\xEF\xBB\xBF"
             "caf\xC3\xA9\nend\n");
  WriteBytes(folder.File("legacy.txt"), "caf\xE9\r\n");
  TFormScribant form(folder.File("bom.txt"));
  form.show();
  EXPECT_EQ(Panel(form, 4), QString::fromUtf8("UTF-8 BOM \u00B7 LF"));
  EXPECT_EQ(form.Editor().Lines().Get(0), "caf\xC3\xA9") << "the mark is no text";
  TypeText(form.centralWidget(), "x");
  form.MenuAction("Save1")->trigger();
  EXPECT_EQ(ReadBytes(folder.File("bom.txt")), "\xEF\xBB\xBFxcaf\xC3\xA9\nend\n");
  form.ScribantShell().OpenDocument(folder.File("legacy.txt"));
  EXPECT_EQ(Panel(form, 4), QString::fromUtf8("Windows-1252 \u00B7 CRLF"));
  form.MenuAction("New1")->trigger();
  EXPECT_EQ(Panel(form, 4), QString::fromUtf8("UTF-8 \u00B7 CRLF"));
}

TEST(FormScribant, PastedTextKeepsItsBytesOrIsRefusedWithAMessage) {
  TFormScribant form;
  form.show();
  TCustomScribEdit& editor = form.Editor();
  QWidget* edit = form.centralWidget();
  editor.SetText("a\xFF\xE4\xB8");  // bytes that are not UTF-8 in a UTF-8 document
  PressKey(edit, Qt::Key_A, Qt::ControlModifier);
  PressKey(edit, Qt::Key_C, Qt::ControlModifier);
  PressKey(edit, Qt::Key_End, Qt::ControlModifier);
  PressKey(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(),
            "a\xFF\xE4\xB8"
            "a\xFF\xE4\xB8");

  form.ScribantShell().ConvertEncoding_Cmd(TTextEncoding::Windows1252);
  editor.SetText("");
  QGuiApplication::clipboard()->setText(QString::fromUtf8("\u00e9 \u4e2d"));
  PressKey(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), "");
  EXPECT_EQ(form.statusBar()->currentMessage().toStdString(),
            "Not inserted: the text holds a character that Windows-1252 lacks. Converting the "
            "document to UTF-8 (File > Convert Encoding) makes room for every character.");
}

TEST(FormScribant, StatusBarCountsTheCharactersOfUtf8Text) {
  TempFolder folder;
  WriteBytes(folder.File("u.txt"), "caf\xC3\xA9 \xE4\xB8\xAD");
  TFormScribant form(folder.File("u.txt"));
  form.show();
  QWidget* edit = form.centralWidget();
  PressKey(edit, Qt::Key_End);
  TypeText(edit, QString::fromUtf8("\u00e9"));
  EXPECT_EQ(Panel(form, 0), "\"7\" characters on \"1\" lines");
  PressBackspace(edit);
  EXPECT_EQ(CaretPanels(form), "Line: 1 Col: 7 Pos: 9") << "Pos stays a byte offset";
  PressKey(edit, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(Panel(form, 0), QString::fromUtf8("1 character selected: \"\u4E2D\"  Dec: #20013  "
                                              "Hex: 0x4E2D  Bin: %100111000101101"));
  PressKey(edit, Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Panel(form, 0), "\"6\" characters selected");
}

TEST(FormScribant, StatusBarFollowsEveryCaretMoveAndEdit) {
  TempFolder folder;
  WriteBytes(folder.File("abc.txt"), "abc");
  TFormScribant form(folder.File("abc.txt"));
  form.show();
  QWidget* edit = form.centralWidget();
  TypeText(edit, "xyz");
  EXPECT_EQ(CaretPanels(form), "Line: 1 Col: 4 Pos: 3");
  PressKey(edit, Qt::Key_Return, "\r");
  EXPECT_EQ(CaretPanels(form), "Line: 2 Col: 1 Pos: 5");
  EXPECT_EQ(Panel(form, 0), "\"8\" characters on \"2\" lines");
  PressKey(edit, Qt::Key_End);
  EXPECT_EQ(CaretPanels(form), "Line: 2 Col: 4 Pos: 8");
  PressBackspace(edit);
  EXPECT_EQ(CaretPanels(form), "Line: 2 Col: 3 Pos: 7");
  PressKey(edit, Qt::Key_Up);
  EXPECT_EQ(CaretPanels(form), "Line: 1 Col: 3 Pos: 2");
  PressKey(edit, Qt::Key_Home, Qt::ControlModifier);
  PressKey(edit, Qt::Key_Delete);
  EXPECT_EQ(CaretPanels(form), "Line: 1 Col: 1 Pos: 0");
  EXPECT_EQ(Panel(form, 0), "\"6\" characters on \"2\" lines")
      << "the caret stayed, the text shrank";
}

TEST(FormScribant, OpenRecentIsRebuiltAboveItsFixedItemsOnEveryOpening) {
  TempFolder folder;
  TFormScribant form;
  form.show();
  for (const char* name : {"lf.txt", "cr.txt", "crlf.txt"}) {
    WriteBytes(folder.File(name), name);
    form.ScribantShell().Settings().recentList.push_back(folder.File(name));
  }
  QMenu* menu = form.findChild<QMenu*>("RecentFiles1");
  const auto captions = [menu] {
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* action : menu->actions()) texts << (action->isSeparator() ? "-" : action->text());
    return texts;
  };
  const QString fixed = "-|&Remove Obsolete Files|&Clear Recent List";
  EXPECT_EQ(captions().join('|'), "&0    " + QString::fromStdString(folder.File("lf.txt")) +
                                      "|&1    " + QString::fromStdString(folder.File("cr.txt")) +
                                      "|&2    " + QString::fromStdString(folder.File("crlf.txt")) +
                                      "|" + fixed);
  menu->actions()[1]->trigger();
  ASSERT_EQ(form.ScribantShell().FileName(), folder.File("cr.txt"));
  const QStringList second = captions();
  ASSERT_EQ(second.size(), 5) << second.join('|').toStdString();
  EXPECT_EQ(second.mid(2).join('|'), fixed);
  EXPECT_TRUE(second[1].endsWith("crlf.txt"));
  menu->actions()[1]->trigger();
  EXPECT_EQ(form.ScribantShell().FileName(), folder.File("crlf.txt")) << "the row opens its file";
  form.MenuAction("ClearRecentList1")->trigger();
  EXPECT_EQ(captions().join('|'), "Empty|" + fixed);
}

TEST(FormScribant, FindNextKeepsWorkingAfterTheSearchMenuWasOpened) {
  TFormScribant form;
  form.show();
  form.Editor().SetText("ab ab ab");
  QMenu* search = form.findChild<QMenu*>("Search1");
  emit search->aboutToShow();
  EXPECT_FALSE(form.MenuAction("FindNext1")->isEnabled()) << "nothing searched yet";
  emit search->aboutToHide();
  form.MenuAction("Find1")->trigger();
  auto* combo = form.findChild<QComboBox*>("Find_Combo");
  ASSERT_NE(combo, nullptr);
  combo->setCurrentText("ab");
  Click(form.findChild<QPushButton*>("Find_Btn"));
  ASSERT_EQ(form.Editor().SelStart(), 0);
  form.MenuAction("FindNext1")->trigger();  // what F3 fires
  EXPECT_EQ(form.Editor().SelStart(), 3);
}

TEST(FormScribant, CtrlVOfAFileListPastesFullPathsNotUrls) {
  TFormScribant form;
  form.show();
  QWidget* edit = form.centralWidget();
  const auto copyFiles = [](const QString& text) {
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile("/tmp/R&D.txt"), QUrl::fromLocalFile("/tmp/b c.txt")});
    if (!text.isEmpty()) data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
  };
  // As X11 offers a file manager's copy: the URL list doubles as plain text.
  copyFiles("file:///tmp/R%26D.txt\r\nfile:///tmp/b%20c.txt\r\n");
  PressKey(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form.Editor().Text(), "/tmp/R&D.txt\r\n/tmp/b c.txt\r\n");
  form.Editor().SetText("");
  copyFiles("some words");
  PressKey(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form.Editor().Text(), "some words") << "real text is pasted instead";
}

TEST(FormScribant, CaptionShowsExactlyWhatTheTemplateGives) {
  TempFolder folder;
  WriteBytes(folder.File("a[*]b.txt"), "x");
  TFormScribant form(folder.File("a[*]b.txt"));
  form.show();
  EXPECT_EQ(form.windowHandle()->title().toStdString(),
            "Scribant <" + folder.File("a[*]b.txt") + ">")
      << "no placeholder is taken out of a path";
  form.ScribantShell().Settings().captionFormat = "";
  form.ScribantShell().UpdateCaption();
  const QString title = form.windowHandle()->title();
  EXPECT_TRUE(title.trimmed().isEmpty() || title == QChar(0x200B)) << title.toStdString();
  EXPECT_FALSE(title.isEmpty()) << "the window system would show the program's name instead";
}
