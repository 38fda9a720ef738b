// TFormJump: the modal go-to dialog. It moves the caret to a line, a
// character index or a percentage of the lines. Created, run and destroyed on
// each use; the rules live in tools/GotoLine.h.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "tools/GotoLine.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TCustomScribEdit;

class TFormJump : public QDialog {
  Q_OBJECT

 public:
  TFormJump(QWidget* owner, TCustomScribEdit& editor);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void FormCreate();
  void Seek_Cmd();
  void Edits_Change(const QString& text);
  void Edits_Enter(TJumpBox box);
  // Both return true when the key is used up.
  bool Edits_KeyDown(TJumpBox box, int qtKey);
  bool Edits_KeyPress(TJumpBox box, const QString& typed);

  std::optional<TJumpBox> CheckedBox() const;
  std::optional<TJumpBox> BoxOf(QObject* object) const;
  QLineEdit* Edit(TJumpBox box) const { return edits_[static_cast<int>(box)]; }

  TCustomScribEdit& editor_;
  // Indexed by the box's tag (TJumpBox). Object names are the controls' own
  // names ("Line_Edit", "Seek_Btn").
  std::array<QRadioButton*, 3> radios_{};
  std::array<QLineEdit*, 3> edits_{};
  std::array<QLabel*, 3> maxLabels_{};
  QPushButton* seekBtn_ = nullptr;
  QPushButton* cancelBtn_ = nullptr;
};

// The main window's Go to command: runs the dialog over the editor.
void Goto_Cmd(QWidget* owner, TCustomScribEdit& editor);
