// The main window's menu as the user meets it: every item with its caption
// and shortcut in its place, and every command run once from its item.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "RecordingShell.h"
#include "TempFolder.h"
#include "WidgetEvents.h"
#include "editor/CustomScribEdit.h"
#include "shell/AppSettings.h"
#include "shell/ScribantShell.h"
#include "ui/FormScribant.h"

namespace {

// One line per item: name, caption and shortcut; a submenu's items indented.
QString MenuListing(const QMenu& menu, const QString& indent) {
  QString listing;
  for (const QAction* action : menu.actions()) {
    listing += indent + action->objectName();
    if (!action->isSeparator()) listing += " " + action->text();
    if (!action->shortcut().isEmpty()) listing += " " + action->shortcut().toString();
    listing += "\n";
    if (const QMenu* submenu = action->menu()) listing += MenuListing(*submenu, indent + "  ");
  }
  return listing;
}

// Presses Escape in every modal dialog as soon as it shows, and notes its title.
class EscapeEveryDialog : public QObject {
 public:
  EscapeEveryDialog() { QApplication::instance()->installEventFilter(this); }
  ~EscapeEveryDialog() override { QApplication::instance()->removeEventFilter(this); }

  QStringList TakeTitles() { return std::exchange(titles_, {}); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && window && window->isWindow() && window->isModal()) {
      titles_ << window->windowTitle();
      QTimer::singleShot(0, window, [window] { PressKey(window, Qt::Key_Escape); });
    }
    return false;
  }

 private:
  QStringList titles_;
};

}  // namespace

TEST(MainMenu, HasEveryItemWithItsCaptionAndShortcutInOrder) {
  TFormScribant form;
  QString listing;
  for (const QAction* menu : form.menuBar()->actions())
    listing +=
        menu->menu()->objectName() + " " + menu->text() + "\n" + MenuListing(*menu->menu(), "  ");
  EXPECT_EQ(listing.toStdString(),
            "File1 &File\n"
            "  New1 &New Ctrl+N\n"
            "  Open1 &Open... Ctrl+O\n"
            "  RecentFiles1 Open Recen&t\n"
            "    N5\n"
            "    RemoveObsoleteFiles1 &Remove Obsolete Files\n"
            "    ClearRecentList1 &Clear Recent List\n"
            "  Save1 &Save Ctrl+S\n"
            "  SaveAs1 Save &As... F12\n"
            "  N3\n"
            "  ReloadFile1 &Reload File Ctrl+R\n"
            "  ReopenEncoding1 Reopen &with Encoding\n"
            "    ReopenUtf81 &UTF-8\n"
            "    ReopenUtf8Bom1 UTF-8 with &BOM\n"
            "    ReopenWindows12521 &Windows-1252\n"
            "  ConvertEncoding1 Con&vert Encoding\n"
            "    ConvertUtf81 &UTF-8\n"
            "    ConvertUtf8Bom1 UTF-8 with &BOM\n"
            "    ConvertWindows12521 &Windows-1252\n"
            "  ExecuteFile1 &Execute File F9\n"
            "  N7\n"
            "  NewInstance1 New Window... Ctrl+F12\n"
            "  N1\n"
            "  Close1 &Close Alt+Q\n"
            "Edit1 &Edit\n"
            "  ModifyCase1 &Modify Case... Ctrl+F5\n"
            "  CenterWithSpaces1 Center With &Spaces\n"
            "  N10\n"
            "  ToggleComments1 &Toggle Comments F5\n"
            "  N6\n"
            "  ClipboardMonitor1 &Clipboard Monitor... F6\n"
            "Search1 &Search\n"
            "  Find1 &Find... Ctrl+F\n"
            "  FindNext1 Find &Next F3\n"
            "  N8\n"
            "  FindMatchingBracket1 Find Matching Bracket Ctrl+B\n"
            "  N2\n"
            "  Goto1 &Go to Dialog... Ctrl+G\n"
            "Functions1 &Functions\n"
            "  SectionList1 &Section List F4\n"
            "  N9\n"
            "  TextAnalyse1 &Text Analyse... F7\n"
            "  MiscFunc1 Misc &Functions... F8\n"
            "  N4\n"
            "  ColorPicker1 Color &Picker... Ctrl+E\n"
            "  CalcSel1 &Calculate Selection Ctrl+Shift+C\n"
            "Options1 &Options\n"
            "  Config1 &Configurations... F2\n"
            "  SaveSettingsNow1 &Save Settings Now\n"
            "Help1 &Help\n"
            "  About1 &About... F1\n");
}

