// TFormFindReplace: the modeless, stay-on-top find and replace window. It is
// created on first use and kept until the main window closes; destroying it
// writes both histories to the history file. The searching itself is the
// shell's (shell/SearchCommands.h); this window reads its controls, fills the
// shared search state and calls it.
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "shell/SearchState.h"

class Dialogs;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class TCustomScribEdit;

class TFormFindReplace : public QDialog {
  Q_OBJECT

 public:
  // `historyFile` is config.ini, in the settings' folder; `maxListCount` entries
  // of each history are read. `dialogs` (the main window's) shows the boxes
  // of a replace, which runs after this window has closed; `windowDialogs`
  // those of Find, Find Next and Count, raised while it is up: without one
  // they are Qt boxes owned by this window, so they stay above it.
  TFormFindReplace(QWidget* owner, TCustomScribEdit& editor, TSearchState& state, Dialogs& dialogs,
                   std::string historyFile, int maxListCount, Dialogs* windowDialogs = nullptr);
  ~TFormFindReplace() override;

  // The main window's Find command: the selection becomes the Find text, the
  // origin follows the caret, and the window shows with the Find box focused.
  void ShowForEditor();

 private:
  void BuildControls();
  void LoadHistory();
  void SaveHistory();
  void Find_Cmd(QPushButton* sender);
  void Replace_Cmd();
  void FindReplace_Combo_Change();
  void Close_Btn_Click();

  // The boxes' texts as code-page bytes, escapes not decoded.
  std::string FindText() const;
  std::string ReplaceText() const;
  // Puts the box's text at the top of its history and shows item 0.
  void RememberText(QComboBox* combo, std::vector<std::string>& history, const std::string& text);
  void TakeOptions();
  std::int64_t SearchStart() const;
  Dialogs& WindowBoxes() { return *windowDialogs_; }

  TCustomScribEdit& editor_;
  TSearchState& state_;
  std::string historyFile_;
  int maxListCount_;
  Dialogs& dialogs_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* windowDialogs_;
  std::vector<std::string> findHistory_;
  std::vector<std::string> replaceHistory_;

  // Each control's object name is its name in the dialog's definition ("Find_Combo").
  QComboBox* findCombo_ = nullptr;
  QComboBox* replaceCombo_ = nullptr;
  QCheckBox* matchCaseChk_ = nullptr;
  QCheckBox* wholeWordChk_ = nullptr;
  QRadioButton* fromStartRadio_ = nullptr;
  QRadioButton* fromCursorRadio_ = nullptr;
  QPushButton* findBtn_ = nullptr;
  QPushButton* findNextBtn_ = nullptr;
  QPushButton* countBtn_ = nullptr;
  QPushButton* replaceBtn_ = nullptr;
  QPushButton* closeBtn_ = nullptr;
};
