// Real Qt input events for widget tests, sent straight to a widget so they
// pass through its event filters as typed or clicked input would.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

// One key press and release; `text` is what the key types.
inline void PressKey(QWidget* widget, int key, const QString& text = QString(),
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}

inline void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
  PressKey(widget, key, QString(), modifiers);
}

// Types printable characters one key at a time.
inline void TypeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const int key = c.isLetter() ? static_cast<int>(c.toUpper().unicode()) : c.unicode();
    PressKey(widget, key, QString(c));
  }
}

inline void PressBackspace(QWidget* widget) {
  PressKey(widget, Qt::Key_Backspace, QString(QChar('\b')));
}

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

inline void Click(QWidget* widget, Qt::MouseButton button, QPoint at = QPoint(2, 2)) {
  SendMouse(widget, QEvent::MouseButtonPress, at, button, button);
  SendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

inline void Click(QAbstractButton* button) {
  Click(button, Qt::LeftButton, button->rect().center());
}

inline void DoubleClick(QWidget* widget, QPoint at = QPoint(2, 2)) {
  Click(widget, Qt::LeftButton, at);
  SendMouse(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// Drags `data` onto the widget and drops it at `at`, as Qt delivers a drop:
// only a widget that accepted the drag's entry sees the drop. True when the
// drop was accepted.
inline bool Drop(QWidget* widget, const QMimeData* data, QPoint at = QPoint(2, 2)) {
  QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  enter.setAccepted(false);
  QApplication::sendEvent(widget, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  drop.setAccepted(false);
  QApplication::sendEvent(widget, &drop);
  return drop.isAccepted();
}

inline void LeaveFocus(QWidget* widget) {
  QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(widget, &event);
}
