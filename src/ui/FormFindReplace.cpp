#include "ui/FormFindReplace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

#include "desktop/ProgramFolders.h"
#include "shell/SearchCommands.h"
#include "support/OvIni.h"
#include "support/OvLib.h"
#include "tools/SearchHistory.h"
#include "tools/SearchText.h"
#include "ui/CodePageText.h"
#include "ui/DialogUnits.h"
#include "ui/QtDialogs.h"

namespace {

constexpr int kClientWidth = 468;
constexpr int kClientHeight = 168;
constexpr int kVisibleHistoryLines = 16;

QFont PixelFont(const QString& family, int pixelHeight, bool bold = false) {
  QFont font(family);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

QComboBox* MakeHistoryCombo(QWidget* parent, const char* name, const QRect& geometry) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setEditable(true);
  // The history is ours: Enter must not add items, and no completion may
  // change what the user typed.
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  combo->setMaxVisibleItems(kVisibleHistoryLines);
  combo->setFont(PixelFont("Courier New", 13));
  combo->setGeometry(geometry);
  return combo;
}

QGroupBox* MakeGroup(QWidget* parent, const QString& caption, const QRect& geometry) {
  auto* group = new QGroupBox(caption, parent);
  group->setFont(PixelFont("Tahoma", 11, true));
  group->setGeometry(geometry);
  return group;
}

template <typename Button>
Button* MakeButton(QWidget* parent, const char* name, const QString& caption,
                   const QRect& geometry) {
  auto* button = new Button(caption, parent);
  button->setObjectName(name);
  button->setFont(PixelFont("Tahoma", 11));
  button->setGeometry(geometry);
  return button;
}

void ShowItems(QComboBox* combo, const std::vector<std::string>& items) {
  // Programmatic refills are not the user's edits: they must not reset the
  // found counter.
  const QSignalBlocker blocker(combo);
  combo->clear();
  for (const std::string& item : items) combo->addItem(FromCoreText(item));
  if (!items.empty()) combo->setCurrentIndex(0);
}

}  // namespace

TFormFindReplace::TFormFindReplace(QWidget* owner, TCustomScribEdit& editor, TSearchState& state,
                                   Dialogs& dialogs, std::string historyFile, int maxListCount,
                                   Dialogs* windowDialogs)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      editor_(editor),
      state_(state),
      historyFile_(std::move(historyFile)),
      maxListCount_(maxListCount),
      dialogs_(dialogs),
      ownDialogs_(windowDialogs ? nullptr : std::make_unique<QtDialogs>(this)),
      windowDialogs_(windowDialogs ? windowDialogs : ownDialogs_.get()) {
  setObjectName("FormFindReplace");
  setWindowTitle("Find or Replace Text");
  setModal(false);
  setFont(PixelFont("Tahoma", 11));
  setFixedSize(kClientWidth, kClientHeight);
  BuildControls();
  LoadHistory();
  CentreOnScreen(this, owner);
}

TFormFindReplace::~TFormFindReplace() {
  SaveHistory();
}

void TFormFindReplace::BuildControls() {
  // Created in tab order.
  (new QLabel("Find:", this))->setGeometry(8, 14, 52, 14);
  findCombo_ = MakeHistoryCombo(this, "Find_Combo", {64, 10, 296, 22});
  (new QLabel("Replace:", this))->setGeometry(8, 44, 52, 14);
  replaceCombo_ = MakeHistoryCombo(this, "Replace_Combo", {64, 40, 296, 22});

  QGroupBox* options = MakeGroup(this, "Options", {8, 72, 170, 88});
  matchCaseChk_ =
      MakeButton<QCheckBox>(options, "MatchCase_Chk", "Case Sensative", {12, 24, 150, 18});
  wholeWordChk_ =
      MakeButton<QCheckBox>(options, "WholeWord_Chk", "Only whole words", {12, 52, 150, 18});
  QGroupBox* origin = MakeGroup(this, "Origin", {188, 72, 172, 88});
  fromStartRadio_ =
      MakeButton<QRadioButton>(origin, "FromStart_Radio", "From start", {12, 24, 150, 18});
  fromCursorRadio_ =
      MakeButton<QRadioButton>(origin, "FromCursor_Radio", "From cursor", {12, 52, 150, 18});
  fromCursorRadio_->setChecked(true);

  findBtn_ = MakeButton<QPushButton>(this, "Find_Btn", "&Find", {372, 10, 88, 24});
  findNextBtn_ = MakeButton<QPushButton>(this, "FindNext_Btn", "Find &Next", {372, 38, 88, 24});
  countBtn_ = MakeButton<QPushButton>(this, "Count_Btn", "C&ount", {372, 66, 88, 24});
  replaceBtn_ = MakeButton<QPushButton>(this, "Replace_Btn", "&Replace", {372, 94, 88, 24});
  closeBtn_ = MakeButton<QPushButton>(this, "Close_Btn", "&Close", {372, 136, 88, 24});
  findBtn_->setDefault(true);

  for (QPushButton* button : {findBtn_, findNextBtn_, countBtn_})
    connect(button, &QPushButton::clicked, this, [this, button] { Find_Cmd(button); });
  connect(replaceBtn_, &QPushButton::clicked, this, &TFormFindReplace::Replace_Cmd);
  connect(closeBtn_, &QPushButton::clicked, this, &TFormFindReplace::Close_Btn_Click);
  for (QComboBox* combo : {findCombo_, replaceCombo_})
    connect(combo, &QComboBox::editTextChanged, this, &TFormFindReplace::FindReplace_Combo_Change);
}

