#include "ui/QtCanvas.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QRect>
#include <QString>
#include <QTextLayout>
#include <algorithm>

#include "support/Utf8.h"
#include "ui/QtColors.h"

namespace {

QRect QRectOf(const TRect& rect) {
  return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

int TextCells(std::string_view text) {
  int cells = 0;
  for (std::size_t at = 0; at < text.size(); at += utf8::CharLength(text, at))
    cells += utf8::CellsAt(text, at);
  return cells;
}

// A character as Qt draws it; a byte that is not UTF-8 shows as the
// replacement character.
QString GlyphOf(std::string_view character) {
  if (utf8::SequenceLength(character, 0) == 0) return QString(QChar(0xFFFD));
  return QString::fromUtf8(character.data(), static_cast<qsizetype>(character.size()));
}

}  // namespace

QFont QFontOf(const TFont& description) {
  QFont font(QString::fromLatin1(description.name.c_str()));
  // Fixed-pitch fallbacks when the face is missing ("Courier New" on Linux).
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (description.height != 0)
    font.setPixelSize(std::max(1, std::abs(description.height)));
  else
    font.setPointSize(std::max(1, description.size));
  font.setBold(description.style & fsBold);
  font.setItalic(description.style & fsItalic);
  font.setUnderline(description.style & fsUnderline);
  font.setStrikeOut(description.style & fsStrikeOut);
  font.setKerning(false);
  return font;
}

QtGlyphTable::QtGlyphTable(const QFont& font) : font_(font), raw_(QRawFont::fromFont(font)) {}

quint32 QtGlyphTable::GlyphOf(char32_t codePoint) {
  const auto [found, added] = glyphs_.try_emplace(codePoint, 0);
  if (added && raw_.isValid() && raw_.supportsCharacter(static_cast<uint>(codePoint))) {
    const QString character = QString::fromUcs4(&codePoint, 1);
    quint32 glyph = 0;
    int count = 1;
    if (raw_.glyphIndexesForChars(character.constData(), static_cast<int>(character.size()), &glyph,
                                  &count) &&
        count == 1)
      found->second = glyph;
  }
  return found->second;
}

const QList<QGlyphRun>& QtGlyphTable::LaidOut(const QString& character) {
  // Bounded: a document of many different characters lays them out again.
  constexpr std::size_t kMostKept = 4096;
  if (laidOut_.size() >= kMostKept) laidOut_.clear();
  const auto [found, added] = laidOut_.try_emplace(character);
  if (!added) return found->second;
  QTextLayout layout(character, font_);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  QList<QGlyphRun> runs = layout.glyphRuns();
  for (QGlyphRun& run : runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& position : positions) position.ry() -= line.ascent();
    run.setPositions(positions);
  }
  return found->second = std::move(runs);
}

void QtFontCache::SetBaseFont(const TFont& base) {
  if (stock_.HasBaseFont() && stock_.Variant(0) == base) return;
  stock_.SetBaseFont(&base);
  fonts_.fill(std::nullopt);
  for (std::optional<QtGlyphTable>& table : glyphs_) table.reset();
}

const QFont& QtFontCache::Variant(unsigned styles) {
  styles &= TFontStock::kVariantCount - 1;
  std::optional<QFont>& font = fonts_[styles];
  if (!font) font = QFontOf(stock_.Variant(styles));
  return *font;
}

QtGlyphTable& QtFontCache::Glyphs(unsigned styles) {
  styles &= TFontStock::kVariantCount - 1;
  std::optional<QtGlyphTable>& table = glyphs_[styles];
  if (!table) table.emplace(Variant(styles));
  return *table;
}

QtCanvas::QtCanvas(QPainter& painter, QtFontCache& fonts, int lineHeight, int ascent)
    : painter_(painter),
      fonts_(fonts),
      lineHeight_(lineHeight),
      ascent_(ascent),
      baseline_(ascent) {
  SetFontStyle(0);
}

void QtCanvas::FillRect(const TRect& rect, TColor colour) {
  if (rect.left < rect.right && rect.top < rect.bottom)
    painter_.fillRect(QRectOf(rect), ToQColor(colour));
}

void QtCanvas::DrawLine(int x1, int y1, int x2, int y2, TColor colour) {
  painter_.setPen(ToQColor(colour));
  painter_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::SetFontStyle(unsigned styles) {
  painter_.setFont(fonts_.Variant(styles));
  // Underlined or struck-out text is drawn character by character, so that
  // the line also runs under blanks.
  font_ = styles & (fsUnderline | fsStrikeOut) ? nullptr : &fonts_.Glyphs(styles);
}

void QtCanvas::SelectFont(const TFont* font) {
  if (!font) {
    SetFontStyle(0);
    baseline_ = ascent_;
    return;
  }
  font_ = nullptr;
  painter_.setFont(QFontOf(*font));
  const QFontMetrics metrics(painter_.font());
  baseline_ = (lineHeight_ - metrics.height()) / 2 + metrics.ascent();
}

void QtCanvas::DrawTextCells(int x, int y, std::string_view text, int cellWidth, TColor foreground,
                             TColor background, const TRect& clip) {
  const QRect clipRect = QRectOf(clip);
  const QRect cells(x, y, TextCells(text) * cellWidth, lineHeight_);
  const QRect area = cells.intersected(clipRect);
  if (area.isEmpty()) return;
  painter_.fillRect(area, ToQColor(background));
  painter_.save();
  painter_.setClipRect(area, Qt::IntersectClip);
  painter_.setPen(ToQColor(foreground));
  DrawCharacters(x, y, text, cellWidth, area);
  painter_.restore();
}

void QtCanvas::DrawCharacters(int x, int y, std::string_view text, int cellWidth,
                              const QRect& area) {
  const bool decorated =
      font_ == nullptr && (painter_.font().underline() || painter_.font().strikeOut());
  glyphs_.clear();
  positions_.clear();
  int cell = 0;
  for (std::size_t at = 0; at < text.size() && x + cell * cellWidth <= area.right();) {
    // A character with the combining marks after it.
    const std::size_t end = utf8::NextCaretStop(text, at);
    const int width = utf8::CellsAt(text, at);
    const QPointF origin(x + cell * cellWidth, y + baseline_);
    cell += width;
    // A blank cell still carries the underline of its run.
    const bool blank = text[at] == ' ' && end == at + 1 && !decorated;
    const bool visible = origin.x() + width * cellWidth > area.left();
    const std::string_view character = text.substr(at, end - at);
    at = end;
    if (blank || !visible) continue;
    const bool single = utf8::SequenceLength(character, 0) == static_cast<int>(character.size());
    if (const quint32 glyph = font_ && single ? font_->GlyphOf(utf8::Decode(character, 0)) : 0) {
      glyphs_.push_back(glyph);
      positions_.push_back(origin);
    } else if (font_) {
      for (const QGlyphRun& laidOut : font_->LaidOut(GlyphOf(character)))
        painter_.drawGlyphRun(origin, laidOut);
    } else {
      painter_.drawText(origin, GlyphOf(character));
    }
  }
  if (glyphs_.isEmpty()) return;
  QGlyphRun run;
  run.setRawFont(font_->RawFont());
  run.setGlyphIndexes(glyphs_);
  run.setPositions(positions_);
  painter_.drawGlyphRun(QPointF(0, 0), run);
}
