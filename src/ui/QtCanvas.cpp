#include "ui/QtCanvas.h"

#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <algorithm>

#include "support/CodePage.h"
#include "ui/QtColors.h"

namespace {

QRect QRectOf(const TRect& rect) {
  return QRect(rect.left, rect.top, rect.Width(), rect.Height());
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
  const QRect cells(x, y, static_cast<int>(text.size()) * cellWidth, lineHeight_);
  const QRect area = cells.intersected(clipRect);
  if (area.isEmpty()) return;
  painter_.fillRect(area, ToQColor(background));
  painter_.save();
  painter_.setClipRect(area, Qt::IntersectClip);
  painter_.setPen(ToQColor(foreground));
  // Only the cells inside the clip are drawn.
  const int first = std::max(0, (area.left() - x) / cellWidth);
  const int last = std::min(static_cast<int>(text.size()) - 1, (area.right() - x) / cellWidth);
  const bool decorated = painter_.font().underline() || painter_.font().strikeOut();
  for (int i = first; i <= last; ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    // A blank cell still carries the underline of its run.
    if (byte == ' ' && !decorated) continue;
    const QChar glyph(static_cast<char16_t>(codepage::ToUnicode(byte)));
    painter_.drawText(QPointF(x + i * cellWidth, y + baseline_), QString(glyph));
  }
  painter_.restore();
}
