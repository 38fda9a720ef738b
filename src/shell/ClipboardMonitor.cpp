#include "shell/ClipboardMonitor.h"

TClipboardMonitor::TClipboardMonitor(Clipboard& clipboard, InsertFunction insert)
    : clipboard_(clipboard), insert_(std::move(insert)) {
  clipboard_.SetOnChange([this] { ClipboardChanged(); });
}

TClipboardMonitor::~TClipboardMonitor() {
  clipboard_.SetOnChange(nullptr);
}

void TClipboardMonitor::ClipboardChanged() {
  if (visible_ && clipboard_.HasText()) insert_(clipboard_.GetText() + "\r\n");
}
