#include "ui/FormJump.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <limits>

#include "editor/CustomScribEdit.h"
#include "ui/CodePageText.h"
#include "ui/DialogUnits.h"

namespace {

constexpr int kVirtualKeyUp = 0x26;
constexpr int kVirtualKeyDown = 0x28;

struct TBoxDef {
  const char* radioName;
  const char* radioCaption;
  const char* editName;
  const char* maxLabelName;
};
constexpr TBoxDef kBoxes[3] = {
    {"Line_Radio", "Line:", "Line_Edit", "LineMax_Label"},
    {"Char_Radio", "Character:", "Char_Edit", "CharMax_Label"},
    {"Percent_Radio", "Percent:", "Percent_Edit", "PercentMax_Label"},
};

int VirtualKeyOf(int qtKey) {
  if (qtKey == Qt::Key_Up) return kVirtualKeyUp;
  if (qtKey == Qt::Key_Down) return kVirtualKeyDown;
  return 0;
}

// The editor's line numbers are ints; larger values are clamped by it anyway.
int ToLineNumber(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

TFormJump::TFormJump(QWidget* owner, TCustomScribEdit& editor)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      editor_(editor) {
  setObjectName("FormJump");
  setWindowTitle("Go to Dialog");
  BuildControls();
  FormCreate();
  CentreOnScreen(this, owner);
}

void TFormJump::BuildControls() {
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::StyledPanel);
  // Created in tab order: each radio button, then its box.
  for (int tag = 0; tag < 3; ++tag) {
    radios_[tag] = new QRadioButton(kBoxes[tag].radioCaption, panel);
    radios_[tag]->setObjectName(kBoxes[tag].radioName);
    edits_[tag] = new QLineEdit(panel);
    edits_[tag]->setObjectName(kBoxes[tag].editName);
    edits_[tag]->installEventFilter(this);
    connect(edits_[tag], &QLineEdit::textChanged, this, &TFormJump::Edits_Change);
    maxLabels_[tag] = new QLabel(panel);
    maxLabels_[tag]->setObjectName(kBoxes[tag].maxLabelName);
  }
  // The captions' column is as wide as the widest caption needs in this font.
  int radioWidth = 80;
  for (const QRadioButton* radio : radios_)
    radioWidth = std::max(radioWidth, radio->sizeHint().width());
  const int editX = 8 + radioWidth + 4;
  const int labelX = editX + 70;
  for (int tag = 0; tag < 3; ++tag) {
    const int top = 10 + tag * 28;
    radios_[tag]->setGeometry(8, top, radioWidth, 20);
    edits_[tag]->setGeometry(editX, top, 64, 20);
    maxLabels_[tag]->setGeometry(labelX, top + 2, 56, 16);
  }
  const int panelWidth = labelX + 58;
  panel->setGeometry(6, 6, panelWidth, 96);
  seekBtn_ = new QPushButton("&Seek", this);
  seekBtn_->setObjectName("Seek_Btn");
  seekBtn_->setDefault(true);
  cancelBtn_ = new QPushButton("&Cancel", this);
  cancelBtn_->setObjectName("Cancel_Btn");
  const int buttonWidth =
      std::max({75, seekBtn_->sizeHint().width(), cancelBtn_->sizeHint().width()});
  const int right = 6 + std::max(panelWidth, 2 * buttonWidth + 6);
  seekBtn_->setGeometry(right - 2 * buttonWidth - 6, 110, buttonWidth, 25);
  cancelBtn_->setGeometry(right - buttonWidth, 110, buttonWidth, 25);
  setFixedSize(right + 6, 141);
  connect(seekBtn_, &QPushButton::clicked, this, &TFormJump::Seek_Cmd);
  connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
  // No radio button is checked until a box is entered.
  radios_[0]->setFocus();
}

void TFormJump::FormCreate() {
  const TJumpDialogTexts texts = InitialJumpTexts(editor_.Lines().Count(), editor_.TextLength(),
                                                  editor_.CaretY(), editor_.SelStart());
  maxLabels_[0]->setText(QString::fromStdString(texts.lineMaxLabel));
  maxLabels_[1]->setText(QString::fromStdString(texts.charMaxLabel));
  maxLabels_[2]->setText("/ 100");
  edits_[0]->setText(QString::fromStdString(texts.lineEdit));
  edits_[1]->setText(QString::fromStdString(texts.charEdit));
  edits_[2]->setText(QString::fromStdString(texts.percentEdit));
}

void TFormJump::Seek_Cmd() {
  const std::optional<TJumpBox> checked = CheckedBox();
  const std::string boxText = checked ? ToCodePage(Edit(*checked)->text()) : std::string();
  if (const auto target = SeekTarget(checked, boxText, editor_.Lines().Count())) {
    if (target->kind == TJumpTarget::TKind::CaretLine)
      editor_.SetCaretY(ToLineNumber(target->value));
    else
      editor_.SetSelStart(target->value);
  }
  accept();
}

void TFormJump::Edits_Change(const QString& text) {
  seekBtn_->setEnabled(SeekEnabled(ToCodePage(text)));
}

void TFormJump::Edits_Enter(TJumpBox box) {
  radios_[static_cast<int>(box)]->setChecked(true);
}

bool TFormJump::Edits_KeyDown(TJumpBox box, int qtKey) {
  const std::optional<TJumpBox> next = BoxAfterKey(box, VirtualKeyOf(qtKey));
  if (!next) return false;
  Edit(*next)->setFocus(Qt::TabFocusReason);
  return true;
}

bool TFormJump::Edits_KeyPress(TJumpBox box, const QString& typed) {
  if (typed.size() != 1) return false;
  const std::optional<std::string> stepped =
      SteppedBoxText(ToCodePage(Edit(box)->text()), typed.at(0).toLatin1());
  if (!stepped) return false;
  Edit(box)->setText(QString::fromStdString(*stepped));
  return true;
}

bool TFormJump::eventFilter(QObject* watched, QEvent* event) {
  const std::optional<TJumpBox> box = BoxOf(watched);
  if (box && event->type() == QEvent::FocusIn) Edits_Enter(*box);
  if (box && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (Edits_KeyDown(*box, key->key()) || Edits_KeyPress(*box, key->text())) return true;
  }
  return QDialog::eventFilter(watched, event);
}

std::optional<TJumpBox> TFormJump::CheckedBox() const {
  for (int tag = 0; tag < 3; ++tag)
    if (radios_[tag]->isChecked()) return static_cast<TJumpBox>(tag);
  return std::nullopt;
}

std::optional<TJumpBox> TFormJump::BoxOf(QObject* object) const {
  for (int tag = 0; tag < 3; ++tag)
    if (edits_[tag] == object) return static_cast<TJumpBox>(tag);
  return std::nullopt;
}

void Goto_Cmd(QWidget* owner, TCustomScribEdit& editor) {
  TFormJump dialog(owner, editor);
  dialog.exec();
}
