#include "ui/DialogUnits.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// Pixels per four horizontal and per eight vertical units for 8-point Tahoma at 96 dpi.
constexpr int kBaseWidth = 6;
constexpr int kBaseHeight = 13;

}  // namespace

QRect DialogUnitsToPixels(int x, int y, int width, int height) {
  return QRect(x * kBaseWidth / 4, y * kBaseHeight / 8, width * kBaseWidth / 4,
               height * kBaseHeight / 8);
}

void PlaceInDialogUnits(QWidget* widget, int x, int y, int width, int height) {
  widget->setGeometry(DialogUnitsToPixels(x, y, width, height));
}

void CentreOnScreen(QWidget* window, const QWidget* owner) {
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (screen) window->move(screen->availableGeometry().center() - window->rect().center());
}
