#include "tools/OvColorDlg.h"

#include <vector>

TOvColorDlg::TOvColorDlg(Dialogs& dialogs, Registry& registry)
    : dialogs_(dialogs), registry_(registry) {
  customColors_.fill(0xFFFFFF);
}

void TOvColorDlg::SetFullOpen(bool value) {
  fullOpen_ = value;
  if (value) preventFullOpen_ = false;
}

void TOvColorDlg::SetPreventFullOpen(bool value) {
  preventFullOpen_ = value;
  if (value) fullOpen_ = false;
}

bool TOvColorDlg::Execute() {
  if (useSystemColors_) LoadCustomColors(registry_, customColors_);
  std::vector<std::uint32_t> custom(customColors_.begin(), customColors_.end());
  std::optional<TColor> chosen = dialogs_.ChooseColor(color_, custom);
  // The service promises 16 entries back; anything else leaves ours alone.
  if (custom.size() == customColors_.size())
    std::copy(custom.begin(), custom.end(), customColors_.begin());
  if (chosen) color_ = *chosen;
  if (useSystemColors_) SaveCustomColors(registry_, customColors_);
  return chosen.has_value();
}
