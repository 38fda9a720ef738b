#include "ui/KeyPreview.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class TKeyPreviewFilter : public QObject {
 public:
  TKeyPreviewFilter(QObject* parent, std::function<bool(const QKeyEvent&)> handler)
      : QObject(parent), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && handler_(static_cast<const QKeyEvent&>(*event)))
      return true;
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool(const QKeyEvent&)> handler_;
};

}  // namespace

void InstallKeyPreview(QWidget* form, std::function<bool(const QKeyEvent& key)> handler) {
  auto* filter = new TKeyPreviewFilter(form, std::move(handler));
  form->installEventFilter(filter);
  for (QWidget* control : form->findChildren<QWidget*>()) control->installEventFilter(filter);
}
