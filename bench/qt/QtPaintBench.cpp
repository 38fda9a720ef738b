// Painting a screen as the program does: the painter drawing through Qt onto
// an image, glyphs from the editor font and the system's fallback fonts.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "Bench.h"
#include "BenchView.h"
#include "ui/QtCanvas.h"

namespace {

// Qt needs an application object for fonts; without a display it draws
// offscreen. It lives as long as the process: Qt's own globals are gone by the
// time static objects are destroyed.
void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "scribant-bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* application = nullptr;
  if (application) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  application = new QGuiApplication(argc, argv);
}

double PaintScreenWithQt(std::string text) {
  EnsureGuiApplication();
  PaintedScreen screen(std::move(text));
  QImage image(screen.area.right, screen.area.bottom, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  QtFontCache fonts;
  fonts.SetBaseFont(TFont{});  // the main window's font
  const int lineHeight = screen.document.view.LineHeight();
  QtCanvas canvas(painter, fonts, lineHeight, lineHeight * 3 / 4);
  return screen.MedianMilliseconds(canvas);
}

double PaintScreenQt() {
  return PaintScreenWithQt(GenerateSourceText(kMillionLines, 42));
}

double PaintScreenUtf8Qt() {
  return PaintScreenWithQt(GenerateMixedUtf8Text(kMillionLines, 42));
}

}  // namespace

SCRIBANT_BENCH_FIGURE("paint_screen_qt_ms", "ms", PaintScreenQt);
SCRIBANT_BENCH_FIGURE("paint_screen_utf8_qt_ms", "ms", PaintScreenUtf8Qt);
