#include "ui/AboutBox.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/Locale.h"
#include "platform/Shell.h"
#include "shell/AboutInfo.h"
#include "support/OvFile.h"
#include "ui/DialogUnits.h"
#include "ui/ProgramIcon.h"

namespace {

const char* kCredits = "Written by the Scribant developers.\nMade for people who live in text.";
const char* kEmail = "team@scribant.dev";
const char* kWebsite = "https://scribant.dev";
constexpr int kLinkTextLimit = 23;

QLabel* AddLabel(QWidget* parent, const QString& text, const QColor& colour) {
  auto* label = new QLabel(text, parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

QLabel* AddLink(QWidget* parent, const QString& text, const std::function<void()>& onClick) {
  auto* label =
      AddLabel(parent, QString("<a href=\"x\">%1</a>").arg(text.toHtmlEscaped()), Qt::blue);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  QObject::connect(label, &QLabel::linkActivated, parent, [onClick](const QString&) { onClick(); });
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* owner, int buildDateCode, const QString& applicationName,
                     std::filesystem::path documentsFolder, Shell& shell, const Locale& locale)
    : QDialog(owner), documentsFolder_(std::move(documentsFolder)), shell_(shell) {
  setObjectName("AboutBox");
  setWindowTitle("About " + applicationName);
  const QRect size = DialogUnitsToPixels(0, 0, 210, 101);
  setFixedSize(size.size());
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Base));
  setPalette(palette);

  const QColor blueGrey(0, 64, 128), grey(80, 80, 80);
  auto* icon = new QLabel(this);
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  PlaceInDialogUnits(icon, 8, 8, 21, 20);

  QLabel* name = AddLabel(this, applicationName, blueGrey);
  QFont nameFont("Verdana");
  nameFont.setPixelSize(19);
  nameFont.setBold(true);
  name->setFont(nameFont);
  PlaceInDialogUnits(name, 40, 8, 160, 20);
  PlaceInDialogUnits(AddLabel(this, kCredits, blueGrey), 42, 26, 160, 16);
  PlaceInDialogUnits(
      AddLink(this, kEmail,
              [this] {
                shell_.OpenDocument("mailto://" + std::string(kEmail).substr(0, kLinkTextLimit));
              }),
      42, 42, 160, 8);
  PlaceInDialogUnits(
      AddLink(this, kWebsite,
              [this] { shell_.OpenDocument(std::string(kWebsite).substr(0, kLinkTextLimit)); }),
      42, 50, 160, 8);
  QLabel* compiled = AddLabel(
      this, "Compiled on " + QString::fromStdString(FormatBuildDate(buildDateCode, false, locale)),
      grey);
  compiled->setObjectName("CompiledLabel");
  PlaceInDialogUnits(compiled, 42, 63, 160, 8);

  auto* line = new QFrame(this);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  PlaceInDialogUnits(line, -2, 78, 214, 1);
  auto* band = new QWidget(this);
  band->setAutoFillBackground(true);
  band->setGeometry(0, height() - 35, width(), 35);
  band->setPalette(QApplication::palette());
  band->lower();

  auto* close = new QPushButton("&Close", this);
  PlaceInDialogUnits(close, 150, 83, 54, 14);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  readme_ = new QPushButton("&Readme", this);
  readme_->setDefault(true);
  PlaceInDialogUnits(readme_, 6, 83, 54, 14);
  readme_->setEnabled(IsFile((documentsFolder_ / "readme.txt").string()));
  connect(readme_, &QPushButton::clicked, this, &TAboutBox::Readme_Click);
  close->setFocus();
}

void TAboutBox::Readme_Click() {
  const bool shift = QApplication::keyboardModifiers() & Qt::ShiftModifier;
  shell_.OpenDocument((documentsFolder_ / (shift ? "changelog.txt" : "readme.txt")).string());
}

void ShowAboutBox(QWidget* owner, int buildDateCode, const QString& applicationName,
                  const std::filesystem::path& documentsFolder, Shell& shell,
                  const Locale& locale) {
  TAboutBox box(owner, buildDateCode, applicationName, documentsFolder, shell, locale);
  box.exec();
}
