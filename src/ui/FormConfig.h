// TFormConfig, the "Scribant Configurations" dialog. It shows a
// TConfigSettings that the main window filled from the running program and
// changes it in place: Apply and OK through ApplyControls, the immediate
// actions (attribute colours and styles, the editor font) at once. After each
// change the main window hears about it through the environment's callbacks
// and passes the values on to the shell, the editor and the highlighter.
#pragma once

#include <QDialog>
#include <QLabel>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "shell/ConfigLogic.h"
#include "shell/FileAssociation.h"
#include "tools/OvColorDlg.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QTabWidget;

// What the dialog works with besides the settings.
struct TFormConfigEnvironment {
  Dialogs& dialogs;
  Registry& registry;  // the colour dialog's custom colours
  TFileAssociation& association;
  std::vector<std::string> highlighterNames;  // GetLanguageName of each highlighter
  std::vector<std::string> keyWordListNames;  // without ".kwf"
  // Apply and OK changed the settings: load or empty the keyword list as the
  // effects say, pass the values on, rebuild the caption, show or hide the status bar.
  std::function<void(const TApplyEffects&)> applied;
  // An attribute's colour or style or the editor font changed; Cancel keeps it.
  std::function<void()> changedAtOnce;
};

// A colour panel of the "Highlighting" page; tag 1 is the background, 2 the foreground.
class TConfigColourPanel : public QLabel {
 public:
  TConfigColourPanel(QWidget* parent, int tag, std::function<void(int, TMouseButton)> pressed);
  void Show(const TColourPanelView& view);
  void ShowNothing();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int tag_;
  std::function<void(int, TMouseButton)> pressed_;
};

class TFormConfig : public QDialog {
  Q_OBJECT

 public:
  TFormConfig(QWidget* owner, TConfigSettings& settings, const TFormConfigEnvironment& environment);

  // The attribute selected on the "Highlighting" page, -1 for none.
  int SelectedAttribute() const;

 private:
  QWidget* BuildMainPage();
  QWidget* BuildAssociationPage();
  QWidget* BuildEditorPage();
  QWidget* BuildHighlightingPage();
  QWidget* BuildGeneralFormatPage();
  void BuildButtons();
  void FillFromControls();
  TConfigControls ReadControls() const;

  void Pages_Change(int pageIndex);
  void Color_List_Click();
  void ShowSelectedAttribute();
  void ColourPanel_MouseDown(int tag, TMouseButton button);
  void Style_Chk_Click();
  void Font_Btn_Click();
  void CaptionFormatHlp_Btn_Click();
  void Default_Btn_Click();
  void Associate_Btn_Click();
  void Clean_Btn_Click();
  void OkApply_Cmd();
  void ChangedAtOnce();

  TConfigSettings& settings_;
  TFormConfigEnvironment environment_;  // a copy: callers may pass a temporary
  TConfigControls controls_;            // the lists' items as filled
  TOvColorDlg colourDialog_;

  QTabWidget* pages_ = nullptr;
  // "Main"
  QCheckBox* statusBar_ = nullptr;
  QCheckBox* escapeQuits_ = nullptr;
  QCheckBox* wordWrap_ = nullptr;
  QCheckBox* gutter_ = nullptr;
  QLineEdit* maxRecentEntries_ = nullptr;
  QComboBox* captionFormat_ = nullptr;
  // "Association"
  QLineEdit* fileExt_ = nullptr;
  // "Editor"
  QLineEdit* font_ = nullptr;
  QLineEdit* rightEdge_ = nullptr;
  QLineEdit* tabWidth_ = nullptr;
  QComboBox* highlighter_ = nullptr;
  QLineEdit* cmtChars_ = nullptr;
  QLineEdit* preprocessorChr_ = nullptr;
  // "Highlighting"
  QListWidget* colorList_ = nullptr;
  TConfigColourPanel* backCol_ = nullptr;
  TConfigColourPanel* foreCol_ = nullptr;
  std::array<QCheckBox*, 4> styleChecks_{};  // bold, italic, underline, strike-out
  // "General Format"
  QListWidget* cmtStyles_ = nullptr;
  QLineEdit* chars_ = nullptr;
  QComboBox* strDelim_ = nullptr;
  QComboBox* keyWordList_ = nullptr;
  QCheckBox* caseKeyWords_ = nullptr;
};

// Opens the dialog modally; returns QDialog::Accepted after OK, else Rejected.
int ShowFormConfig(QWidget* owner, TConfigSettings& settings,
                   const TFormConfigEnvironment& environment);
