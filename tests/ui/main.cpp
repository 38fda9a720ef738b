// Widget tests need one application object for the whole run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWidget>

namespace {

// Qt takes the modifiers of the last key pressed in any widget for the ones
// held down: every test starts with none held, whatever the last one typed.
class ReleaseModifiers : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    QWidget target;
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent plainKey(type, Qt::Key_unknown, Qt::NoModifier);
      QApplication::sendEvent(&target, &plainKey);
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The main window runs installed here (no Styles beside the test): its
  // settings and history go to a private home, never the user's.
  QTemporaryDir home;
  for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) qunsetenv(name);
  qputenv("HOME", home.path().toUtf8());
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ReleaseModifiers);
  return RUN_ALL_TESTS();
}
