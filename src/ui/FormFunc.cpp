#include "ui/FormFunc.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <algorithm>

#include "editor/CustomScribEdit.h"
#include "platform/Dialogs.h"
#include "tools/MiscFunctions.h"
#include "ui/CodePageText.h"
#include "ui/DialogUnits.h"
#include "ui/KeyPreview.h"

namespace {

constexpr int kClientWidth = 360;
constexpr int kClientHeight = 214;
constexpr int kFontPixelHeight = 11;

QCheckBox* MakeCheckBox(QWidget* page, const char* name, const char* caption, int top,
                        bool checked) {
  auto* box = new QCheckBox(caption, page);
  box->setObjectName(name);
  box->setGeometry(8, top, 330, 17);
  box->setChecked(checked);
  return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  return button;
}

void MakeLabel(QWidget* page, const char* caption, QWidget* buddy) {
  auto* label = new QLabel(caption, page);
  label->setGeometry(8, 8, 200, 14);
  label->setBuddy(buddy);
}

}  // namespace

TFormFunc::TFormFunc(QWidget* owner, TCustomScribEdit& editor, Dialogs& dialogs)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      editor_(editor),
      dialogs_(dialogs) {
  setObjectName("FormFunc");
  QFont font("Tahoma");
  font.setPixelSize(kFontPixelHeight);
  setFont(font);
  setFixedSize(kClientWidth, kClientHeight);
  BuildControls();
  InstallKeyPreview(this, [this](const QKeyEvent& key) { return FormKeyDown(key); });
  FormCreate();
  CentreOnScreen(this, owner);
}

