// The program's entry: the application object, the one main window, the loop.
#include "ui/FormScribant.h"
#include "ui/ProgramIcon.h"
#include "ui/ScribantApplication.h"

int main(int argc, char** argv) {
  // The application takes its own options out of argv.
  TScribantApplication application(argc, argv);
  // Ties the windows to the installed desktop entry (its StartupWMClass and icon).
  TScribantApplication::setDesktopFileName("scribant");
  TScribantApplication::setWindowIcon(ProgramIcon());
  // Paths are bytes: a name that is not valid UTF-8 must reach the file as it is.
  TFormScribant form(argc > 1 ? std::string(argv[1]) : std::string());
  form.ShowAsSaved();
  return application.exec();
}
