// Keyboard, input method, mouse selection with its scroll timer, and the wheel.
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

#include "support/Utf8.h"
#include "ui/KeyMapping.h"
#include "ui/ScribEdit.h"

namespace {

// Stands for keys without a virtual-key code of their own (a national letter
// key), so that they still pass through key-down before their character.
constexpr std::uint16_t kUnmappedKey = 0xFF;

// Rows or columns to scroll for `outside` pixels beyond an edge, rounded up.
int StepsOutside(int outside, int step) {
  return outside <= 0 ? 0 : (outside + step - 1) / step;
}

}  // namespace

// --- Keys ------------------------------------------------------------------------------

void TScribEdit::keyPressEvent(QKeyEvent* event) {
  event->accept();
  Guarded([&] {
    std::uint16_t key = VirtualKeyOf(event->key(), event->modifiers());
    if (key == 0) key = kUnmappedKey;
    // Key-down first (host handlers, then the keystroke table), then the character.
    KeyDown(key, ShiftStateOf(event->modifiers()));
    if (!ProducesCharacter(event->modifiers(), event->text())) return;
    const std::optional<std::string> typed = DocumentTextOf(event->text().toStdString());
    if (!typed) return;
    // A character of several bytes goes in whole, as input-method text does.
    if (Lines().CellRules().utf8 && !utf8::IsAscii(*typed))
      CommandProcessor(ecImeStr, '\0', &*typed);
    else
      for (const char c : *typed) KeyPress(c);
  });
}

void TScribEdit::inputMethodEvent(QInputMethodEvent* event) {
  event->accept();
  if (event->commitString().isEmpty()) return;
  Guarded([&] {
    if (const std::optional<std::string> text = DocumentTextOf(event->commitString().toStdString()))
      CommandProcessor(ecImeStr, '\0', &*text);
  });
}

QVariant TScribEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  // The input method places its window at the caret.
  if (query == Qt::ImCursorRectangle)
    return QRect(viewport()->mapTo(this, CaretRect().topLeft()), CaretRect().size());
  return QAbstractScrollArea::inputMethodQuery(query);
}

// --- Mouse -------------------------------------------------------------------------------

TDisplayCoord TScribEdit::CellAt(QPoint point) const {
  return DisplayPosAt(point - QPoint(CharWidth() / 2, 0));
}

void TScribEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  Guarded([&] {
    const QPoint point = event->position().toPoint();
    lastMousePoint_ = point;
    if (MouseDown(DisplayPosAt(point), ShiftStateOf(event->modifiers()), false))
      dragStart_ = point;  // a drag, or a click once the button comes up
  });
}

void TScribEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragStart_.reset();
  Guarded([&] {
    MouseDown(CellAt(event->position().toPoint()), ShiftStateOf(event->modifiers()), true);
  });
}

void TScribEdit::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  Guarded([&] {
    const QPoint point = event->position().toPoint();
    if (dragStart_) {
      if ((point - *dragStart_).manhattanLength() >= QApplication::startDragDistance()) {
        dragStart_.reset();
        StartDrag();
      }
      return;
    }
    if (!MouseSelecting()) return;
    lastMousePoint_ = point;
    if (ClientRect().contains(point)) {
      selectionScrollTimer_.stop();
      MouseMove(DisplayPosAt(point));
    } else if (!selectionScrollTimer_.isActive()) {
      // The selection reaches the edge first; each tick then scrolls on.
      const QRect client = ClientRect();
      const int textLeft = painter_.TextLeft();
      MouseMove(DisplayPosAt({std::clamp(point.x(), textLeft, std::max(textLeft, client.right())),
                              std::clamp(point.y(), 0, std::max(0, client.bottom()))}));
      selectionScrollTimer_.start();
      SelectionScrollTick();
    }
  });
}

void TScribEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  selectionScrollTimer_.stop();
  dragStart_.reset();
  Guarded([this] { MouseUp(); });
}

void TScribEdit::SelectionScrollTick() {
  if (!MouseSelecting()) {
    selectionScrollTimer_.stop();
    return;
  }
  const QRect client = ClientRect();
  const QPoint point = lastMousePoint_;
  const int rows = StepsOutside(point.y() - client.bottom(), LineHeight()) -
                   StepsOutside(client.top() - point.y(), LineHeight());
  const int columns = StepsOutside(point.x() - client.right(), CharWidth()) -
                      StepsOutside(painter_.TextLeft() - point.x(), CharWidth());
  ScrollForSelection(rows, columns);
}

void TScribEdit::wheelEvent(QWheelEvent* event) {
  event->accept();
  Guarded([&] {
    wheelRemainder_ += event->angleDelta().y();
    const int steps = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRemainder_ -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) SetTopLine(TopLine() - steps * QApplication::wheelScrollLines());
  });
}
