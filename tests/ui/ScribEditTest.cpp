// The editor widget driven by real Qt key, mouse, wheel and drop events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QUrl>
#include <QWheelEvent>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "WidgetEvents.h"
#include "highlight/ScribHighlighterOrvane.h"
#include "ui/KeyMapping.h"
#include "ui/QtColors.h"
#include "ui/ScribEdit.h"

namespace {

class ScribEditWidget : public ::testing::Test {
 protected:
  void SetUp() override {
    edit.SetOptions(kMainWindowEditorOptions);
    edit.SetWantTabs(true);
    edit.ShowError = [this](const std::string& message) { errors.push_back(message); };
    edit.resize(400, 300);
    edit.show();
    QApplication::processEvents();
  }

  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    PressKey(&edit, key, text, modifiers);
  }
  void Type(const QString& text) { TypeText(&edit, text); }
  void Enter() { Key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")); }

  // The viewport point just right of the left edge of a buffer position's cell.
  QPoint PointOf(TBufferCoord position) {
    const TDisplayCoord display = edit.BufferToDisplayPos(position);
    return {edit.Painter().ColumnToX(display.Column) + 1,
            edit.Painter().RowToY(display.Row) + edit.LineHeight() / 2};
  }
  void Mouse(QEvent::Type type, QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, point, edit.viewport()->mapToGlobal(point), Qt::LeftButton, buttons,
                      modifiers);
    QApplication::sendEvent(edit.viewport(), &event);
  }
  void Drop(QMimeData& data, QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(edit.viewport(), &enter);
    QDragMoveEvent move(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(edit.viewport(), &move);
    QDropEvent drop(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(edit.viewport(), &drop);
  }

  TScribEdit edit;
  std::vector<std::string> errors;
};

TEST_F(ScribEditWidget, KeysTypeEditMoveAndSelect) {
  Type("abc");
  Enter();
  Type("de");
  EXPECT_EQ(edit.Text(), "abc\r\nde");
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{3, 2}));
  Key(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(edit.SelText(), "e");
  Key(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
  EXPECT_EQ(edit.Text(), "abc\r\nd");
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 1}));
  Key(Qt::Key_Z, Qt::ControlModifier, QStringLiteral("\x1a"));
  EXPECT_EQ(edit.Text(), "abc\r\nde") << "Ctrl+Z undoes without typing its control character";
  Key(Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
  EXPECT_EQ(edit.SelText(), "abc\r\nde");
  EXPECT_TRUE(errors.empty());
}

