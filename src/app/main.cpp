// The program's entry: the application object, the one main window, the loop.
#include "ui/FormScribant.h"
#include "ui/ProgramIcon.h"
#include "ui/ScribantApplication.h"

int main(int argc, char** argv) {
  TScribantApplication application(argc, argv);
  // Ties the windows to the installed desktop entry (its StartupWMClass and icon).
  TScribantApplication::setDesktopFileName("scribant");
  TScribantApplication::setWindowIcon(ProgramIcon());
  const QStringList arguments = application.arguments();
  TFormScribant form(arguments.size() > 1 ? arguments[1].toStdString() : std::string());
  form.ShowAsSaved();
  return application.exec();
}