void TFormFindReplace::LoadHistory() {
  TOvIni ini(historyFile_);
  TSearchHistory history = LoadSearchHistory(ini, maxListCount_);
  findHistory_ = std::move(history.findStrings);
  replaceHistory_ = std::move(history.replaceStrings);
  ShowItems(findCombo_, findHistory_);
  ShowItems(replaceCombo_, replaceHistory_);
  FindReplace_Combo_Change();
}

void TFormFindReplace::SaveHistory() {
  CreateFolderFor(historyFile_);
  TOvIni ini(historyFile_);
  SaveSearchHistory(ini, {findHistory_, replaceHistory_});
}

void TFormFindReplace::ShowForEditor() {
  const TFindDialogSeed seed = FindDialogSeed(editor_);
  if (seed.findText) findCombo_->setEditText(FromCoreText(*seed.findText));
  (seed.fromCursor ? fromCursorRadio_ : fromStartRadio_)->setChecked(true);
  show();
  raise();
  activateWindow();
  findCombo_->setFocus();
  findCombo_->lineEdit()->selectAll();
}

void TFormFindReplace::Find_Cmd(QPushButton* sender) {
  const std::string typed = FindText();
  RememberText(findCombo_, findHistory_, typed);
  TakeOptions();
  state_.FindString = DecodeEscapes(typed);
  const std::int64_t start = SearchStart();
  // Find Next goes on from where it got to; this press still starts at 1.
  if (sender == findNextBtn_ && fromStartRadio_->isChecked()) fromCursorRadio_->setChecked(true);
  if (sender == countBtn_)
    ShowCount(editor_, state_, WindowBoxes(), start);
  else
    DoSearch(editor_, state_, WindowBoxes(), start);
  if (sender == findBtn_) close();
}

void TFormFindReplace::Replace_Cmd() {
  const std::string typedFind = FindText();
  const std::string typedReplace = ReplaceText();
  RememberText(findCombo_, findHistory_, typedFind);
  RememberText(replaceCombo_, replaceHistory_, typedReplace);
  TakeOptions();
  state_.FindString = DecodeEscapes(typedFind);
  state_.ReplaceString = DecodeEscapes(typedReplace);
  const std::int64_t start = SearchStart();
  fromCursorRadio_->setChecked(true);
  close();
  ReplaceAndReport(editor_, state_, dialogs_, start);
}

void TFormFindReplace::FindReplace_Combo_Change() {
  state_.foundCounter = 0;
  const bool hasText = !findCombo_->currentText().isEmpty();
  for (QPushButton* button : {findBtn_, findNextBtn_, countBtn_, replaceBtn_})
    button->setEnabled(hasText);
}

void TFormFindReplace::Close_Btn_Click() {
  close();
}

// The texts stay UTF-8 here; each search takes them in the document's encoding.
std::string TFormFindReplace::FindText() const {
  return findCombo_->currentText().toStdString();
}

std::string TFormFindReplace::ReplaceText() const {
  return replaceCombo_->currentText().toStdString();
}

void TFormFindReplace::RememberText(QComboBox* combo, std::vector<std::string>& history,
                                    const std::string& text) {
  AddToHistory(history, text, false);
  ShowItems(combo, history);
}

void TFormFindReplace::TakeOptions() {
  state_.options = {matchCaseChk_->isChecked(), wholeWordChk_->isChecked()};
}

std::int64_t TFormFindReplace::SearchStart() const {
  return fromCursorRadio_->isChecked() ? EditorCursorStart(editor_) : 1;
}
