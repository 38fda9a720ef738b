// TFormFunc: the modal Miscellaneous Functions dialog. It applies one
// transformation (tools/MiscFunctions.h) to the selection, or to the whole
// document when nothing is selected, and stays open for the next one.
// Created, run and destroyed on each use.
#pragma once

#include <QDialog>

class Dialogs;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class TCustomScribEdit;
struct TMinimiseOptions;
struct TMiscFuncRequest;

class TFormFunc : public QDialog {
  Q_OBJECT

 public:
  // `dialogs` shows the notice of a method that is not available.
  TFormFunc(QWidget* owner, TCustomScribEdit& editor, Dialogs& dialogs);

 private:
  void BuildControls();
  QWidget* BuildMinimisePage();
  QWidget* BuildEncryptionPage();
  QWidget* BuildLinesPage();
  void FormCreate();
  bool FormKeyDown(const QKeyEvent& key);
  void DoFunc_Cmd();
  void Test_Btn_Click();

  TMiscFuncRequest Request() const;
  TMinimiseOptions MinimiseOptions() const;

  TCustomScribEdit& editor_;
  Dialogs& dialogs_;
  // Object names are the controls' own names ("TrimTrail_Chk", "DoFunc_Btn").
  QTabWidget* mainPageCtrl_ = nullptr;
  QCheckBox* trimTrailChk_ = nullptr;
  QCheckBox* trimNewLinesChk_ = nullptr;
  QCheckBox* trimLeadChk_ = nullptr;
  QCheckBox* trimEmptyLinesChk_ = nullptr;
  QPushButton* testBtn_ = nullptr;
  QLabel* testPanel_ = nullptr;
  QListWidget* encMethodListBox_ = nullptr;
  QLineEdit* newLineFmtEdit_ = nullptr;
  QPushButton* doFuncBtn_ = nullptr;
  QPushButton* closeBtn_ = nullptr;
};

// The main window's Misc Functions command: runs the dialog over the editor.
void MiscFunc_Cmd(QWidget* owner, TCustomScribEdit& editor, Dialogs& dialogs);