TEST_F(ScribEditWidget, TabsAndCharactersOutsideAsciiReachTheText) {
  Key(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
  Type(QString::fromUtf8("é€x"));
  EXPECT_EQ(edit.Text(), "\t\xE9\x80x");
  Key(Qt::Key_Insert);
  EXPECT_FALSE(edit.InsertMode());
  Key(Qt::Key_Home);
  Type("y");
  EXPECT_EQ(edit.Text(), "y\xE9\x80x") << "overwrite mode replaces the TAB";
}

TEST_F(ScribEditWidget, InputMethodTextIsInsertedAtTheCaret) {
  edit.SetText("ab");
  edit.SetCaretXY({2, 1});
  QInputMethodEvent event;
  event.setCommitString(QString::fromUtf8("éè"));
  QApplication::sendEvent(&edit, &event);
  EXPECT_EQ(edit.Text(),
            "a\xE9\xE8"
            "b");
  const QRect cursor = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
  EXPECT_EQ(cursor.left(), edit.viewport()->x() + edit.Painter().ColumnToX(4));
}

TEST_F(ScribEditWidget, HostKeyDownRunsFirstAndMayTakeTheKey) {
  std::vector<std::string> seen;
  edit.OnKeyDown = [&](TCustomScribEdit&, std::uint16_t& key, TShiftState) {
    seen.push_back("down " + std::to_string(key));
    if (key == 'Q') key = 0;
  };
  edit.OnKeyPress = [&](TCustomScribEdit&, char& key) {
    seen.push_back(std::string("press ") + key);
  };
  Type("aq");
  EXPECT_EQ(edit.Text(), "a");
  EXPECT_EQ(seen, (std::vector<std::string>{"down 65", "press a", "down 81"}));
  Key(Qt::Key_F1, Qt::ControlModifier);
  EXPECT_EQ(seen.back(), "down 112");
}

TEST_F(ScribEditWidget, ErrorsInsideHandlersAreShownAndTheEditorGoesOn) {
  edit.OnKeyDown = [](TCustomScribEdit&, std::uint16_t& key, TShiftState) {
    if (key == 'B') throw std::runtime_error("Boom");
  };
  Type("abc");
  EXPECT_EQ(errors, std::vector<std::string>{"Boom"});
  EXPECT_EQ(edit.Text(), "ac");
}

TEST_F(ScribEditWidget, MouseClickDragShiftClickAndDoubleClick) {
  edit.SetText("alpha beta\r\ngamma delta");
  Mouse(QEvent::MouseButtonPress, PointOf({3, 1}));
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{3, 1}));
  Mouse(QEvent::MouseMove, PointOf({4, 2}));
  Mouse(QEvent::MouseButtonRelease, PointOf({4, 2}));
  EXPECT_EQ(edit.SelText(), "pha beta\r\ngam");
  Mouse(QEvent::MouseButtonPress, PointOf({9, 1}), Qt::ShiftModifier);
  Mouse(QEvent::MouseButtonRelease, PointOf({9, 1}), Qt::ShiftModifier);
  EXPECT_EQ(edit.SelText(), "pha be") << "Shift extends from the anchor";
  Mouse(QEvent::MouseButtonPress, PointOf({14, 2}));
  Mouse(QEvent::MouseButtonDblClick, PointOf({14, 2}));
  Mouse(QEvent::MouseButtonRelease, PointOf({14, 2}));
  EXPECT_EQ(edit.SelText(), "delta");
}

TEST_F(ScribEditWidget, DraggingBelowTheWindowScrollsAndExtends) {
  std::string text;
  for (int i = 1; i <= 100; ++i) text += "line " + std::to_string(i) + "\r\n";
  edit.SetText(text);
  Mouse(QEvent::MouseButtonPress, PointOf({1, 1}));
  const QPoint below(PointOf({1, 1}).x(), edit.viewport()->height() + 2 * edit.LineHeight());
  Mouse(QEvent::MouseMove, below);
  EXPECT_GT(edit.TopLine(), 1) << "the first scroll tick runs at once";
  EXPECT_GT(edit.CaretY(), edit.LinesInWindow());
  EXPECT_TRUE(edit.SelAvail());
  Mouse(QEvent::MouseButtonRelease, below);
  const int topLine = edit.TopLine();
  QApplication::processEvents();
  EXPECT_EQ(edit.TopLine(), topLine) << "releasing the button stops the timer";
}

TEST_F(ScribEditWidget, DroppingTheSelectionMovesOrCopiesIt) {
  edit.SetText("move this text");
  edit.SetCaretAndSelection({10, 1}, {6, 1}, {10, 1});
  std::unique_ptr<QMimeData> data(edit.CreateDragData());
  EXPECT_EQ(data->text(), "this");
  Drop(*data, PointOf({15, 1}));
  EXPECT_EQ(edit.Text(), "move  textthis");
  edit.Undo();
  EXPECT_EQ(edit.Text(), "move this text") << "a drop is one undo step";
  edit.SetCaretAndSelection({5, 1}, {1, 1}, {5, 1});
  data.reset(edit.CreateDragData());
  Drop(*data, PointOf({15, 1}), Qt::ControlModifier);
  EXPECT_EQ(edit.Text(), "move this textmove") << "Ctrl copies";
}

