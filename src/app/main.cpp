// The program's entry: the application object, the one main window, the loop.
#include <QApplication>

#include "ui/FormScribant.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TFormScribant form;
  form.show();
  return application.exec();
}