// Each command runs once from its menu item on a freshly opened document,
// every dialog it opens answered with Escape. Afterwards no dialog is left
// open, the status bar agrees with the caret and the editor still takes keys.
TEST(MainMenu, EveryCommandRunsFromItsItemAndLeavesTheWindowWorking) {
  TempFolder folder;
  const std::string doc = folder.File("doc.txt");
  RecordingShell desktop;
  TFormScribant form({}, nullptr, &desktop);
  form.show();
  TScribantShell& shell = form.ScribantShell();
  TCustomScribEdit& editor = form.Editor();
  EscapeEveryDialog escape;

  struct Row {
    std::string item;
    QStringList dialogs;  // the titles of the dialogs it shows
    std::function<void()> prepare;
    std::function<void()> check;
  };
  const auto none = [] {};
  const auto visible = [&form](const char* window) {
    return [&form, window] { EXPECT_TRUE(form.findChild<QWidget*>(window)->isVisible()); };
  };
  const auto unchanged = [&] { EXPECT_EQ(editor.Text(), "b (a) c\r\nline two"); };
  const auto format = [&form] {
    return form.findChild<QLabel*>("StatusPanel4")->text().toStdString();
  };
  const std::vector<Row> rows{
      {"New1", {}, none, [&] { EXPECT_EQ(shell.FileName(), "Untitled"); }},
      {"Open1", {"Open"}, none, [&] { EXPECT_EQ(shell.FileName(), doc); }},
      {"RemoveObsoleteFiles1",
       {},
       [&] {
         shell.Settings().recentList = {folder.File("gone.txt"), doc};
       },
       [&] { EXPECT_EQ(shell.Settings().recentList, std::vector<std::string>{doc}); }},
      {"ClearRecentList1", {}, none, [&] { EXPECT_TRUE(shell.Settings().recentList.empty()); }},
      {"Save1", {}, [&] { editor.SetText("saved"); }, [&] { EXPECT_EQ(ReadBytes(doc), "saved"); }},
      {"SaveAs1", {"Save As"}, none, [&] { EXPECT_EQ(shell.FileName(), doc); }},
      {"ReloadFile1", {"Reload Current File?"}, none, unchanged},
      {"ReopenUtf81",
       {},
       [&] { WriteBytes(doc, "caf\xC3\xA9"); },
       [&] { EXPECT_EQ(editor.Text(), "caf\xC3\xA9"); }},
      {"ReopenUtf8Bom1", {}, none, [&] { EXPECT_EQ(format(), "UTF-8 BOM \xC2\xB7 CRLF"); }},
      {"ReopenWindows12521",
       {},
       [&] { WriteBytes(doc, "caf\xC3\xA9"); },
       [&] {
         EXPECT_EQ(editor.Text(), "caf\xC3\xA9");
         EXPECT_EQ(format(), "Windows-1252 \xC2\xB7 CRLF");
       }},
      {"ConvertUtf81",
       {},
       [&] {
         WriteBytes(doc, "caf\xE9");
         shell.OpenDocument(doc);
       },
       [&] {
         EXPECT_EQ(editor.Text(), "caf\xC3\xA9");
         EXPECT_EQ(format(), "UTF-8 \xC2\xB7 CRLF");
       }},
      {"ConvertUtf8Bom1", {}, none, [&] { EXPECT_EQ(format(), "UTF-8 BOM \xC2\xB7 CRLF"); }},
      {"ConvertWindows12521",
       {"Convert Encoding"},
       [&] { editor.SetText("\xE4\xB8\xAD"); },
       [&] { EXPECT_EQ(format(), "UTF-8 \xC2\xB7 CRLF") << "Escape answers No"; }},
      {"ExecuteFile1", {}, none, [&] { EXPECT_EQ(desktop.opened.back(), doc); }},
      {"NewInstance1",
       {},
       none,
       [&] { EXPECT_EQ(desktop.started.back(), desktop.ExecutablePath()); }},
      {"ModifyCase1", {"Please Select an Item"}, none, unchanged},
      {"CenterWithSpaces1", {"Scribant"}, none, unchanged},
      {"ToggleComments1", {}, none, [&] { EXPECT_EQ(editor.Text(), "--b (a) c\r\nline two"); }},
      {"ClipboardMonitor1", {"Clipboard Monitor"}, none, unchanged},
      {"Find1", {}, none, visible("FormFindReplace")},
      {"FindNext1",
       {},
       [&] { shell.SearchState().FindString = "two"; },
       [&] { EXPECT_EQ(editor.SelText(), "two"); }},
      {"FindMatchingBracket1",
       {},
       [&] { editor.SetSelStart(2); },
       [&] { EXPECT_EQ(editor.SelText(), "(a)"); }},
      {"Goto1", {"Go to Dialog"}, none, unchanged},
      {"SectionList1", {}, none, visible("FormSectionList")},
      {"TextAnalyse1", {"Text Analyse <All Text>"}, none, unchanged},
      {"MiscFunc1", {"Miscellaneous Functions"}, none, unchanged},
      {"ColorPicker1", {"Pick Color Dialog"}, none, unchanged},
      {"CalcSel1",
       {},
       [&] {
         editor.SetText("2*3");
         editor.SelectAll();
       },
       [&] { EXPECT_EQ(editor.Text(), "2*3 = 6"); }},
      {"Config1", {"Scribant Configurations"}, none, unchanged},
      {"SaveSettingsNow1",
       {},
       [&] { std::filesystem::remove(shell.Folders().settingsFile); },
       [&] { EXPECT_TRUE(std::filesystem::exists(shell.Folders().settingsFile)); }},
      {"About1", {"About Scribant"}, none, unchanged},
      {"Close1", {}, none, [&] { EXPECT_FALSE(form.isVisible()); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.item);
    editor.SetModified(false);  // the keys the last row typed are not to be saved
    WriteBytes(doc, "b (a) c\r\nline two");
    shell.OpenDocument(doc);
    row.prepare();
    form.MenuAction(row.item)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(escape.TakeTitles().join('|').toStdString(), row.dialogs.join('|').toStdString());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    row.check();
    if (row.item == "Close1") break;
    const TBufferCoord caret = editor.CaretXY();
    EXPECT_EQ(form.findChild<QLabel*>("StatusPanel1")->text().toStdString(),
              "Line: " + std::to_string(caret.Line));
    const std::string before = editor.Text();
    PressKey(form.centralWidget(), Qt::Key_Home, Qt::ControlModifier);
    TypeText(form.centralWidget(), "z");
    EXPECT_EQ(editor.Text(), "z" + before) << "the editor takes keys";
    PressBackspace(form.centralWidget());
    EXPECT_EQ(editor.Text(), before);
  }
}