TEST_F(ScribEditWidget, DroppedTextAndFiles) {
  edit.SetText("ab");
  QMimeData text;
  text.setText(QString::fromUtf8("x€"));
  Drop(text, PointOf({2, 1}));
  EXPECT_EQ(edit.Text(),
            "ax\x80"
            "b");

  std::vector<std::string> dropped;
  edit.OnDropFiles = [&](TCustomScribEdit&, int, int, const std::vector<std::string>& files) {
    dropped = files;
  };
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile("/tmp/one.txt"), QUrl::fromLocalFile("/tmp/two.txt")});
  files.setText("/tmp/one.txt");
  Drop(files, PointOf({1, 1}));
  EXPECT_EQ(dropped, (std::vector<std::string>{"/tmp/one.txt", "/tmp/two.txt"}));
  EXPECT_EQ(edit.Text(),
            "ax\x80"
            "b")
      << "a file drop inserts no text";
}

TEST_F(ScribEditWidget, ScrollBarsAndWheelFollowTheView) {
  std::string text;
  for (int i = 1; i <= 200; ++i) text += "x\r\n";
  edit.SetText(text);
  EXPECT_EQ(edit.verticalScrollBar()->maximum(), edit.RowCount() - edit.LinesInWindow());
  edit.verticalScrollBar()->setValue(20);
  EXPECT_EQ(edit.TopLine(), 21);
  edit.SetTopLine(50);
  EXPECT_EQ(edit.verticalScrollBar()->value(), 49);
  QWheelEvent wheel(QPointF(50, 50), edit.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(edit.viewport(), &wheel);
  EXPECT_EQ(edit.TopLine(), 50 + QApplication::wheelScrollLines());
  edit.horizontalScrollBar()->setValue(7);
  EXPECT_EQ(edit.LeftChar(), 8);
  edit.SetWordWrap(true);
  EXPECT_EQ(edit.horizontalScrollBar()->maximum(), 0) << "no horizontal scrolling while wrapping";
  EXPECT_EQ(edit.LeftChar(), 1);
}

TEST_F(ScribEditWidget, WindowSizeGivesRowsColumnsAndWrapWidth) {
  const int columns = edit.CharsInWindow();
  EXPECT_EQ(columns, (edit.viewport()->width() - edit.Painter().TextLeft()) / edit.CharWidth());
  EXPECT_EQ(edit.LinesInWindow(), edit.viewport()->height() / edit.LineHeight());
  edit.SetText(std::string(150, 'a'));
  edit.SetWordWrap(true);
  const int rows = edit.RowCount();
  EXPECT_EQ(rows, (150 + columns - 1) / columns);
  edit.resize(edit.width() / 2, edit.height());
  QApplication::processEvents();
  EXPECT_LT(edit.CharsInWindow(), columns);
  EXPECT_GT(edit.RowCount(), rows) << "a narrower window wraps again";
}

TEST_F(ScribEditWidget, CaretIsALineInInsertModeAndABlockInOverwriteMode) {
  edit.SetText("abc");
  edit.SetCaretXY({2, 1});
  EXPECT_EQ(edit.CaretRect().left(), edit.Painter().ColumnToX(2));
  EXPECT_EQ(edit.CaretRect().width(), 2);
  Key(Qt::Key_Insert);
  EXPECT_EQ(edit.CaretRect().width(), edit.CharWidth());
  EXPECT_EQ(edit.CaretRect().height(), edit.LineHeight());
}

// Pixels of the grabbed widget darker than mid-grey inside `area`.
int DarkPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ++count;
  return count;
}

TEST_F(ScribEditWidget, PaintingDrawsTextGutterNumbersAndSelection) {
  edit.Gutter().SetShowLineNumbers(true);
  edit.SetText("MMMMMMMM\r\n");
  const QPoint origin = edit.viewport()->mapTo(&edit, QPoint(0, 0));
  const int textLeft = edit.Painter().TextLeft();
  const QRect firstRowText(origin.x() + textLeft, origin.y(), 8 * edit.CharWidth(),
                           edit.LineHeight());
  const QRect secondRowText = firstRowText.translated(0, edit.LineHeight());
  const QRect gutter(origin.x(), origin.y(), textLeft - 2, edit.LineHeight());

  QImage image = edit.grab().toImage();
  EXPECT_GT(DarkPixels(image, firstRowText), 8 * 4) << "glyphs in the first row";
  EXPECT_EQ(DarkPixels(image, secondRowText), 0) << "an empty row stays blank";
  EXPECT_GT(DarkPixels(image, gutter), 0) << "the line number";

  edit.SelectAll();
  image = edit.grab().toImage();
  const QColor selection = ToQColor(edit.SelectedColor().Background);
  const QPoint inside = firstRowText.topLeft() + QPoint(1, 1);
  EXPECT_EQ(QColor(image.pixel(inside)), selection);
  EXPECT_TRUE(errors.empty());
}

