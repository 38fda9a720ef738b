#include "ui/QtCanvas.h"

#include <QFontMetrics>
#include <QRect>
#include <QString>
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

void QtFontCache::SetBaseFont(const TFont& base) {
  if (stock_.HasBaseFont() && stock_.Variant(0) == base) return;
  stock_.SetBaseFont(&base);
  fonts_.fill(std::nullopt);
}

const QFont& QtFontCache::Variant(unsigned styles) {
  styles &= TFontStock::kVariantCount - 1;
  std::optional<QFont>& font = fonts_[styles];
  if (!font) font = QFontOf(stock_.Variant(styles));
  return *font;
}

QtCanvas::QtCanvas(QPainter& painter, QtFontCache& fonts, int lineHeight, int ascent)
    : painter_(painter),
      fonts_(fonts),
      lineHeight_(lineHeight),
      ascent_(ascent),
      baseline_(ascent) {
  painter_.setFont(fonts_.Variant(0));
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
}

void QtCanvas::SelectFont(const TFont* font) {
  if (!font) {
    painter_.setFont(fonts_.Variant(0));
    baseline_ = ascent_;
    return;
  }
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
  const bool decorated = painter_.font().underline() || painter_.font().strikeOut();
  int cell = 0;
  for (std::size_t at = 0; at < text.size() && x + cell * cellWidth <= area.right();) {
    // A character with the combining marks after it.
    const std::size_t end = utf8::NextCaretStop(text, at);
    const int width = utf8::CellsAt(text, at);
    const int left = x + cell * cellWidth;
    // A blank cell still carries the underline of its run.
    const bool blank = text[at] == ' ' && end == at + 1 && !decorated;
    if (!blank && left + width * cellWidth > area.left())
      painter_.drawText(QPointF(left, y + baseline_), GlyphOf(text.substr(at, end - at)));
    cell += width;
    at = end;
  }
  painter_.restore();
}
