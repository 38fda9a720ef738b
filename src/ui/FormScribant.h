// TFormScribant: the main window. It builds the menu, the editor and the
// status bar and forwards every command to the portable shell; it decides
// nothing itself.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

#include "desktop/FileRegistry.h"
#include "highlight/ScribHighlighterOrvane.h"
#include "ui/QtClipboard.h"
#include "ui/QtDialogs.h"
#include "ui/QtServices.h"

class QAction;
class QLabel;
class QMenu;
class TCustomScribEdit;
class TScribEdit;
class TScribantShell;
class TSearchWindows;
struct TMenuItemDef;

class TFormScribant : public QMainWindow {
  Q_OBJECT

 public:
  // `firstArgument`: the command line's first argument, "" for none.
  // `desktop` opens documents and starts programs; null for the desktop's own.
  explicit TFormScribant(std::string firstArgument = {}, QWidget* parent = nullptr,
                         Shell* desktop = nullptr);
  ~TFormScribant() override;

  // Shows the window normal, minimised or maximised as the settings say.
  void ShowAsSaved();
  // The action of a menu item by its item name ("Open1"), or null.
  QAction* MenuAction(const std::string& itemName) const;
  TCustomScribEdit& Editor();
  TScribantShell& ScribantShell() { return *shell_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Regaining the focus is when a file changed by another program is noticed.
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenu();
  void AddMenuItem(QMenu* menu, const TMenuItemDef& item);
  void ConnectMenu();
  void OnMenu(const std::string& itemName, std::function<void()> handler);
  void BuildStatusBar();
  void FormCreate();
  void FormResize();
  void StoreWindowPlacement();
  void RecentFiles_Popup();
  void Search_Popup();
  void ClipboardMonitor_Click();
  void About_Cmd();
  void ColorPicker_Cmd();
  void Config_Cmd();

  std::string firstArgument_;
  bool shown_ = false;
  QtDialogs dialogs_{this};
  QtClipboard clipboard_;
  QtShell qtDesktop_;
  Shell& desktop_;
  QtScreen screen_;
  QtLocale locale_;
  TFileRegistry registry_;
  TScribOrvane highlighter_;
  TScribEdit* codeEdit_;  // Code_Edit, a child widget
  TCustomScribEdit* editor_;
  std::unique_ptr<TScribantShell> shell_;
  std::unique_ptr<TSearchWindows> searchWindows_;
  std::map<std::string, QAction*> actions_;
  QMenu* recentMenu_ = nullptr;
  QLabel* statusPanels_[5] = {};
};
