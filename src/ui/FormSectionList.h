// TFormSectionList: the stay-on-top window listing the document's banner-marked
// sections (tools/SectionList.h). Each showing rebuilds the list from the
// current text; a double click or Enter moves the caret to the chosen section
// and closes the window. Created on first use and kept.
#pragma once

#include <QWidget>
#include <vector>

#include "tools/SectionList.h"

class QListWidget;
class TCustomScribEdit;

class TFormSectionList : public QWidget {
  Q_OBJECT

 public:
  TFormSectionList(QWidget* owner, TCustomScribEdit& editor);

  // The main window's Section List command: shows the window when it is
  // hidden, closes it when it is visible.
  void SectionList_Click();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormShow();
  // True when the key was Enter or Esc and has been acted on.
  bool FormKeyDown(int qtKey);
  void Names_ListBox_DblClick();
  void CentreOnOwner();

  TCustomScribEdit& editor_;
  QListWidget* namesListBox_;  // object name "Names_ListBox"
  std::vector<TSectionItem> items_;
  bool placed_ = false;
};
