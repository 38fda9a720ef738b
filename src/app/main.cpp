// The program's entry: the application object, the one main window, the loop.
#include "ui/FormScribant.h"
#include "ui/ScribantApplication.h"

int main(int argc, char** argv) {
  TScribantApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  TFormScribant form(arguments.size() > 1 ? arguments[1].toStdString() : std::string());
  form.ShowAsSaved();
  return application.exec();
}
