#include "ui/ClipboardMonitorDialog.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "ui/DialogUnits.h"

namespace {

const char* kHeadline = "The clipboard is now monitored";
const char* kExplanation =
    "When you copy any text from any program, it will automatically be pasted into the editor. "
    "This nifty feature saves a lot of Alt+Tabbing.\n\nWhen you are done, press the close button "
    "below to stop monitoring the clipboard and return to the editor.";

QLabel* AddLabel(QWidget* parent, const QString& text, const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

}  // namespace

TClipboardMonitorDialog::TClipboardMonitorDialog(QWidget* owner, Clipboard& clipboard,
                                                 TClipboardMonitor::InsertFunction insert)
    : QDialog(owner), monitor_(clipboard, std::move(insert)) {
  setObjectName("ClipboardMonitor");
  setWindowTitle("Clipboard Monitor");
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Base));
  setPalette(palette);

  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
  PlaceInDialogUnits(icon, 8, 8, 21, 20);
  QLabel* headline = AddLabel(this, kHeadline, QColor(0, 64, 128));
  QFont headlineFont("Verdana");
  headlineFont.setPixelSize(11);
  headlineFont.setBold(true);
  headline->setFont(headlineFont);
  PlaceInDialogUnits(headline, 40, 8, 160, 20);
  QLabel* explanation = AddLabel(this, kExplanation, QColor(80, 80, 80));
  PlaceInDialogUnits(explanation, 40, 22, 160, 58);
  // A larger desktop font needs more lines: everything below moves down.
  const int grown =
      std::max(0, explanation->heightForWidth(explanation->width()) - explanation->height());
  explanation->resize(explanation->width(), explanation->height() + grown);
  const QSize size = DialogUnitsToPixels(0, 0, 210, 109).size();
  setFixedSize(size.width(), size.height() + grown);

  auto* line = new QFrame(this);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  PlaceInDialogUnits(line, -2, 88, 214, 1);
  auto* band = new QWidget(this);
  band->setAutoFillBackground(true);
  band->setPalette(QApplication::palette());
  band->setGeometry(0, height() - 32, width(), 32);
  band->lower();

  auto* close = new QPushButton("&Close", this);
  close->setDefault(true);
  PlaceInDialogUnits(close, 150, 93, 54, 13);
  for (QWidget* below : {static_cast<QWidget*>(line), static_cast<QWidget*>(close)})
    below->move(below->x(), below->y() + grown);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TClipboardMonitorDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  monitor_.SetVisible(true);
}

void TClipboardMonitorDialog::hideEvent(QHideEvent* event) {
  monitor_.SetVisible(false);
  QDialog::hideEvent(event);
}
