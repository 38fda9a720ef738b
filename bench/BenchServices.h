// Platform services as plain values: the benches measure the core, not a platform.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "platform/Shell.h"

class BenchClipboard : public Clipboard {
 public:
  bool HasText() const override { return text_.has_value(); }
  std::string GetText() const override { return text_.value_or(""); }
  void SetText(const std::string& text) override {
    text_ = text;
    block_.reset();
  }
  void SetTextWithBlock(const std::string& text, unsigned char mode) override {
    text_ = text;
    block_ = TClipboardBlock{mode, text};
  }
  std::optional<TClipboardBlock> GetBlock() const override { return block_; }
  bool HasFileList() const override { return false; }
  std::vector<std::string> GetFileList() const override { return {}; }
  void SetOnChange(std::function<void()>) override {}

 private:
  std::optional<std::string> text_;
  std::optional<TClipboardBlock> block_;
};

// Every box answers `answer`, or Ok where that is not offered; the list
// dialog answers `selectedItem`.
class BenchDialogs : public Dialogs {
 public:
  int selectedItem = 0;
  TMsgResult answer = TMsgResult::Ok;
  TMsgResult MessageBox(const std::string&, const std::string&, TMsgIcon,
                        TMsgButtons buttons) override {
    return buttons == TMsgButtons::Ok ? TMsgResult::Ok : answer;
  }
  std::optional<std::string> ExecuteOpen(const TFileDialogRequest&) override { return {}; }
  std::optional<std::string> ExecuteSave(const TFileDialogRequest&) override { return {}; }
  std::optional<TColor> ChooseColor(TColor, std::vector<TColor>&) override { return {}; }
  std::optional<TFont> ChooseFont(const TFont&) override { return {}; }
  int SelectItem(const std::string&, const std::vector<std::string>&, const std::string&,
                 int) override {
    return selectedItem;
  }
};

class BenchShell : public Shell {
 public:
  bool OpenDocument(const std::string&) override { return true; }
  bool StartProcess(const std::string&, const std::vector<std::string>&) override { return true; }
  std::string ExecutablePath() const override { return "scribant"; }
};

class BenchScreen : public Screen {
 public:
  int PixelsPerInch() const override { return 96; }
};
