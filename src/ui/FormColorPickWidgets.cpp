#include "ui/FormColorPickWidgets.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "ui/FormColorPick.h"
#include "ui/QtColors.h"

namespace {

constexpr int kMarkerRadius = 5;

// The dialog's address tells our own drags from anyone else's.
QByteArray DragPayload(const TFormColorPick* dialog, TSwatch swatch) {
  return QByteArray::number(reinterpret_cast<quintptr>(dialog), 16) + ' ' +
         QByteArray::number(static_cast<int>(swatch));
}

bool MovedFarEnough(const std::optional<QPoint>& start, QPoint now) {
  return start && (now - *start).manhattanLength() >= QApplication::startDragDistance();
}

}  // namespace

QMimeData* NewSwatchMimeData(const TFormColorPick* dialog, TSwatch swatch) {
  auto* data = new QMimeData;
  data->setData(kSwatchMimeType, DragPayload(dialog, swatch));
  return data;
}

std::optional<TSwatch> SwatchOfDrag(const QMimeData* data, const TFormColorPick* dialog) {
  if (!data || !data->hasFormat(kSwatchMimeType)) return std::nullopt;
  const QList<QByteArray> parts = data->data(kSwatchMimeType).split(' ');
  if (parts.size() != 2 || parts[0] != QByteArray::number(reinterpret_cast<quintptr>(dialog), 16))
    return std::nullopt;
  bool ok = false;
  const int swatch = parts[1].toInt(&ok);
  if (!ok || swatch < 0 || swatch >= swCount) return std::nullopt;
  return static_cast<TSwatch>(swatch);
}

TColorSwatch::TColorSwatch(QWidget* parent, TSwatch id, TFormColorPick& form)
    : QFrame(parent), id_(id), form_(form) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setAcceptDrops(true);
}

void TColorSwatch::SetColor(TColor colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

void TColorSwatch::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.fillRect(contentsRect(), ToQColor(colour_));
  }
  QFrame::paintEvent(event);
}

void TColorSwatch::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragStart_ = event->position().toPoint();
}

void TColorSwatch::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) dragStart_.reset();
  if (!MovedFarEnough(dragStart_, event->position().toPoint())) return;
  dragStart_.reset();
  form_.Panels_MouseDown(*this);
}

void TColorSwatch::mouseDoubleClickEvent(QMouseEvent* event) {
  dragStart_.reset();
  if (event->button() == Qt::LeftButton) form_.Panels_DblClick(*this);
}

void TColorSwatch::dragEnterEvent(QDragEnterEvent* event) {
  if (form_.Panels_DragOver(event->mimeData())) event->acceptProposedAction();
}

void TColorSwatch::dragMoveEvent(QDragMoveEvent* event) {
  if (form_.Panels_DragOver(event->mimeData())) event->acceptProposedAction();
}

void TColorSwatch::dropEvent(QDropEvent* event) {
  if (!form_.Panels_DragOver(event->mimeData())) return;
  form_.Panels_DragDrop(*this, event->mimeData());
  event->acceptProposedAction();
}

TPickImageView::TPickImageView(QWidget* parent, TPickImage image, TFormColorPick& form)
    : QWidget(parent), image_(image), form_(form) {
  setAcceptDrops(true);
}

void TPickImageView::SetPicture(const QImage& picture) {
  picture_ = picture;
  marker_ = TPickPoint{};
  update();
}

void TPickImageView::SetMarker(TPickPoint marker) {
  marker_ = marker;
  update();
}

void TPickImageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
  if (marker_ == TPickPoint{}) return;
  // XOR with white inverts what lies under the circle, so it shows on any colour.
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(Qt::white);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPoint(marker_.x, marker_.y), kMarkerRadius, kMarkerRadius);
}

void TPickImageView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) dragStart_ = at;
  form_.Gradient_MouseDown(*this, event->button(), at);
}

void TPickImageView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!(event->buttons() & Qt::LeftButton)) dragStart_.reset();
  if (MovedFarEnough(dragStart_, at)) {
    dragStart_.reset();
    form_.BeginImageDrag(*this);
    return;
  }
  // The left button belongs to a drag that has not begun yet.
  if (event->buttons() & Qt::RightButton) form_.Gradient_MouseMove(*this, at);
}

void TPickImageView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragStart_.reset();
  if (event->button() == Qt::RightButton) form_.Gradient_MouseUp(*this);
}

void TPickImageView::mouseDoubleClickEvent(QMouseEvent* event) {
  dragStart_.reset();
  form_.Gradient_DblClick(*this, event->position().toPoint());
}

void TPickImageView::dragEnterEvent(QDragEnterEvent* event) {
  if (form_.Panels_DragOver(event->mimeData())) event->acceptProposedAction();
}

void TPickImageView::dragMoveEvent(QDragMoveEvent* event) {
  if (form_.Panels_DragOver(event->mimeData())) event->acceptProposedAction();
}

void TPickImageView::dropEvent(QDropEvent* event) {
  if (!form_.Panels_DragOver(event->mimeData())) return;
  if (image_ == TPickImage::Gradient)
    form_.Color_Img_DragDrop(event->mimeData());
  else
    form_.Blend_Img_DragDrop(event->mimeData(), event->position().toPoint().x());
  event->acceptProposedAction();
}
