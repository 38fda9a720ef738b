// The clipboard monitor's rule: while its dialog is shown, every new text on
// the clipboard is inserted at the caret followed by a line break.
#pragma once

#include <functional>
#include <string>

#include "platform/Clipboard.h"

class TClipboardMonitor {
 public:
  using InsertFunction = std::function<void(const std::string& text)>;

  // Starts watching; what the clipboard holds now is not inserted.
  TClipboardMonitor(Clipboard& clipboard, InsertFunction insert);
  ~TClipboardMonitor();
  TClipboardMonitor(const TClipboardMonitor&) = delete;
  TClipboardMonitor& operator=(const TClipboardMonitor&) = delete;

  void SetVisible(bool visible) { visible_ = visible; }
  // The clipboard's content changed.
  void ClipboardChanged();

 private:
  Clipboard& clipboard_;
  InsertFunction insert_;
  bool visible_ = false;
};
