// A scripted Dialogs: every box is recorded, answers come from queues. An
// unscripted message box answers its default (Ok, or Cancel/No where Ok is not
// offered); an unscripted file, colour, font or list dialog is cancelled.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

struct ShownMessage {
  std::string text;
  std::string caption;
  TMsgIcon icon;
  TMsgButtons buttons;
};

class FakeDialogs : public Dialogs {
 public:
  std::deque<TMsgResult> messageAnswers;
  std::deque<std::optional<std::string>> fileAnswers;
  std::deque<std::optional<TColor>> colorAnswers;
  std::deque<std::optional<TFont>> fontAnswers;
  std::deque<int> selectAnswers;

  std::vector<ShownMessage> messages;
  std::vector<TFileDialogRequest> openRequests;
  std::vector<TFileDialogRequest> saveRequests;
  std::vector<std::string> selectLabels;

  TMsgResult MessageBox(const std::string& text, const std::string& caption, TMsgIcon icon,
                        TMsgButtons buttons) override;
  std::optional<std::string> ExecuteOpen(const TFileDialogRequest& request) override;
  std::optional<std::string> ExecuteSave(const TFileDialogRequest& request) override;
  std::optional<TColor> ChooseColor(TColor initial, std::vector<TColor>& customColors) override;
  std::optional<TFont> ChooseFont(const TFont& initial) override;
  int SelectItem(const std::string& label, const std::vector<std::string>& items,
                 const std::string& caption, int preselected) override;

 private:
  std::optional<std::string> NextFileAnswer();
};
