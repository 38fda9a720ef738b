// Construction, painting, geometry, scroll bars and the caret.
#include "ui/ScribEdit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <climits>

#include "ui/CodePageText.h"
#include "ui/QtColors.h"

TScribEdit::TScribEdit(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setAcceptDrops(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  ShowError = [this](const std::string& message) {
    QMessageBox::critical(this, QStringLiteral("Scribant"), FromCoreText(message));
  };
  const int flashTime = QApplication::cursorFlashTime();
  caretTimer_.setInterval(flashTime > 0 ? flashTime / 2 : 500);
  connect(&caretTimer_, &QTimer::timeout, this, [this] { ToggleCaret(); });
  selectionScrollTimer_.setInterval(100);
  connect(&selectionScrollTimer_, &QTimer::timeout, this,
          [this] { Guarded([this] { SelectionScrollTick(); }); });
  connect(&scanAheadTimer_, &QTimer::timeout, this, [this] {
    // About a hundredth of a second of scanning per turn keeps keys and paints flowing.
    constexpr int kLinesPerTurn = 10000;
    Guarded([this] {
      if (!ScanAhead(kLinesPerTurn)) scanAheadTimer_.stop();
    });
  });
  connect(verticalScrollBar(), &QScrollBar::sliderMoved, this,
          [this](int value) { ShowScrollHint(value + 1); });
  TakeSystemColours();
  MeasureFont();
  MeasureGutterFont();
  UpdateWindowSize();
}

void TScribEdit::TakeSystemColours() {
  const QPalette palette = QApplication::palette();
  SetColor(FromQColor(palette.color(QPalette::Base)));
  SetFontColor(FromQColor(palette.color(QPalette::Text)));
  SetSelectedColor({FromQColor(palette.color(QPalette::Highlight)),
                    FromQColor(palette.color(QPalette::HighlightedText))});
  Gutter().SetColor(FromQColor(palette.color(QPalette::Button)));
}

void TScribEdit::ShowScrollHint(int topRow) {
  if (!HasOption(eoShowScrollHint)) return;
  const int line = WordWrap() ? RowToLine(topRow) : topRow;
  QToolTip::showText(QCursor::pos(), QStringLiteral("Top Line: %1").arg(line), this);
}

TScribEdit::~TScribEdit() = default;

// --- Geometry ----------------------------------------------------------------------

QRect TScribEdit::ClientRect() const {
  return viewport()->rect();
}

void TScribEdit::MeasureFont() {
  measuredFont_ = Font();
  measured_ = true;
  fonts_.SetBaseFont(measuredFont_);
  // Cells are as wide as the bold variant, so bold tokens fit their cells.
  const QFontMetricsF bold(fonts_.Variant(fsBold));
  const QFontMetrics plain(fonts_.Variant(0));
  ascent_ = plain.ascent();
  SetLineHeight(std::max(1, plain.height()));
  SetCharWidth(std::max(1, qRound(bold.horizontalAdvance(QLatin1Char('W')))));
}

void TScribEdit::MeasureGutterFont() {
  measuredGutterFont_ = Gutter().Font();
  const QFontMetricsF metrics(QFontOf(*measuredGutterFont_));
  SetGutterCharWidth(qRound(metrics.horizontalAdvance(QLatin1Char('0'))));
}

void TScribEdit::UpdateWindowSize() {
  const QSize size = viewport()->size();
  SetLinesInWindow(std::max(1, size.height() / LineHeight()));
  SetCharsInWindow(std::max(1, (size.width() - painter_.TextLeft()) / CharWidth()));
  UpdateScrollBars();
}

TDisplayCoord TScribEdit::DisplayPosAt(QPoint point) const {
  // A click selects the nearer boundary between two cells.
  const int x = point.x() - painter_.TextLeft() + CharWidth() / 2;
  const int column = LeftChar() + (x >= 0 ? x / CharWidth() : -1);
  const int y = point.y();
  const int row = TopLine() + (y >= 0 ? y / LineHeight() : (y + 1) / LineHeight() - 1);
  return {std::max(1, column), std::max(1, row)};
}

void TScribEdit::UpdateScrollBars() {
  syncingScrollBars_ = true;
  QScrollBar* vertical = verticalScrollBar();
  const int rows = std::max(1, RowCount());
  const int highestTop =
      HasOption(eoScrollPastEof) ? rows : std::max(1, rows - LinesInWindow() + 1);
  vertical->setRange(0, highestTop - 1);
  vertical->setPageStep(LinesInWindow());
  vertical->setValue(TopLine() - 1);
  QScrollBar* horizontal = horizontalScrollBar();
  // No horizontal scrolling while lines wrap.
  horizontal->setRange(0, WordWrap() ? 0 : std::max(0, MaxScrollWidth() - CharsInWindow()));
  horizontal->setPageStep(CharsInWindow());
  horizontal->setValue(LeftChar() - 1);
  syncingScrollBars_ = false;
}

// --- Qt events ------------------------------------------------------------------------

bool TScribEdit::event(QEvent* event) {
  // Tab edits text instead of moving the focus when the editor wants tabs.
  if (event->type() == QEvent::KeyPress && WantTabs()) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      keyPressEvent(key);
      return true;
    }
  }
  return QAbstractScrollArea::event(event);
}

