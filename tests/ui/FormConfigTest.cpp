#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "WidgetEvents.h"
#include "desktop/FileRegistry.h"
#include "platform/Canvas.h"
#include "ui/CodePageText.h"
#include "ui/FormConfig.h"

namespace {

const char* const kAttributeNames[] = {"Comment",       "Identifier", "Number", "Preprocessor",
                                       "Reserved Word", "Space",      "String", "Symbol"};

TConfigSettings SampleSettings() {
  TConfigSettings settings;
  settings.showStatusBar = true;
  settings.maxListCount = 9;
  settings.captionFormat = "%f %m";
  settings.commentChars = "//";
  settings.keyWordListFile = "pascal";
  settings.rightEdge = 80;
  settings.tabWidth = 8;
  settings.font = {"Courier New", 10};
  settings.highlighter = "General";
  settings.comments = 0b100100100;  // C, C++ and Markup
  settings.stringDelimiter = 3;
  settings.identifierChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
  for (const char* name : kAttributeNames)
    settings.attributes.push_back({name, clNone, 0x008000, 0});
  return settings;
}

class FormConfigTest : public ::testing::Test {
 protected:
  void Open() {
    form_ = std::make_unique<TFormConfig>(nullptr, settings_, environment_);
    form_->show();
    QApplication::processEvents();
  }
  template <typename Widget = QWidget>
  Widget* Find(const char* name) const {
    auto* widget = form_->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
  void Press(const char* button) const { Find<QPushButton>(button)->click(); }
  void ShowHighlightingPage() const {
    Find<QTabWidget>("Pages")->setCurrentIndex(3);
    QApplication::processEvents();
  }
  // Replaces an edit's text the way a user does: select all, then type.
  static void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
      PressBackspace(edit);
    else
      TypeText(edit, text);
  }

  TempFolder folder_;
  TFileRegistry registry_{TFileRegistry::StoreFileIn(folder_.Path())};
  FakeDialogs dialogs_;
  TFileAssociation association_{registry_, nullptr, "/opt/scribant/scribant"};
  TConfigSettings settings_ = SampleSettings();
  std::vector<TApplyEffects> applied_;
  int changedAtOnce_ = 0;
  TFormConfigEnvironment environment_{
      dialogs_,
      registry_,
      association_,
      {"General"},
      {"pascal", "cpp"},
      [this](const TApplyEffects& effects) { applied_.push_back(effects); },
      [this] { ++changedAtOnce_; }};
  std::unique_ptr<TFormConfig> form_;
};

}  // namespace

