#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>

#include "FakeLocale.h"
#include "RecordingShell.h"
#include "TempFolder.h"
#include "editor/CustomScribEdit.h"
#include "platform/Locale.h"
#include "ui/AboutBox.h"
#include "ui/ClipboardMonitorDialog.h"
#include "ui/FormJump.h"
#include "ui/ProgramIcon.h"
#include "ui/QtCanvas.h"
#include "ui/QtClipboard.h"
#include "ui/QtDialogs.h"

TEST(ClipboardMonitorDialog, InsertsTextCopiedWhileShownAsUtf8) {
  QApplication::clipboard()->setText("before");
  QtClipboard clipboard;
  std::vector<std::string> inserted;
  {
    TClipboardMonitorDialog dialog(nullptr, clipboard,
                                   [&](const std::string& text) { inserted.push_back(text); });
    dialog.show();
    QApplication::processEvents();
    QApplication::clipboard()->setText(QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC"));
    QApplication::processEvents();
    auto* image = new QMimeData;
    image->setImageData(QImage(2, 2, QImage::Format_RGB32));
    QApplication::clipboard()->setMimeData(image);
    QApplication::processEvents();
    dialog.hide();
    QApplication::clipboard()->setText("after");
    QApplication::processEvents();
  }
  EXPECT_EQ(inserted, (std::vector<std::string>{"caf\xC3\xA9 \xE2\x82\xAC\r\n"}))
      << "the window converts it to the document's encoding";
}

TEST(AboutBox, ShowsBuildDateAndOpensReadmeOnlyWhenPresent) {
  TempFolder folder;
  const std::string programFolder = folder.Path().string() + "/";
  RecordingShell shell;
  FakeLocale locale;
  {
    TAboutBox box(nullptr, 0x0E0201, "Scribant", programFolder, shell, locale);
    EXPECT_EQ(box.windowTitle(), "About Scribant");
    EXPECT_FALSE(box.ReadmeButton()->isEnabled());
    auto* compiled = box.findChild<QLabel*>("CompiledLabel");
    ASSERT_NE(compiled, nullptr);
    EXPECT_EQ(compiled->text(), "Compiled on 1-2-2014");
    // The program's own icon, built into the executable in every size.
    EXPECT_EQ(ProgramIcon().availableSizes().size(), 6);
    auto* icon = box.findChild<QLabel*>("ProgramIcon");
    ASSERT_NE(icon, nullptr);
    ASSERT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(icon->pixmap().toImage(), ProgramIcon().pixmap(32, 32).toImage());
  }
  std::ofstream(folder.File("readme.txt")) << "hello";
  TAboutBox box(nullptr, 0x0E0201, "Scribant", programFolder, shell, locale);
  ASSERT_TRUE(box.ReadmeButton()->isEnabled());
  box.ReadmeButton()->click();
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0], programFolder + "readme.txt");
}

TEST(QtClipboard, PlainTextHasTheSystemLineBreakAndEitherKindPastes) {
  QtClipboard clipboard;
  clipboard.SetTextWithBlock("one\r\ntwo\r\n", 0);
  EXPECT_EQ(QApplication::clipboard()->text(), "one\ntwo\n") << "other programs get LF";
  TCustomScribEdit edit;
  edit.SetClipboard(&clipboard);
  edit.SetText("x");
  edit.SetCaretXY({2, 1});
  edit.PasteFromClipboard();
  QApplication::clipboard()->setText("three\r\nfour");
  edit.PasteFromClipboard();
  EXPECT_EQ(edit.Text(), "xone\r\ntwo\r\nthree\r\nfour");
}

TEST(QtDialogs, FontDialogStartsOnTheFixedPitchFamilyTheEditorShows) {
  const TFont editorFont{"Courier New", 10, 0, 0};
  const QFont start = FontDialogStartFont({"Courier New", 10, -13, fsBold});
  EXPECT_EQ(start.family(), QFontInfo(QFontOf(editorFont)).family());
  EXPECT_TRUE(QFontInfo(start).fixedPitch()) << "OK must not switch to a proportional font";
  EXPECT_EQ(start.pointSize(), 10);
  EXPECT_TRUE(start.bold());
}

namespace {

// Every caption of the window shows whole: a word-wrapped label has the
// height its text needs at its width, any other label or button the width.
void ExpectEveryCaptionFits(const QWidget& window) {
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    if (label->wordWrap())
      EXPECT_LE(label->heightForWidth(label->width()), label->height())
          << label->text().toStdString();
    else
      EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
    EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
}

// A desktop with larger text than the layouts were drawn for.
class LargeDesktopFont {
 public:
  LargeDesktopFont() : saved_(QApplication::font()) {
    QFont large = saved_;
    large.setPointSize(13);
    QApplication::setFont(large);
  }
  ~LargeDesktopFont() { QApplication::setFont(saved_); }

 private:
  QFont saved_;
};

}  // namespace

TEST(ToolDialogs, CaptionsShowWholeWithALargerDesktopFont) {
  const LargeDesktopFont font;
  QtClipboard clipboard;
  TClipboardMonitorDialog monitor(nullptr, clipboard, [](const std::string&) {});
  ExpectEveryCaptionFits(monitor);
  TCustomScribEdit editor;
  editor.SetText("some text");
  TFormJump jump(nullptr, editor);
  ExpectEveryCaptionFits(jump);
}
