// The colour picker's swatches and its two images. They only turn Qt's mouse
// and drag events into calls of TFormColorPick's handlers and paint what the
// form gives them.
//
// A drag carries the dialog and the swatch it came from, so a swatch accepts
// drops only from the swatches and image panels of its own dialog.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPoint>
#include <optional>

#include "tools/ColorPickModel.h"

class QMimeData;
class TFormColorPick;

inline constexpr char kSwatchMimeType[] = "application/x-scribant-color-swatch";

QMimeData* NewSwatchMimeData(const TFormColorPick* dialog, TSwatch swatch);
// The swatch a drag came from, when it came from `dialog`.
std::optional<TSwatch> SwatchOfDrag(const QMimeData* data, const TFormColorPick* dialog);

// A sunken colour panel.
class TColorSwatch : public QFrame {
 public:
  TColorSwatch(QWidget* parent, TSwatch id, TFormColorPick& form);

  TSwatch Id() const { return id_; }
  TColor Color() const { return colour_; }
  void SetColor(TColor colour);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  TSwatch id_;
  TFormColorPick& form_;
  TColor colour_ = 0;
  std::optional<QPoint> dragStart_;  // left button pressed here, drag not begun yet
};

// The hue gradient or the blend strip, with its cross-hair marker.
class TPickImageView : public QWidget {
 public:
  TPickImageView(QWidget* parent, TPickImage image, TFormColorPick& form);

  TPickImage Image() const { return image_; }
  // A new picture wipes the marker, as repainting the image does.
  void SetPicture(const QImage& picture);
  void SetMarker(TPickPoint marker);
  TPickPoint Marker() const { return marker_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  TPickImage image_;
  TFormColorPick& form_;
  QImage picture_;
  TPickPoint marker_;
  std::optional<QPoint> dragStart_;
};
