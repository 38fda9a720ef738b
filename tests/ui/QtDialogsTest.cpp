#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "WidgetEvents.h"
#include "ui/QtDialogs.h"

namespace {

// Runs `inspect` on the message box once it shows, then presses Escape.
TMsgResult ShowBox(const std::string& text, TMsgButtons buttons,
                   const std::function<void(QMessageBox&)>& inspect) {
  QtDialogs dialogs(nullptr);
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    inspect(*box);
    PressKey(box, Qt::Key_Escape);
  });
  return dialogs.MessageBox(text, "Confirm", TMsgIcon::Question, buttons);
}

}  // namespace

TEST(QtDialogs, ReplaceConfirmationButtonsStandInOrderAndEscapeIsNoToAll) {
  QStringList captions;
  const TMsgResult answer =
      ShowBox("Replace?", TMsgButtons::YesNoNoToAllYesToAll, [&](QMessageBox& box) {
        QList<QPushButton*> buttons = box.findChildren<QPushButton*>();
        std::sort(buttons.begin(), buttons.end(), [&](QPushButton* a, QPushButton* b) {
          return a->mapTo(&box, QPoint()).x() < b->mapTo(&box, QPoint()).x();
        });
        for (QPushButton* button : buttons) captions << button->text();
      });
  EXPECT_EQ(captions.join('|'), "&Yes|&No|N&o to All|Yes to &All");
  EXPECT_EQ(answer, TMsgResult::NoToAll) << "stop without replacing";
}

TEST(QtDialogs, LongTextsWithoutBlanksAreWrappedNotCut) {
  const std::string searched(400, 'q');
  int widest = 0;
  int room = 0;
  const TMsgResult answer =
      ShowBox("Phrase \"" + searched + "\" not found", TMsgButtons::Ok, [&](QMessageBox& box) {
        auto* label = box.findChild<QLabel*>("qt_msgbox_label");
        widest = label->minimumSizeHint().width();
        room = label->width();
      });
  EXPECT_LE(widest, room) << "the longest unbreakable piece fits the label";
  EXPECT_EQ(answer, TMsgResult::Ok);
}
