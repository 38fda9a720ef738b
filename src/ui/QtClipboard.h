// The system clipboard through QClipboard, converting between the code page
// and Unicode. The editor's block format travels as a private MIME type.
#pragma once

#include <QObject>

#include "platform/Clipboard.h"

class QtClipboard : public QObject, public Clipboard {
  Q_OBJECT

 public:
  QtClipboard();

  bool HasText() const override;
  std::string GetText() const override;
  void SetText(const std::string& text) override;
  void SetTextWithBlock(const std::string& text, unsigned char selectionMode) override;
  std::optional<TClipboardBlock> GetBlock() const override;
  bool HasFileList() const override;
  std::vector<std::string> GetFileList() const override;
  void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }

 private:
  std::function<void()> onChange_;
};