void TScribEdit::MarkTextStale(const QRect& area) {
  staleText_ += area;
  viewport()->update(area);
}

void TScribEdit::PaintStaleText(const QRegion& exposed) {
  const qreal ratio = viewport()->devicePixelRatioF();
  const QSize size = viewport()->size();
  if (textCache_.deviceIndependentSize().toSize() != size ||
      textCache_.devicePixelRatio() != ratio) {
    textCache_ = QPixmap(size * ratio);
    textCache_.setDevicePixelRatio(ratio);
    staleText_ = QRect(QPoint(0, 0), size);
  }
  const QRect area = (staleText_ & exposed).boundingRect();
  if (area.isEmpty()) return;
  staleText_ -= area;
  QPainter painter(&textCache_);
  painter.setClipRect(area);
  QtCanvas canvas(painter, fonts_, LineHeight(), ascent_);
  painter_.Paint(canvas, {area.left(), area.top(), area.right() + 1, area.bottom() + 1});
}

void TScribEdit::paintEvent(QPaintEvent* event) {
  try {
    PaintStaleText(event->region());
  } catch (const std::exception& error) {
    // No message box inside a paint: show it once the paint is over.
    const std::string message = error.what();
    QTimer::singleShot(0, this, [this, message] {
      if (ShowError) ShowError(message);
    });
  }
  QPainter painter(viewport());
  painter.drawPixmap(QPoint(0, 0), textCache_);
  PaintCaret(painter);
  // A paint follows every change that may leave lines unscanned.
  if (Highlighter() && !scanAheadTimer_.isActive()) scanAheadTimer_.start();
}

void TScribEdit::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Guarded([this] { UpdateWindowSize(); });
}

void TScribEdit::scrollContentsBy(int, int) {
  if (syncingScrollBars_) return;
  // The editor scrolls and invalidates; the viewport is not shifted by Qt.
  Guarded([this] {
    SetTopLine(verticalScrollBar()->value() + 1);
    SetLeftChar(horizontalScrollBar()->value() + 1);
  });
}

void TScribEdit::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  RestartCaret();
}

void TScribEdit::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  caretTimer_.stop();
  caretShown_ = false;
  InvalidateCaret();
}

// --- Editor hooks -----------------------------------------------------------------------

void TScribEdit::StatusReported(TScribStatusChanges changes) {
  if (changes & (stAll | stTopLine | stLeftChar)) UpdateScrollBars();
  if (changes & (stAll | stCaretX | stCaretY | stTopLine | stLeftChar | stInsertMode))
    RestartCaret();
  TCustomScribEdit::StatusReported(changes);
}

void TScribEdit::LinesInvalidated(int firstLine, int lastLine) {
  const TRect area = painter_.LinesRect(firstLine, lastLine < 0 ? INT_MAX : lastLine,
                                        {0, 0, viewport()->width(), viewport()->height()});
  if (area.top < area.bottom)
    MarkTextStale(QRect(area.left, area.top, area.Width(), area.Height()));
  // Lines to the end: rows may have come or gone.
  if (lastLine < 0) UpdateScrollBars();
  TCustomScribEdit::LinesInvalidated(firstLine, lastLine);
}

void TScribEdit::ViewSettingsChanged() {
  if (!measured_ || !(Font() == measuredFont_)) MeasureFont();
  if (measuredGutterFont_ != Gutter().Font()) MeasureGutterFont();
  UpdateWindowSize();
  MarkTextStale(viewport()->rect());
  TCustomScribEdit::ViewSettingsChanged();
}

// --- Caret ----------------------------------------------------------------------------------

QRect TScribEdit::CaretRect() const {
  const TDisplayCoord display = dropCaret_ ? BufferToDisplayPos(*dropCaret_) : DisplayXY();
  const int x = painter_.ColumnToX(display.Column);
  const int y = painter_.RowToY(display.Row);
  const int width = InsertMode() || dropCaret_ ? 2 : CharWidth();
  return QRect(x, y, width, LineHeight());
}

void TScribEdit::InvalidateCaret() {
  if (!caretRect_.isEmpty()) viewport()->update(caretRect_);
  viewport()->update(CaretRect());
}

void TScribEdit::RestartCaret() {
  InvalidateCaret();
  caretShown_ = hasFocus() && !HasOption(eoNoCaret);
  if (caretShown_)
    caretTimer_.start();
  else
    caretTimer_.stop();
  InvalidateCaret();
}

void TScribEdit::ToggleCaret() {
  caretShown_ = !caretShown_ && hasFocus();
  InvalidateCaret();
}

void TScribEdit::PaintCaret(QPainter& painter) {
  caretRect_ = QRect();
  if (!caretShown_ && !dropCaret_) return;
  const QRect rect = CaretRect();
  if (rect.left() < painter_.TextLeft()) return;
  // Inverting shows the character under a block caret.
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.fillRect(rect, Qt::white);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  caretRect_ = rect;
}
