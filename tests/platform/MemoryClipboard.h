// An in-memory clipboard for tests. `SimulateExternalCopy` stands for another
// program putting text on the clipboard and fires the change handler.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clipboard.h"

class MemoryClipboard : public Clipboard {
 public:
  bool HasText() const override { return text_.has_value(); }
  std::string GetText() const override { return text_.value_or(""); }
  void SetText(const std::string& text) override;
  void SetTextWithBlock(const std::string& text, unsigned char selectionMode) override;
  std::optional<TClipboardBlock> GetBlock() const override { return block_; }
  bool HasFileList() const override { return !files_.empty(); }
  std::vector<std::string> GetFileList() const override { return files_; }
  void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }

  void SetFileList(std::vector<std::string> files);
  void Clear();

 private:
  void Changed();

  std::optional<std::string> text_;
  std::optional<TClipboardBlock> block_;
  std::vector<std::string> files_;
  std::function<void()> onChange_;
};
