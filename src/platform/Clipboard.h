// The system clipboard. Text is UTF-8; the editor converts it from and to its
// document's encoding. File names are the file system's bytes. Tests use an
// in-memory clipboard.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TClipboardBlock {
  unsigned char selectionMode = 0;  // 0 normal, 1 line, 2 column
  std::string text;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  virtual bool HasText() const = 0;
  virtual std::string GetText() const = 0;
  // Replaces the whole clipboard with plain text.
  virtual void SetText(const std::string& text) = 0;

  // Plain text plus the editor's private block format, which carries the
  // selection mode and the text's bytes as they are (also bytes that are not
  // UTF-8, which the plain text cannot keep).
  virtual void SetTextWithBlock(const std::string& text, unsigned char selectionMode) = 0;
  // The private block format, when the clipboard holds it.
  virtual std::optional<TClipboardBlock> GetBlock() const = 0;

  virtual bool HasFileList() const = 0;
  virtual std::vector<std::string> GetFileList() const = 0;

  // Called after the clipboard's content changed (in any program).
  virtual void SetOnChange(std::function<void()> handler) = 0;
};
