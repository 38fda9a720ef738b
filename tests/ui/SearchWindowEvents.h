// Real Qt input events for the search window tests: typing, keys and clicks
// go through the application like a user's would.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

inline void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}

inline void TypeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const int key =
        c.unicode() < 128 && c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
    PressKey(widget, key, Qt::NoModifier, QString(c));
  }
}

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
  QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

inline void Click(QAbstractButton* button) {
  const QPoint centre = button->rect().center();
  SendMouse(button, QEvent::MouseButtonPress, centre);
  SendMouse(button, QEvent::MouseButtonRelease, centre);
}

inline void DoubleClick(QWidget* widget, QPoint at) {
  SendMouse(widget, QEvent::MouseButtonPress, at);
  SendMouse(widget, QEvent::MouseButtonRelease, at);
  SendMouse(widget, QEvent::MouseButtonDblClick, at);
  SendMouse(widget, QEvent::MouseButtonRelease, at);
}
