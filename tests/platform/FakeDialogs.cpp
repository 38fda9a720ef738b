#include "FakeDialogs.h"

namespace {

template <typename T, typename D>
T PopOr(std::deque<T>& queue, D fallback) {
  if (queue.empty()) return fallback;
  T value = queue.front();
  queue.pop_front();
  return value;
}

TMsgResult DefaultAnswer(TMsgButtons buttons) {
  switch (buttons) {
    case TMsgButtons::Ok:
      return TMsgResult::Ok;
    case TMsgButtons::YesNo:
      return TMsgResult::No;
    default:
      return TMsgResult::Cancel;
  }
}

}  // namespace

TMsgResult FakeDialogs::MessageBox(const std::string& text, const std::string& caption,
                                   TMsgIcon icon, TMsgButtons buttons) {
  messages.push_back({text, caption, icon, buttons});
  return PopOr(messageAnswers, DefaultAnswer(buttons));
}

std::optional<std::string> FakeDialogs::NextFileAnswer() {
  return PopOr(fileAnswers, std::optional<std::string>{});
}

std::optional<std::string> FakeDialogs::ExecuteOpen(const TFileDialogRequest& request) {
  openRequests.push_back(request);
  return NextFileAnswer();
}

std::optional<std::string> FakeDialogs::ExecuteSave(const TFileDialogRequest& request) {
  saveRequests.push_back(request);
  return NextFileAnswer();
}

std::optional<TColor> FakeDialogs::ChooseColor(TColor, std::vector<TColor>&) {
  return PopOr(colorAnswers, std::optional<std::uint32_t>{});
}

std::optional<TFont> FakeDialogs::ChooseFont(const TFont&) {
  return PopOr(fontAnswers, std::optional<TFont>{});
}

int FakeDialogs::SelectItem(const std::string& label, const std::vector<std::string>&,
                            const std::string&, int) {
  selectLabels.push_back(label);
  return PopOr(selectAnswers, -1);
}