TEST_F(FormConfigTest, OpensOnMainPageWithTheSettingsShown) {
  Open();
  EXPECT_EQ(form_->windowTitle(), "Scribant Configurations");
  auto* pages = Find<QTabWidget>("Pages");
  ASSERT_EQ(pages->count(), 5);
  EXPECT_EQ(pages->currentIndex(), 0);
  EXPECT_EQ(pages->tabText(4), "General Format");
  EXPECT_TRUE(Find<QCheckBox>("StatusBar_Chk")->isChecked());
  EXPECT_EQ(Edit("MaxRecentEntries_Edit")->text(), "9");
  auto* caption = Find<QComboBox>("CaptionFormat_Combo");
  EXPECT_EQ(caption->count(), 5);
  EXPECT_EQ(caption->currentText(), "%f %m");
  EXPECT_EQ(Edit("Font_Edit")->text(), "Courier New, 10");
  EXPECT_TRUE(Edit("Font_Edit")->isReadOnly());
  EXPECT_EQ(Edit("PreprocessorChr_Edit")->text(), "#");
  auto* highlighter = Find<QComboBox>("Hilighter_Combo");
  EXPECT_EQ(highlighter->itemText(0), "No Highlighter");
  EXPECT_EQ(highlighter->currentText(), "General");
  auto* styles = Find<QListWidget>("CmtStyles_ChkList");
  ASSERT_EQ(styles->count(), 9);
  EXPECT_EQ(styles->item(8)->text(), "Markup");
  EXPECT_EQ(styles->item(2)->checkState(), Qt::Checked);
  EXPECT_EQ(styles->item(5)->checkState(), Qt::Checked);
  EXPECT_EQ(styles->item(8)->checkState(), Qt::Checked);
  EXPECT_EQ(styles->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(Find<QComboBox>("StrDelim_Combo")->currentText(), "Both Quotation Chars");
  auto* keyWords = Find<QComboBox>("KeyWordList_Combo");
  EXPECT_EQ(keyWords->count(), 3) << "No Keyword List and the two lists";
  EXPECT_EQ(keyWords->currentText(), "pascal");
  const std::string nonIdentifier = ToCodePage(Edit("Chars_Edit")->text());
  EXPECT_EQ(nonIdentifier.substr(0, 3), " !\"");
  EXPECT_EQ(nonIdentifier.size(), 224u - 63u);
  EXPECT_TRUE(Edit("FileExt_Edit")->text().isEmpty());
}

TEST_F(FormConfigTest, ApplyFallsBackOnNonNumbersAndStaysOpen) {
  Open();
  Retype(Edit("MaxRecentEntries_Edit"), "lots");
  Retype(Edit("RightEdge_Edit"), "wide");
  Retype(Edit("TabWidth_Edit"), "4");
  Retype(Edit("Chars_Edit"), "");
  Retype(Edit("PreprocessorChr_Edit"), "");
  Find<QCheckBox>("StatusBar_Chk")->click();
  Find<QComboBox>("KeyWordList_Combo")->setCurrentText("cpp");
  Find<QListWidget>("CmtStyles_ChkList")->item(0)->setCheckState(Qt::Checked);
  Press("Apply_Btn");

  ASSERT_EQ(applied_.size(), 1u);
  EXPECT_EQ(applied_[0].keyWordListToLoad, "cpp");
  EXPECT_EQ(settings_.maxListCount, 12);
  EXPECT_EQ(settings_.rightEdge, 80);
  EXPECT_EQ(settings_.tabWidth, 4);
  EXPECT_EQ(settings_.preprocessorChar, '#') << "an empty box keeps it";
  EXPECT_FALSE(settings_.showStatusBar);
  EXPECT_EQ(settings_.comments, 0b100100101);
  EXPECT_EQ(settings_.identifierChars.size(), 224u) << "every byte, the space included";
  EXPECT_EQ(settings_.identifierChars.front(), ' ');
  EXPECT_TRUE(form_->isVisible());

  Press("Apply_Btn");
  ASSERT_EQ(applied_.size(), 2u);
  EXPECT_FALSE(applied_[1].keyWordListToLoad) << "already loaded";
}

TEST_F(FormConfigTest, CancelKeepsOnlyColourStyleAndFontChanges) {
  Open();
  const TConfigSettings before = settings_;
  Find<QCheckBox>("EscapeQuits_Chk")->click();
  Retype(Edit("TabWidth_Edit"), "2");

  dialogs_.fontAnswers.push_back(TFont{.name = "Mono", .size = 12});
  Press("Font_Btn");
  EXPECT_EQ(Edit("Font_Edit")->text(), "Mono, 12");

  ShowHighlightingPage();
  auto* list = Find<QListWidget>("Color_List");
  ASSERT_EQ(list->count(), 8);
  EXPECT_EQ(list->item(4)->text(), "Reserved Word");
  list->setCurrentRow(2);
  auto* background = Find<QLabel>("BackCol_Panel");
  auto* foreground = Find<QLabel>("ForeCol_Panel");
  EXPECT_EQ(background->text(), "0x1fffffff");
  EXPECT_EQ(foreground->text(), "clGreen");
  EXPECT_EQ(foreground->palette().color(QPalette::Window), QColor(0, 128, 0));
  EXPECT_EQ(foreground->palette().color(QPalette::WindowText), QColor(255, 127, 255))
      << "grey 75 takes the inverted colour";
  EXPECT_EQ(background->palette().color(QPalette::Window), QColor(Qt::black)) << "no colour";
  Click(foreground, Qt::RightButton);
  EXPECT_EQ(foreground->text(), "0x1fffffff");
  dialogs_.colorAnswers.push_back(0x00ABCD);
  Click(background, Qt::LeftButton);
  EXPECT_EQ(background->text(), "0x00abcd");
  Click(background, Qt::LeftButton);  // the colour dialog cancelled
  Click(background, Qt::MiddleButton);
  EXPECT_EQ(background->text(), "0x00abcd");
  Find<QCheckBox>("Italic_Chk")->click();
  Find<QCheckBox>("Strikeout_Chk")->click();
  Press("Cancel_Btn");

  EXPECT_EQ(form_->result(), QDialog::Rejected);
  EXPECT_TRUE(applied_.empty());
  EXPECT_EQ(changedAtOnce_, 5);
  EXPECT_EQ(settings_.escapeQuits, before.escapeQuits);
  EXPECT_EQ(settings_.tabWidth, before.tabWidth);
  EXPECT_EQ(settings_.font.name, "Mono");
  EXPECT_EQ(settings_.attributes[2].background, 0x00ABCDu);
  EXPECT_EQ(settings_.attributes[2].foreground, clNone);
  EXPECT_EQ(settings_.attributes[2].style, unsigned{fsItalic | fsStrikeOut});
  EXPECT_EQ(settings_.attributes[1].style, 0u);
}

TEST_F(FormConfigTest, NoHighlighterLeavesTheHighlightingPageEmptyAndInert) {
  Open();
  Find<QComboBox>("Hilighter_Combo")->setCurrentIndex(0);
  Press("Ok_Btn");
  EXPECT_EQ(form_->result(), QDialog::Accepted);
  ASSERT_EQ(applied_.size(), 1u);
  EXPECT_EQ(settings_.highlighter, "");

  Open();
  ShowHighlightingPage();
  EXPECT_EQ(Find<QListWidget>("Color_List")->count(), 0);
  EXPECT_EQ(form_->SelectedAttribute(), -1);
  dialogs_.colorAnswers.push_back(0x123456);
  Click(Find("BackCol_Panel"), Qt::LeftButton);
  Click(Find("ForeCol_Panel"), Qt::RightButton);
  Find<QCheckBox>("Bold_Chk")->click();
  EXPECT_EQ(changedAtOnce_, 0);
  EXPECT_EQ(dialogs_.colorAnswers.size(), 1u) << "no colour dialog without an attribute";
  for (const TAttributeSettings& attribute : settings_.attributes) {
    EXPECT_EQ(attribute.background, clNone);
    EXPECT_EQ(attribute.style, 0u);
  }
}

TEST_F(FormConfigTest, AssociateAndCleanReportWhatWasDeleted) {
  Open();
  Press("Default_Btn");
  EXPECT_EQ(Edit("FileExt_Edit")->text(), "txt, nfo, log, lst");
  Retype(Edit("FileExt_Edit"), "txt;; log,c");
  Press("Associate_Btn");
  for (const char* key : {".txt", ".log", ".c"})
    EXPECT_EQ(registry_.ReadString(TRegistryRoot::ClassesRoot, key, ""), "ScribantFile") << key;
  EXPECT_EQ(
      registry_.ReadString(TRegistryRoot::ClassesRoot, "ScribantFile\\Shell\\Open\\Command", ""),
      "\"/opt/scribant/scribant\" \"%1\"");
  EXPECT_TRUE(dialogs_.messages.empty()) << "associating says nothing";

  Press("Clean_Btn");
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].caption, "Cleanup Status");
  EXPECT_EQ(dialogs_.messages[0].icon, TMsgIcon::Information);
  const std::string& report = dialogs_.messages[0].text;
  EXPECT_EQ(report.rfind("Deleted the following keys:\r\n\r\n", 0), 0u);
  for (const char* line : {"txt\r\n", "log\r\n", "c\r\n", "ScribantFile\r\n"})
    EXPECT_NE(report.find(line), std::string::npos) << line;
  EXPECT_FALSE(registry_.KeyExists(TRegistryRoot::ClassesRoot, ".txt"));

  Press("Clean_Btn");
  ASSERT_EQ(dialogs_.messages.size(), 2u);
  EXPECT_EQ(dialogs_.messages[1].text, "Found nothing to clean up.");
}

TEST_F(FormConfigTest, CaptionFormatHelpShowsThePlaceholders) {
  Open();
  Press("CaptionFormatHlp_Btn");
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].caption, "Scribant");
  EXPECT_EQ(dialogs_.messages[0].icon, TMsgIcon::Information);
  EXPECT_EQ(dialogs_.messages[0].buttons, TMsgButtons::Ok);
  EXPECT_NE(dialogs_.messages[0].text.find("%m"), std::string::npos);
}
