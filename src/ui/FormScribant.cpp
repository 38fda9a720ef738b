#include "ui/FormScribant.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "shell/Caption.h"
#include "shell/MainMenu.h"

namespace {

constexpr int kStatusBarHeight = 17;
constexpr int kNarrowPanelWidth = 80;

}  // namespace

TFormScribant::TFormScribant(QWidget* parent) : QMainWindow(parent) {
  setObjectName("FormScribant");
  QFont formFont("Tahoma");
  formFont.setPointSize(8);
  setFont(formFont);
  resize(642, 281);

  auto* editorArea = new QWidget(this);
  editorArea->setObjectName("Code_Edit");
  editorArea->setAutoFillBackground(true);
  QPalette palette = editorArea->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Base));
  editorArea->setPalette(palette);
  setCentralWidget(editorArea);

  BuildMenu();
  BuildStatusBar();
  UpdateCaption();
}

QAction* TFormScribant::MenuAction(const std::string& itemName) const {
  auto found = actions_.find(itemName);
  return found == actions_.end() ? nullptr : found->second;
}

void TFormScribant::BuildMenu() {
  for (const TMenuDef& menuDef : MainMenuDefinition()) {
    QMenu* menu = menuBar()->addMenu(QString::fromStdString(menuDef.caption));
    menu->setObjectName(QString::fromStdString(menuDef.name));
    for (const TMenuItemDef& item : menuDef.items) AddMenuItem(menu, item);
  }
  // Commands are enabled as their features are built.
  for (auto& [name, action] : actions_) action->setEnabled(false);
  MenuAction("Close1")->setEnabled(true);
  MenuAction("RecentFiles1")->setEnabled(true);
  connect(MenuAction("Close1"), &QAction::triggered, this, &QWidget::close);
}

void TFormScribant::AddMenuItem(QMenu* menu, const TMenuItemDef& item) {
  if (item.caption == "-") {
    menu->addSeparator()->setObjectName(QString::fromStdString(item.name));
    return;
  }
  QAction* action;
  if (!item.children.empty()) {
    QMenu* submenu = menu->addMenu(QString::fromStdString(item.caption));
    submenu->setObjectName(QString::fromStdString(item.name));
    for (const TMenuItemDef& child : item.children) AddMenuItem(submenu, child);
    action = submenu->menuAction();
  } else {
    action = menu->addAction(QString::fromStdString(item.caption));
    if (!item.shortcut.empty())
      action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
  }
  action->setObjectName(QString::fromStdString(item.name));
  actions_[item.name] = action;
}

void TFormScribant::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar");
  bar->setSizeGripEnabled(false);
  bar->setFixedHeight(kStatusBarHeight);
  for (int i = 0; i < 4; ++i) {
    statusPanels_[i] = new QLabel(bar);
    statusPanels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
    statusPanels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusPanels_[i]->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    // Panel 0 takes what the three fixed panels leave.
    if (i == 0) {
      statusPanels_[i]->setMinimumWidth(0);
      bar->addWidget(statusPanels_[i], 1);
    } else {
      statusPanels_[i]->setFixedWidth(kNarrowPanelWidth);
      bar->addWidget(statusPanels_[i]);
    }
  }
}

void TFormScribant::UpdateCaption() {
  setWindowTitle(
      QString::fromStdString(CaptionText("%a <%p%f>%m", kUntitled, false, NativePathRule())));
}

void TFormScribant::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TFormScribant::FormResize() {
  const QRect outer = frameGeometry();
  statusBar()->setVisible(showStatusBar_ && outer.height() > 100 && outer.width() > 240);
}
