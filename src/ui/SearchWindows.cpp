#include "ui/SearchWindows.h"

#include "shell/SearchCommands.h"
#include "ui/FormJump.h"

TSearchWindows::TSearchWindows(QWidget* mainWindow, TCustomScribEdit& editor, TSearchState& state,
                               Dialogs& dialogs, std::string historyFile,
                               std::function<int()> maxListCount)
    : mainWindow_(mainWindow),
      editor_(editor),
      state_(state),
      dialogs_(dialogs),
      historyFile_(std::move(historyFile)),
      maxListCount_(std::move(maxListCount)) {}

TSearchWindows::~TSearchWindows() {
  DestroyFindReplace();
  delete sectionList_;
}

void TSearchWindows::Find_Cmd() {
  if (!findReplace_)
    findReplace_ =
        new TFormFindReplace(mainWindow_, editor_, state_, dialogs_, historyFile_, maxListCount_());
  findReplace_->ShowForEditor();
}

void TSearchWindows::FindNext_Cmd() {
  ::FindNext_Cmd(editor_, state_, dialogs_);
}

bool TSearchWindows::FindNextEnabled() const {
  return ::FindNextEnabled(state_);
}

void TSearchWindows::Goto_Cmd() {
  ::Goto_Cmd(mainWindow_, editor_);
}

void TSearchWindows::SectionList_Click() {
  if (!sectionList_) sectionList_ = new TFormSectionList(mainWindow_, editor_);
  sectionList_->SectionList_Click();
}

bool TSearchWindows::CloseVisibleToolWindow() {
  for (QWidget* window :
       {static_cast<QWidget*>(sectionList_.data()), static_cast<QWidget*>(findReplace_.data())}) {
    if (window && window->isVisible()) {
      window->close();
      return true;
    }
  }
  return false;
}

void TSearchWindows::DestroyFindReplace() {
  delete findReplace_;
}
