// TFormScribant: the main window. It builds the menu and the status bar and
// forwards to the portable shell; it decides nothing itself.
#pragma once

#include <QMainWindow>
#include <map>
#include <string>

class QAction;
class QLabel;
class QMenu;
struct TMenuItemDef;

class TFormScribant : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormScribant(QWidget* parent = nullptr);

  // The action of a menu item by its item name ("Open1"), or null.
  QAction* MenuAction(const std::string& itemName) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenu();
  void AddMenuItem(QMenu* menu, const TMenuItemDef& item);
  void BuildStatusBar();
  void UpdateCaption();
  void FormResize();

  std::map<std::string, QAction*> actions_;
  QLabel* statusPanels_[4] = {};
  bool showStatusBar_ = true;
};
