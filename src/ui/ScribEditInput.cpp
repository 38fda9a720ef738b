// Keyboard, input method, mouse selection with its scroll timer, and the wheel.
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

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
    for (const char c : TypedCharacters(event->text())) KeyPress(c);
  });
}

void TScribEdit::inputMethodEvent(QInputMethodEvent* event) {
  event->accept();
  if (event->commitString().isEmpty()) return;
  Guarded([&] {
    const std::string text = TypedCharacters(event->commitString());
    CommandProcessor(ecImeStr, '\0', &text);
  });
}

// --- Mouse -------------------------------------------------------------------------------

bool TScribEdit::InsideSelection(QPoint point) const {
  if (!SelAvail()) return false;
  // The cell under the pointer, not the nearer cell boundary.
  const TDisplayCoord boundary = DisplayPosAt(point - QPoint(CharWidth() / 2, 0));
  // A copy counts the selection's ends as outside, so this asks "strictly inside".
  return !CanDropSelection(DisplayToBufferPos(boundary), true);
}

void TScribEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  Guarded([&] {
    const QPoint point = event->position().toPoint();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (!shift && HasOption(eoDragDropEditing) && InsideSelection(point)) {
      dragStart_ = point;  // a drag, or a click once the button comes up
      return;
    }
    SetCaretToDisplayPos(DisplayPosAt(point), shift);
    selecting_ = true;
    lastMousePoint_ = point;
  });
}

void TScribEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  Guarded([&] {
    const QPoint cell = event->position().toPoint() - QPoint(CharWidth() / 2, 0);
    SelectWordAt(DisplayToBufferPos(DisplayPosAt(cell)));
    selecting_ = false;
    dragStart_.reset();
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
    if (!selecting_) return;
    lastMousePoint_ = point;
    if (ClientRect().contains(point)) {
      selectionScrollTimer_.stop();
      ExtendSelectionTo(point);
    } else if (!selectionScrollTimer_.isActive()) {
      selectionScrollTimer_.start();
      SelectionScrollTick();
    }
  });
}

void TScribEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  selecting_ = false;
  selectionScrollTimer_.stop();
  if (!dragStart_) return;
  const QPoint point = *dragStart_;
  dragStart_.reset();
  Guarded([&] { SetCaretToDisplayPos(DisplayPosAt(point), false); });
}

void TScribEdit::ExtendSelectionTo(QPoint point) {
  SetCaretToDisplayPos(DisplayPosAt(point), true);
}

void TScribEdit::SelectionScrollTick() {
  if (!selecting_) {
    selectionScrollTimer_.stop();
    return;
  }
  const QRect client = ClientRect();
  const int textLeft = painter_.TextLeft();
  const QPoint point = lastMousePoint_;
  const int rows = StepsOutside(point.y() - client.bottom(), LineHeight()) -
                   StepsOutside(client.top() - point.y(), LineHeight());
  const int columns = StepsOutside(point.x() - client.right(), CharWidth()) -
                      StepsOutside(textLeft - point.x(), CharWidth());
  BeginUpdate();
  SetTopLine(TopLine() + rows);
  SetLeftChar(LeftChar() + columns);
  // The selection follows to the window's edge nearest the pointer.
  const QPoint edge(std::clamp(point.x(), textLeft, std::max(textLeft, client.right())),
                    std::clamp(point.y(), client.top(), std::max(client.top(), client.bottom())));
  ExtendSelectionTo(edge);
  EndUpdate();
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
