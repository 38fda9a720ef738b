#include "ui/QtServices.h"

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QProcess>
#include <QScreen>
#include <QStringList>
#include <QUrl>

bool QtShell::OpenDocument(const std::string& pathOrUrl) {
  const QString target = QString::fromStdString(pathOrUrl);
  const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
  return QDesktopServices::openUrl(url);
}

bool QtShell::StartProcess(const std::string& program, const std::vector<std::string>& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) list << QString::fromStdString(argument);
  return QProcess::startDetached(QString::fromStdString(program), list);
}

std::string QtShell::ExecutablePath() const {
  return QCoreApplication::applicationFilePath().toStdString();
}

int QtScreen::PixelsPerInch() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(screen->logicalDotsPerInchY() + 0.5) : 96;
}

char QtLocale::DecimalSeparator() const {
  const QString separator = QLocale().decimalPoint();
  return separator.size() == 1 && separator[0].unicode() < 128 ? separator[0].toLatin1() : '.';
}

std::string QtLocale::LongDate(int year, int month, int day) const {
  return QLocale().toString(QDate(year, month, day), QLocale::LongFormat).toStdString();
}