TEST_F(ScribEditWidget, PaintingPutsEachCharacterInItsOwnCells) {
  edit.Lines().SetEncoding(TTextEncoding::Utf8);
  // A wide character, a blank, an accent over its letter, an emoji, a byte
  // that is not UTF-8, a blank, an ASCII letter.
  edit.SetText("\xE4\xB8\xAD e\xCC\x81\xF0\x9F\x98\x80\xFF x");
  const QPoint origin = edit.viewport()->mapTo(&edit, QPoint(edit.Painter().TextLeft(), 0));
  const QImage image = edit.grab().toImage();
  const auto cells = [&](int first, int count) {
    return DarkPixels(image, QRect(origin.x() + first * edit.CharWidth() + 1, origin.y(),
                                   count * edit.CharWidth() - 2, edit.LineHeight()));
  };
  EXPECT_GT(cells(0, 2), 8) << "the wide character";
  EXPECT_EQ(cells(2, 1), 0) << "the blank after it";
  EXPECT_GT(cells(3, 1), 4) << "the letter with its accent";
  EXPECT_GT(cells(4, 2), 8) << "the emoji";
  EXPECT_GT(cells(6, 1), 4) << "the marker of the byte";
  EXPECT_EQ(cells(7, 1), 0);
  EXPECT_GT(cells(8, 1), 4) << "x, where the columns say";
  EXPECT_EQ(cells(9, 4), 0);
}

namespace {

class LineCountingOrvane : public TScribOrvane {
 public:
  using TScribOrvane::SetLine;
  void SetLine(std::string_view text, int lineIndex) override {
    ++lines;
    TScribOrvane::SetLine(text, lineIndex);
  }
  int lines = 0;
};

}  // namespace

TEST_F(ScribEditWidget, CaretBlinkPaintsNoTextAndEditsStillShow) {
  LineCountingOrvane highlighter;
  edit.SetHighlighter(&highlighter);
  edit.SetText("alpha beta\r\ngamma");
  edit.viewport()->repaint();
  highlighter.lines = 0;
  edit.viewport()->repaint(edit.CaretRect());
  EXPECT_EQ(highlighter.lines, 0) << "the caret cell comes from what was painted";

  edit.SetCaretXY({6, 2});
  Type("x");
  Key(Qt::Key_Home, Qt::ShiftModifier);
  LineCountingOrvane freshHighlighter;  // outlives the editor that uses it
  TScribEdit fresh;
  fresh.SetOptions(kMainWindowEditorOptions);
  fresh.SetHighlighter(&freshHighlighter);
  fresh.resize(edit.size());
  fresh.show();
  fresh.SetText("alpha beta\r\ngammax");
  fresh.SetCaretAndSelection({1, 2}, {7, 2}, {1, 2});
  edit.clearFocus();  // no caret in the comparison
  EXPECT_FALSE(edit.CaretShown());
  EXPECT_EQ(edit.viewport()->grab().toImage(), fresh.viewport()->grab().toImage())
      << "edits and selections repaint what they change";
  edit.SetHighlighter(nullptr);
}

