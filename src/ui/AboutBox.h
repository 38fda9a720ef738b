// The About box: name, credits, links, build date, Readme and Close.
#pragma once

#include <QDialog>
#include <string>

class QPushButton;
class Shell;
class Locale;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  // `programFolder` holds readme.txt and changelog.txt.
  TAboutBox(QWidget* owner, int buildDateCode, const QString& applicationName,
            const std::string& programFolder, Shell& shell, const Locale& locale);

  QPushButton* ReadmeButton() const { return readme_; }

 private:
  void Readme_Click();

  std::string programFolder_;
  Shell& shell_;
  QPushButton* readme_;
};

void ShowAboutBox(QWidget* owner, int buildDateCode, const QString& applicationName,
                  const std::string& programFolder, Shell& shell, const Locale& locale);
