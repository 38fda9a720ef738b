// Drag-and-drop: dragging the selection, dropping text, and dropped files.
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <vector>

#include "ui/CodePageText.h"
#include "ui/ScribEdit.h"

namespace {

// Marks a drag that started in an editor; the value names which one.
const QString kOwnDragFormat = QStringLiteral("application/x-scribedit-drag");

QByteArray IdentityOf(const TScribEdit* edit) {
  return QByteArray::number(reinterpret_cast<quintptr>(edit));
}

std::vector<std::string> LocalFilesOf(const QMimeData* data) {
  std::vector<std::string> files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  return files;
}

// Files from a file manager often come with their paths as text as well.
bool CarriesFiles(const QMimeData* data) {
  return data->hasUrls() && !LocalFilesOf(data).empty();
}

bool CopyRequested(const QDropEvent* event) {
  return event->modifiers() & Qt::ControlModifier;
}

}  // namespace

QMimeData* TScribEdit::CreateDragData() const {
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(Utf8Of(SelText())));
  data->setData(kOwnDragFormat, IdentityOf(this));
  return data;
}

void TScribEdit::StartDrag() {
  auto* drag = new QDrag(this);
  drag->setMimeData(CreateDragData());
  // The drop handler here moves or copies; a drop elsewhere never removes text.
  drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
  // The drag took the button's release; a drop here already placed the caret.
  MouseUp();
  dropCaret_.reset();
  RestartCaret();
}

TBufferCoord TScribEdit::DropPositionAt(QPoint point) const {
  return DisplayToBufferPos(DisplayPosAt(point));
}

void TScribEdit::ScrollForDrag(QPoint point) {
  const QRect client = ClientRect();
  if (point.y() < LineHeight())
    SetTopLine(TopLine() - 1);
  else if (point.y() > client.bottom() - LineHeight())
    SetTopLine(TopLine() + 1);
  if (point.x() < painter_.TextLeft() + CharWidth())
    SetLeftChar(LeftChar() - 1);
  else if (point.x() > client.right() - CharWidth())
    SetLeftChar(LeftChar() + 1);
}

void TScribEdit::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* data = event->mimeData();
  if ((CarriesFiles(data) && HasOption(eoDropFiles)) || (data->hasText() && !ReadOnly()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TScribEdit::dragMoveEvent(QDragMoveEvent* event) {
  const QMimeData* data = event->mimeData();
  if (CarriesFiles(data) || !data->hasText() || ReadOnly()) {
    event->acceptProposedAction();
    return;
  }
  Guarded([&] {
    const QPoint point = event->position().toPoint();
    ScrollForDrag(point);
    InvalidateCaret();
    dropCaret_ = DropPositionAt(point);
    InvalidateCaret();
  });
  const bool own = data->data(kOwnDragFormat) == IdentityOf(this);
  event->setDropAction(own && !CopyRequested(event) ? Qt::MoveAction : Qt::CopyAction);
  event->accept();
}

void TScribEdit::dragLeaveEvent(QDragLeaveEvent*) {
  InvalidateCaret();
  dropCaret_.reset();
  RestartCaret();
}

void TScribEdit::dropEvent(QDropEvent* event) {
  InvalidateCaret();
  dropCaret_.reset();
  const QMimeData* data = event->mimeData();
  const QPoint point = event->position().toPoint();
  Guarded([&] {
    const bool own = data->data(kOwnDragFormat) == IdentityOf(this);
    if (own) {
      DropSelection(DropPositionAt(point), CopyRequested(event));
    } else if (CarriesFiles(data)) {
      DropFiles(point.x(), point.y(), LocalFilesOf(data));
    } else if (data->hasText() && !ReadOnly()) {
      if (const std::optional<std::string> text = DocumentTextOf(data->text().toStdString())) {
        SetCaretXY(DropPositionAt(point));
        SetSelText(*text);
      }
    }
  });
  // The text was moved here already: the drag's source must not remove it.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  RestartCaret();
}
