// The main window's search and navigation commands and the two tool windows
// that live beside it: the find/replace window and the section list, each
// created on first use and kept. The main window owns one of these.
#pragma once

#include <QPointer>
#include <functional>
#include <string>

#include "ui/FormFindReplace.h"
#include "ui/FormSectionList.h"

class Dialogs;
class TCustomScribEdit;
struct TSearchState;

class TSearchWindows {
 public:
  // `dialogs` shows the boxes of Find Next (F3) and of a replace; the search
  // history is kept in `historyFile`; `maxListCount` is asked when the
  // find/replace window is created.
  TSearchWindows(QWidget* mainWindow, TCustomScribEdit& editor, TSearchState& state,
                 Dialogs& dialogs, std::string historyFile, std::function<int()> maxListCount);
  ~TSearchWindows();
  TSearchWindows(const TSearchWindows&) = delete;
  TSearchWindows& operator=(const TSearchWindows&) = delete;

  void Find_Cmd();
  void FindNext_Cmd();
  // Opening the Search menu: whether Find Next is enabled.
  bool FindNextEnabled() const;
  void Goto_Cmd();
  void SectionList_Click();

  // Escape in the editor: closes the visible section list, else the visible
  // find/replace window. False when neither was visible.
  bool CloseVisibleToolWindow();
  // An accepted close of the main window: the find/replace window goes (and
  // writes its history); a later Find creates a new one.
  void DestroyFindReplace();

  // Null until first used.
  TFormFindReplace* FindReplace() const { return findReplace_; }
  TFormSectionList* SectionList() const { return sectionList_; }

 private:
  QWidget* mainWindow_;
  TCustomScribEdit& editor_;
  TSearchState& state_;
  Dialogs& dialogs_;
  std::string historyFile_;
  std::function<int()> maxListCount_;
  // Children of the main window; QPointer notices if Qt deleted them first.
  QPointer<TFormFindReplace> findReplace_;
  QPointer<TFormSectionList> sectionList_;
};