void TFormFunc::BuildControls() {
  mainPageCtrl_ = new QTabWidget(this);
  mainPageCtrl_->setObjectName("Main_PageCtrl");
  mainPageCtrl_->setGeometry(6, 6, kClientWidth - 12, 170);
  mainPageCtrl_->addTab(BuildMinimisePage(), "Minimise");
  mainPageCtrl_->addTab(BuildEncryptionPage(), "Encryption");
  mainPageCtrl_->addTab(BuildLinesPage(), "Lines");

  doFuncBtn_ = MakeButton(this, "DoFunc_Btn", "&Do function...", QRect(172, 182, 100, 25));
  doFuncBtn_->setDefault(true);
  // Esc closes through the dialog's own cancel handling.
  closeBtn_ = MakeButton(this, "Close_Btn", "&Close", QRect(279, 182, 75, 25));
  connect(doFuncBtn_, &QPushButton::clicked, this, &TFormFunc::DoFunc_Cmd);
  connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TFormFunc::BuildMinimisePage() {
  auto* page = new QWidget;
  page->setObjectName("Minimise_Sheet");
  // Created in tab order.
  trimTrailChk_ = MakeCheckBox(page, "TrimTrail_Chk",
                               "For each line, remove trailing spaces and tabs", 8, true);
  trimNewLinesChk_ = MakeCheckBox(page, "TrimNewLines_Chk",
                                  "At the end of file, remove new line indicators", 28, true);
  trimLeadChk_ = MakeCheckBox(page, "TrimLead_Chk", "For each line, remove leading spaces and tabs",
                              48, false);
  trimEmptyLinesChk_ = MakeCheckBox(page, "TrimEmptyLines_Chk",
                                    "For each line, remove those that are empty", 68, false);
  testBtn_ = MakeButton(page, "Test_Btn", "&Test", QRect(8, 100, 75, 25));
  connect(testBtn_, &QPushButton::clicked, this, &TFormFunc::Test_Btn_Click);
  testPanel_ = new QLabel("n/a", page);
  testPanel_->setObjectName("Test_Panel");
  testPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  testPanel_->setAlignment(Qt::AlignCenter);
  testPanel_->setGeometry(90, 100, 150, 25);
  return page;
}

QWidget* TFormFunc::BuildEncryptionPage() {
  auto* page = new QWidget;
  page->setObjectName("Encryption_Sheet");
  encMethodListBox_ = new QListWidget(page);
  encMethodListBox_->setObjectName("EncMethod_ListBox");
  encMethodListBox_->setGeometry(8, 24, 200, 100);
  for (std::string_view method : kEncMethodNames) encMethodListBox_->addItem(FromCoreText(method));
  MakeLabel(page, "Encryption Method:", encMethodListBox_);
  return page;
}

QWidget* TFormFunc::BuildLinesPage() {
  auto* page = new QWidget;
  page->setObjectName("Lines_Sheet");
  newLineFmtEdit_ = new QLineEdit("%l", page);
  newLineFmtEdit_->setObjectName("NewLineFmt_Edit");
  newLineFmtEdit_->setGeometry(8, 24, 330, 21);
  MakeLabel(page, "New Line Formatation:", newLineFmtEdit_);
  return page;
}

void TFormFunc::FormCreate() {
  setWindowTitle("Miscellaneous Functions");
  encMethodListBox_->setCurrentRow(0);
  mainPageCtrl_->setCurrentIndex(0);
}

bool TFormFunc::FormKeyDown(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers();
  const bool close = (key.key() == Qt::Key_Q && (modifiers & Qt::AltModifier)) ||
                     (key.key() == Qt::Key_W && (modifiers & Qt::ControlModifier)) ||
                     key.key() == Qt::Key_F8;
  if (!close) return false;
  reject();
  return true;
}

void TFormFunc::DoFunc_Cmd() {
  const TMiscFuncRequest request = Request();
  if (!IsMiscFunctionAvailable(request)) {
    dialogs_.MessageBox(std::string(kNotImplementedText), std::string(kNotImplementedCaption),
                        TMsgIcon::Information, TMsgButtons::Ok);
    return;
  }
  const std::int64_t oldStart = editor_.SelStart();
  const std::int64_t oldLength = editor_.SelLength();
  const TCustomScribEdit::Transaction edit(editor_);
  if (oldLength == 0) editor_.SelectAll();
  const TMiscFuncOutcome outcome = DoMiscFunction(request, editor_.SelText());
  if (outcome.testPanelText) testPanel_->setText(FromCoreText(*outcome.testPanelText));
  editor_.SetSelText(outcome.result);
  const TMiscSelection selection =
      SelectionAfterMiscFunction(static_cast<std::size_t>(oldStart),
                                 static_cast<std::size_t>(oldLength), outcome.result.size());
  editor_.SetSelStart(static_cast<std::int64_t>(selection.start));
  editor_.SetSelLength(static_cast<std::int64_t>(selection.length));
}

void TFormFunc::Test_Btn_Click() {
  const std::string text = editor_.Text();
  const std::string minimised = Minimise(text, MinimiseOptions());
  testPanel_->setText(FromCoreText(MinimiseSavingText(text.size(), minimised.size())));
}

TMiscFuncRequest TFormFunc::Request() const {
  TMiscFuncRequest request;
  request.page = static_cast<TMiscPage>(mainPageCtrl_->currentIndex());
  request.minimise = MinimiseOptions();
  request.method = static_cast<TEncMethod>(std::max(0, encMethodListBox_->currentRow()));
  request.utf8 = IsUtf8(editor_.Lines().Encoding());
  request.lineTemplate =
      request.utf8 ? newLineFmtEdit_->text().toStdString() : ToCodePage(newLineFmtEdit_->text());
  return request;
}

TMinimiseOptions TFormFunc::MinimiseOptions() const {
  TMinimiseOptions options;
  options.trimTrailing = trimTrailChk_->isChecked();
  options.trimNewLines = trimNewLinesChk_->isChecked();
  options.trimLeading = trimLeadChk_->isChecked();
  options.trimEmptyLines = trimEmptyLinesChk_->isChecked();
  return options;
}

void MiscFunc_Cmd(QWidget* owner, TCustomScribEdit& editor, Dialogs& dialogs) {
  TFormFunc dialog(owner, editor, dialogs);
  dialog.exec();
}
