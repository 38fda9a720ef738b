// The About box: name, credits, links, build date, Readme and Close.
#pragma once

#include <QDialog>
#include <filesystem>

class QPushButton;
class Shell;
class Locale;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  // `documentsFolder` holds readme.txt and changelog.txt.
  TAboutBox(QWidget* owner, int buildDateCode, const QString& applicationName,
            std::filesystem::path documentsFolder, Shell& shell, const Locale& locale);

  QPushButton* ReadmeButton() const { return readme_; }

 private:
  void Readme_Click();

  std::filesystem::path documentsFolder_;
  Shell& shell_;
  QPushButton* readme_;
};

void ShowAboutBox(QWidget* owner, int buildDateCode, const QString& applicationName,
                  const std::filesystem::path& documentsFolder, Shell& shell, const Locale& locale);
