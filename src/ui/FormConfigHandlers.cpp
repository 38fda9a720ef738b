// The handlers of TFormConfig: the immediate actions, Apply and OK, and the
// association buttons.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

#include "ui/CodePageText.h"
#include "ui/FormConfig.h"
#include "ui/QtColors.h"

namespace {

constexpr int kHighlightingPage = 3;

}  // namespace

int TFormConfig::SelectedAttribute() const {
  return colorList_->currentRow();
}

void TFormConfig::Pages_Change(int pageIndex) {
  if (pageIndex != kHighlightingPage) return;
  colorList_->clear();
  for (const std::string& name : ColorListItems(settings_)) colorList_->addItem(FromCoreText(name));
  if (colorList_->count() > 0)
    colorList_->setCurrentRow(0);
  else
    ShowSelectedAttribute();
}

void TFormConfig::Color_List_Click() {
  ShowSelectedAttribute();
}

void TFormConfig::ShowSelectedAttribute() {
  const int index = SelectedAttribute();
  if (settings_.highlighter.empty() || index < 0 ||
      index >= static_cast<int>(settings_.attributes.size())) {
    backCol_->ShowNothing();
    foreCol_->ShowNothing();
    for (QCheckBox* check : styleChecks_) check->setChecked(false);
    return;
  }
  const TAttributeView view =
      ShowAttribute(settings_.attributes[static_cast<std::size_t>(index)], ResolveSystemColour);
  backCol_->Show(view.background);
  foreCol_->Show(view.foreground);
  const bool styles[] = {view.bold, view.italic, view.underline, view.strikeOut};
  for (std::size_t i = 0; i < styleChecks_.size(); ++i) styleChecks_[i]->setChecked(styles[i]);
}

void TFormConfig::ColourPanel_MouseDown(int tag, TMouseButton button) {
  if (!ColourPanelMouseDown(settings_, SelectedAttribute(), tag, button, colourDialog_)) return;
  ChangedAtOnce();
  ShowSelectedAttribute();
}

void TFormConfig::Style_Chk_Click() {
  if (StyleChecksClicked(settings_, SelectedAttribute(), styleChecks_[0]->isChecked(),
                         styleChecks_[1]->isChecked(), styleChecks_[2]->isChecked(),
                         styleChecks_[3]->isChecked()))
    ChangedAtOnce();
}

void TFormConfig::Font_Btn_Click() {
  if (!FontButtonClicked(settings_, environment_.dialogs)) return;
  font_->setText(FromCoreText(FontText(settings_.font)));
  ChangedAtOnce();
}

void TFormConfig::CaptionFormatHlp_Btn_Click() {
  ShowCaptionFormatHelp(environment_.dialogs);
}

void TFormConfig::Default_Btn_Click() {
  fileExt_->setText(FromCoreText(kDefaultExtensionList));
}

void TFormConfig::Associate_Btn_Click() {
  environment_.association.Associate(ToCodePage(fileExt_->text()));
}

void TFormConfig::Clean_Btn_Click() {
  environment_.association.Clean(environment_.dialogs);
}

void TFormConfig::OkApply_Cmd() {
  const TApplyEffects effects = ApplyControls(ReadControls(), settings_);
  if (environment_.applied) environment_.applied(effects);
}

void TFormConfig::ChangedAtOnce() {
  if (environment_.changedAtOnce) environment_.changedAtOnce();
}
