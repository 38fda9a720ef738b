// The editor's drawing surface on a QPainter. Every byte is drawn through the
// code page's table in its own cell of the editor's CharWidth, so a font whose
// advance differs (a bold variant, a fallback font) never shifts the columns.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <array>
#include <optional>

#include "editor/FontStock.h"
#include "platform/Canvas.h"

// The Qt font for a font description: pixel height when it has one, else points.
QFont QFontOf(const TFont& description);

// The Qt fonts of the editor's base font by style, made once per style.
class QtFontCache {
 public:
  void SetBaseFont(const TFont& base);
  const QFont& Variant(unsigned styles);

 private:
  TFontStock stock_;
  std::array<std::optional<QFont>, TFontStock::kVariantCount> fonts_;
};

class QtCanvas : public Canvas {
 public:
  // `lineHeight` is the height of a text cell, `ascent` the baseline inside it.
  QtCanvas(QPainter& painter, QtFontCache& fonts, int lineHeight, int ascent);

  void FillRect(const TRect& rect, TColor colour) override;
  void DrawLine(int x1, int y1, int x2, int y2, TColor colour) override;
  void SetFontStyle(unsigned styles) override;
  void SelectFont(const TFont* font) override;
  void DrawTextCells(int x, int y, std::string_view text, int cellWidth, TColor foreground,
                     TColor background, const TRect& clip) override;

 private:
  QPainter& painter_;
  QtFontCache& fonts_;
  int lineHeight_;
  int ascent_;
  int baseline_;  // of the font in use, from the top of a row
};