TEST_F(ScribEditWidget, IdleTimeScansTheLinesBelowTheWindowAhead) {
  TScribOrvane highlighter;
  highlighter.SetComments(CommentBit(csCStyle));
  std::string text = "/* open\r\n";
  for (int i = 0; i < 25000; ++i) text += "int x;\r\n";
  edit.SetHighlighter(&highlighter);
  edit.SetText(text);
  const std::int64_t shown = edit.ScannedLineCount();
  QApplication::processEvents();  // paints the window
  EXPECT_LT(edit.ScannedLineCount() - shown, 25000) << "the first paint scans only what it shows";
  for (int turn = 0; turn < 100 && edit.ScanAhead(0); ++turn) QApplication::processEvents();
  const std::int64_t scanned = edit.ScannedLineCount();
  EXPECT_GE(scanned - shown, 25000);
  EXPECT_EQ(edit.LineEndRange(25000), rsCStyle);
  EXPECT_EQ(edit.ScannedLineCount(), scanned) << "the last line was ready";
  edit.SetHighlighter(nullptr);
}

TEST(KeyMapping, QtKeysBecomeVirtualKeyCodes) {
  EXPECT_EQ(VirtualKeyOf(Qt::Key_A, Qt::NoModifier), 0x41);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_7, Qt::NoModifier), 0x37);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_7, Qt::KeypadModifier), 0x67);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_F1, Qt::NoModifier), 0x70);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Backtab, Qt::ShiftModifier), 0x09);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_PageDown, Qt::NoModifier), 0x22);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Eacute, Qt::NoModifier), 0);
  EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier), ssShift | ssCtrl);
  EXPECT_FALSE(ProducesCharacter(Qt::AltModifier, "x"));
  EXPECT_TRUE(ProducesCharacter(Qt::ControlModifier | Qt::AltModifier, "@")) << "AltGr";
  EXPECT_FALSE(ProducesCharacter(Qt::ControlModifier, "1"));
}

}  // namespace

namespace {

TEST_F(ScribEditWidget, TypedCharactersGoInAsTheDocumentsEncodingHasThem) {
  edit.Lines().SetEncoding(TTextEncoding::Utf8);
  edit.SetText("");
  PressKey(&edit, Qt::Key_A, "a");
  PressKey(&edit, Qt::Key_Eacute, QString::fromUtf8("\u00e9"));
  PressKey(&edit, 0, QString::fromUtf8("\U0001F600"));
  EXPECT_EQ(edit.Text(), "a\xC3\xA9\xF0\x9F\x98\x80");
  Key(Qt::Key_Left);
  Key(Qt::Key_Backspace, Qt::NoModifier, "\b");
  EXPECT_EQ(edit.Text(), "a\xF0\x9F\x98\x80") << "one character each";
  Key(Qt::Key_Insert);
  PressKey(&edit, 0, QString::fromUtf8("\u4e2d"));
  EXPECT_EQ(edit.Text(), "a\xE4\xB8\xAD") << "overwriting replaces a whole character";
  Key(Qt::Key_Insert);
  edit.Lines().SetEncoding(TTextEncoding::Windows1252);
  edit.SetText("");
  PressKey(&edit, 0, QString::fromUtf8("\u00e9\u20ac"));
  EXPECT_EQ(edit.Text(), "\xE9\x80");
  std::size_t refused = 0;
  edit.OnRefusedText = [&refused](TCustomScribEdit&, std::size_t missing) { refused += missing; };
  PressKey(&edit, 0, QString::fromUtf8("\u4e2d"));
  QInputMethodEvent input;
  input.setCommitString(QString::fromUtf8("x\U0001F600\u4e2d"));
  QApplication::sendEvent(&edit, &input);
  EXPECT_EQ(edit.Text(), "\xE9\x80") << "Windows-1252 has neither character: nothing goes in";
  EXPECT_EQ(refused, 3u);
}

TEST_F(ScribEditWidget, FocusShowsTheCaretAndPaintsIt) {
  edit.SetText("abc");
  edit.activateWindow();
  edit.setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(edit.hasFocus());
  EXPECT_TRUE(edit.CaretShown());
  const QRect caret = edit.CaretRect().translated(edit.viewport()->mapTo(&edit, QPoint(0, 0)));
  const QImage image = edit.grab().toImage();
  EXPECT_EQ(qGray(image.pixel(caret.topLeft() + QPoint(0, 1))), 0) << "an inverted white cell";
  edit.clearFocus();
  QApplication::processEvents();
  EXPECT_FALSE(edit.CaretShown());
}

}  // namespace
