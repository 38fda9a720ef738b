// The editor's drawing surface on a QPainter. Every character is drawn in its
// own cells of the editor's CharWidth, so a font whose advance differs (a bold
// variant, a fallback font) never shifts the columns. Characters of the
// editor's font go to the painter as one run of glyphs at their cells; others
// are drawn one by one, so that Qt finds them a fallback font.
#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRawFont>
#include <array>
#include <optional>
#include <unordered_map>

#include "editor/FontStock.h"
#include "platform/Canvas.h"

// The Qt font for a font description: pixel height when it has one, else points.
QFont QFontOf(const TFont& description);

// A font's glyphs looked up once per character.
class QtGlyphTable {
 public:
  explicit QtGlyphTable(const QFont& font);
  const QRawFont& RawFont() const { return raw_; }
  // The font's own glyph for the code point; 0 when the font lacks it.
  quint32 GlyphOf(char32_t codePoint);
  // A character with its marks as Qt lays it out, fallback fonts included:
  // glyph runs placed on a baseline at 0.
  const QList<QGlyphRun>& LaidOut(const QString& character);

 private:
  QFont font_;
  QRawFont raw_;
  std::unordered_map<char32_t, quint32> glyphs_;
  std::unordered_map<QString, QList<QGlyphRun>> laidOut_;
};

// The Qt fonts of the editor's base font by style, made once per style.
class QtFontCache {
 public:
  void SetBaseFont(const TFont& base);
  const QFont& Variant(unsigned styles);
  QtGlyphTable& Glyphs(unsigned styles);

 private:
  TFontStock stock_;
  std::array<std::optional<QFont>, TFontStock::kVariantCount> fonts_;
  std::array<std::optional<QtGlyphTable>, TFontStock::kVariantCount> glyphs_;
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
  void DrawCharacters(int x, int y, std::string_view text, int cellWidth, const QRect& area);
  QPainter& painter_;
  QtFontCache& fonts_;
  int lineHeight_;
  int ascent_;
  int baseline_;  // of the font in use, from the top of a row
  // The glyphs of the font in use when it is one of the editor's styles.
  QtGlyphTable* font_ = nullptr;
  // The run of glyphs being drawn, kept to reuse its memory.
  QList<quint32> glyphs_;
  QList<QPointF> positions_;
};
