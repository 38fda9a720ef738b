// The application object: an error that escapes an event handler is shown in
// the general error box and the program goes on.
#pragma once

#include <QApplication>

class TScribantApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

// Shows `message` in the general error box.
void ShowErrorBox(const QString& message);
