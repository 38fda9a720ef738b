#include "MemoryClipboard.h"

void MemoryClipboard::SetText(const std::string& text) {
  Clear();
  text_ = text;
  Changed();
}

void MemoryClipboard::SetTextWithBlock(const std::string& text, unsigned char selectionMode) {
  Clear();
  text_ = text;
  block_ = TClipboardBlock{selectionMode, text};
  Changed();
}

void MemoryClipboard::SetFileList(std::vector<std::string> files) {
  Clear();
  files_ = std::move(files);
  Changed();
}

void MemoryClipboard::Clear() {
  text_.reset();
  block_.reset();
  files_.clear();
}

void MemoryClipboard::Changed() {
  if (onChange_) onChange_();
}
