#include "ui/ScribantApplication.h"

#include <QMessageBox>
#include <exception>
#include <new>

#include "ui/CodePageText.h"

bool TScribantApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    ShowErrorBox("There is not enough memory to complete the operation.");
  } catch (const std::exception& error) {
    ShowErrorBox(FromCoreText(error.what()));
  } catch (...) {
    ShowErrorBox("An unexpected error occurred.");
  }
  return false;
}

void ShowErrorBox(const QString& message) {
  QMessageBox::critical(QApplication::activeWindow(), "Scribant", message);
}
