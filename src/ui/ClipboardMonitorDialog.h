// The clipboard monitor: a modal window that inserts every text copied
// anywhere into the editor while it is shown.
#pragma once

#include <QDialog>

#include "shell/ClipboardMonitor.h"

class TClipboardMonitorDialog : public QDialog {
  Q_OBJECT

 public:
  TClipboardMonitorDialog(QWidget* owner, Clipboard& clipboard,
                          TClipboardMonitor::InsertFunction insert);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  TClipboardMonitor monitor_;
};
