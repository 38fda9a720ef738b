#include "ui/FormScribant.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "desktop/ProgramFolders.h"
#include "desktop/XdgDesktopAssociation.h"
#include "desktop/XdgFolders.h"
#include "editor/CustomScribEdit.h"
#include "highlight/StyleFolders.h"
#include "shell/AboutInfo.h"
#include "shell/AppSettings.h"
#include "shell/CalcSelection.h"
#include "shell/MainMenu.h"
#include "shell/RecentFiles.h"
#include "shell/ScribantShell.h"
#include "shell/SearchCommands.h"
#include "shell/WindowPlacement.h"
#include "support/OvFile.h"
#include "ui/AboutBox.h"
#include "ui/ClipboardMonitorDialog.h"
#include "ui/CodePageText.h"
#include "ui/FormAnalyse.h"
#include "ui/FormColorPick.h"
#include "ui/FormConfig.h"
#include "ui/FormFunc.h"
#include "ui/QtCommandRunner.h"
#include "ui/ScribEdit.h"
#include "ui/SearchWindows.h"

namespace {

constexpr int kStatusBarHeight = 17;
constexpr int kNarrowPanelWidth = 80;
constexpr int kFormatPanelWidth = 150;

TProgramFolders FoldersOfThisProgram() {
  return ProgramFoldersFor(QCoreApplication::applicationFilePath().toStdString(),
                           XdgFoldersFromEnvironment(), CanCreateFilesIn);
}

// The window title Qt shows as the caption itself: an empty title would show
// the program's name instead, and "[*]" is Qt's modified-flag placeholder
// unless doubled.
QString TitleShowing(QString caption) {
  if (caption.isEmpty()) return QString(QChar(0x200B));
  return caption.replace("[*]", "[*][*]");
}

// The usable area of every screen, the primary one first.
std::vector<TWindowRect> ScreenAreas() {
  std::vector<TWindowRect> areas;
  const QScreen* primary = QGuiApplication::primaryScreen();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    const TWindowRect rect{area.x(), area.y(), area.width(), area.height()};
    areas.insert(screen == primary ? areas.begin() : areas.end(), rect);
  }
  return areas;
}

}  // namespace

TFormScribant::TFormScribant(std::string firstArgument, QWidget* parent, Shell* desktop)
    : QMainWindow(parent),
      firstArgument_(std::move(firstArgument)),
      desktop_(desktop ? *desktop : qtDesktop_),
      registry_(TFileRegistry::StoreFileIn(ScribantConfigFolder(XdgFoldersFromEnvironment()))),
      codeEdit_(new TScribEdit(this)),
      editor_(&codeEdit_->Editor()) {
  setObjectName("FormScribant");
  QFont formFont("Tahoma");
  formFont.setPointSize(8);
  setFont(formFont);
  resize(642, 281);

  codeEdit_->setObjectName("Code_Edit");
  setCentralWidget(codeEdit_);
  codeEdit_->setFocus();

  shell_ = std::make_unique<TScribantShell>(*editor_, highlighter_,
                                            TShellServices{dialogs_, clipboard_, desktop_, screen_},
                                            FoldersOfThisProgram());
  searchWindows_ = std::make_unique<TSearchWindows>(
      this, *editor_, shell_->SearchState(), dialogs_, shell_->Folders().historyFile.string(),
      [this] { return shell_->Settings().maxListCount; });

  BuildMenu();
  BuildStatusBar();
  FormCreate();
}

TFormScribant::~TFormScribant() {
  searchWindows_.reset();
  shell_.reset();
  // The editor refers to the highlighter, a member: it must go first.
  delete codeEdit_;
}

void TFormScribant::FormCreate() {
  shell_->OnCaption = [this](const std::string& caption) {
    setWindowTitle(TitleShowing(FromCoreText(caption)));
  };
  shell_->OnStatusPanel = [this](int panel, const std::string& text) {
    statusPanels_[panel]->setText(FromCoreText(text));
  };
  shell_->OnStatusMessage = [this](const std::string& text) {
    constexpr int kShownMs = 8000;
    statusBar()->showMessage(FromCoreText(text), kShownMs);
  };
  shell_->CloseVisibleToolWindow = [this] { return searchWindows_->CloseVisibleToolWindow(); };
  shell_->CloseMainWindow = [this] { close(); };

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  shell_->FormCreate(screen.width(), screen.height());
  const TAppSettings& settings = shell_->Settings();
  const TWindowRect bounds =
      FitOnScreens({settings.left, settings.top, settings.width, settings.height}, ScreenAreas());
  resize(bounds.width, bounds.height);
  move(bounds.left, bounds.top);
}

void TFormScribant::ShowAsSaved() {
  switch (static_cast<TWindowState>(shell_->Settings().state)) {
    case TWindowState::Maximized:
      showMaximized();
      break;
    case TWindowState::Minimized:
      showMinimized();
      break;
    default:
      show();
      break;
  }
}

TCustomScribEdit& TFormScribant::Editor() {
  return *editor_;
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
    if (menuDef.name == "Search1") {
      connect(menu, &QMenu::aboutToShow, this, &TFormScribant::Search_Popup);
      // Qt drops the shortcuts of disabled actions: F3 must outlive the menu.
      connect(menu, &QMenu::aboutToHide, this,
              [this] { MenuAction("FindNext1")->setEnabled(true); });
    }
  }
  ConnectMenu();
}

void TFormScribant::AddMenuItem(QMenu* menu, const TMenuItemDef& item) {
  if (item.caption == "-") {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromStdString(item.name));
    actions_[item.name] = separator;
    return;
  }
  QAction* action;
  if (!item.children.empty()) {
    QMenu* submenu = menu->addMenu(QString::fromStdString(item.caption));
    submenu->setObjectName(QString::fromStdString(item.name));
    for (const TMenuItemDef& child : item.children) AddMenuItem(submenu, child);
    action = submenu->menuAction();
    if (item.name == "RecentFiles1") {
      recentMenu_ = submenu;
      connect(submenu, &QMenu::aboutToShow, this, &TFormScribant::RecentFiles_Popup);
    }
  } else {
    action = menu->addAction(QString::fromStdString(item.caption));
    if (!item.shortcut.empty())
      action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
  }
  action->setObjectName(QString::fromStdString(item.name));
  actions_[item.name] = action;
}

void TFormScribant::OnMenu(const std::string& itemName, std::function<void()> handler) {
  connect(MenuAction(itemName), &QAction::triggered, this,
          [handler = std::move(handler)] { handler(); });
}

void TFormScribant::ConnectMenu() {
  TScribantShell& shell = *shell_;
  TSearchWindows& search = *searchWindows_;
  OnMenu("New1", [&shell] { shell.New_Cmd(); });
  OnMenu("Open1", [&shell] { shell.Open_Cmd(); });
  OnMenu("RemoveObsoleteFiles1", [&shell] { shell.RemoveObsoleteFiles_Cmd(); });
  OnMenu("ClearRecentList1", [&shell] { shell.ClearRecentList_Cmd(); });
  OnMenu("Save1", [&shell] { shell.SaveDocument(false); });
  OnMenu("SaveAs1", [&shell] { shell.SaveDocument(true); });
  OnMenu("ReloadFile1", [&shell] { shell.Reload_Cmd(); });
  for (const auto& [name, encoding] :
       {std::pair{"Utf81", TTextEncoding::Utf8}, std::pair{"Utf8Bom1", TTextEncoding::Utf8Bom},
        std::pair{"Windows12521", TTextEncoding::Windows1252}}) {
    OnMenu(std::string("Reopen") + name,
           [&shell, encoding] { shell.ReopenWithEncoding_Cmd(encoding); });
    OnMenu(std::string("Convert") + name,
           [&shell, encoding] { shell.ConvertEncoding_Cmd(encoding); });
  }
  OnMenu("ExecuteFile1", [&shell] { shell.ExecuteFile_Click(); });
  OnMenu("NewInstance1", [this] {
    StoreWindowPlacement();
    shell_->NewInstance_Cmd();
  });
  OnMenu("Close1", [this] { close(); });
  OnMenu("ModifyCase1", [&shell] { shell.ModifyCase_Click(); });
  OnMenu("CenterWithSpaces1", [&shell] { shell.CenterWithSpaces_Click(); });
  OnMenu("ToggleComments1", [&shell] { shell.ToggleComments_Click(); });
  OnMenu("ClipboardMonitor1", [this] { ClipboardMonitor_Click(); });
  OnMenu("Find1", [&search] { search.Find_Cmd(); });
  OnMenu("FindNext1", [&search] { search.FindNext_Cmd(); });
  OnMenu("FindMatchingBracket1", [&shell] { shell.FindMatchingBracket_Cmd(); });
  OnMenu("Goto1", [&search] { search.Goto_Cmd(); });
  OnMenu("SectionList1", [&search] { search.SectionList_Click(); });
  OnMenu("TextAnalyse1", [this] { AnalyseText_Cmd(this, *editor_, clipboard_, locale_); });
  OnMenu("MiscFunc1", [this] { MiscFunc_Cmd(this, *editor_, dialogs_); });
  OnMenu("CalcSel1", [this] { CalcSel_Cmd(*editor_, locale_.DecimalSeparator()); });
  OnMenu("ColorPicker1", [this] { ColorPicker_Cmd(); });
  OnMenu("Config1", [this] { Config_Cmd(); });
  OnMenu("SaveSettingsNow1", [this] {
    StoreWindowPlacement();
    shell_->SaveSettings();
  });
  OnMenu("About1", [this] { About_Cmd(); });
}

void TFormScribant::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar");
  bar->setSizeGripEnabled(false);
  bar->setFixedHeight(kStatusBarHeight);
  for (int i = 0; i < 5; ++i) {
    statusPanels_[i] = new QLabel(bar);
    statusPanels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
    statusPanels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusPanels_[i]->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    // Panel 0 takes what the three fixed panels leave.
    if (i == 0) {
      statusPanels_[i]->setMinimumWidth(0);
      bar->addWidget(statusPanels_[i], 1);
    } else {
      statusPanels_[i]->setFixedWidth(
          i == TScribantShell::kDocumentFormatPanel ? kFormatPanelWidth : kNarrowPanelWidth);
      bar->addWidget(statusPanels_[i]);
    }
  }
}

void TFormScribant::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  shell_->FormShow(firstArgument_);
}

void TFormScribant::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TFormScribant::FormResize() {
  const QRect outer = frameGeometry();
  statusBar()->setVisible(shell_->Settings().showStatusBar && outer.height() > 100 &&
                          outer.width() > 240);
}

void TFormScribant::StoreWindowPlacement() {
  TAppSettings& settings = shell_->Settings();
  settings.state = static_cast<int>(isMaximized()   ? TWindowState::Maximized
                                    : isMinimized() ? TWindowState::Minimized
                                                    : TWindowState::Normal);
  // The frame's position and the inner size, as move() and resize() take them
  // back: a frame size stored here would grow the window at every start.
  const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
  const QPoint frameOffset = geometry().topLeft() - pos();
  settings.left = normal.left() - frameOffset.x();
  settings.top = normal.top() - frameOffset.y();
  settings.width = normal.width();
  settings.height = normal.height();
}

void TFormScribant::closeEvent(QCloseEvent* event) {
  StoreWindowPlacement();
  if (!shell_->FormCloseQuery()) {
    event->ignore();
    return;
  }
  searchWindows_->DestroyFindReplace();
  event->accept();
}

void TFormScribant::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !shown_ || !isActiveWindow()) return;
  // Later, from the main loop: a reload must never replace the text under a
  // command whose dialog is still open.
  QTimer::singleShot(0, this, [this] {
    if (isActiveWindow() && QApplication::activeModalWidget() == nullptr) shell_->FormActivate();
  });
}

void TFormScribant::RecentFiles_Popup() {
  // Generated items stand above the separator that leads the fixed ones.
  QAction* separator = MenuAction("N5");
  for (QAction* action : recentMenu_->actions()) {
    if (action == separator) break;
    recentMenu_->removeAction(action);
    action->deleteLater();
  }
  const auto items = RecentMenuItems(shell_->Settings().recentList, shell_->FileName(),
                                     [](const std::string& path) { return IsFile(path); });
  for (const TRecentMenuItem& item : items) {
    auto* action = new QAction(FromCoreText(item.caption), recentMenu_);
    action->setEnabled(item.enabled);
    const int tag = item.tag;
    connect(action, &QAction::triggered, this, [this, tag] { shell_->OpenRecentFile_Cmd(tag); });
    recentMenu_->insertAction(separator, action);
  }
}

void TFormScribant::Search_Popup() {
  MenuAction("FindNext1")->setEnabled(searchWindows_->FindNextEnabled());
}

void TFormScribant::ClipboardMonitor_Click() {
  TClipboardMonitorDialog monitor(this, clipboard_, [this](const std::string& text) {
    if (const std::optional<std::string> insertable = editor_->DocumentTextOf(text))
      editor_->SetSelText(*insertable);
  });
  monitor.exec();
}

void TFormScribant::About_Cmd() {
  ShowAboutBox(this, kBuildDateCode, "Scribant", shell_->Folders().documentsFolder, desktop_,
               locale_);
}

void TFormScribant::ColorPicker_Cmd() {
  const std::int64_t selStart = editor_->SelStart();
  std::optional<char> before;
  if (selStart > 0) {
    const TBufferCoord previous = editor_->CharIndexToRowCol(selStart - 1);
    const std::string_view line = editor_->Lines().Get(previous.Line - 1);
    before = previous.Char <= static_cast<int>(line.size()) ? line[previous.Char - 1] : '\n';
  }
  if (auto replacement =
          PickColorForSelection(this, registry_, shell_->Random(), editor_->SelText(), before))
    editor_->SetSelText(*replacement);
}

void TFormScribant::Config_Cmd() {
  TConfigSettings settings = shell_->ConfigSettings();
  QtCommandRunner runner;
  TXdgDesktopAssociation desktop(XdgFoldersFromEnvironment(), runner);
  TFileAssociation association(registry_, &desktop,
                               QCoreApplication::applicationFilePath().toStdString());
  TFormConfigEnvironment environment{
      dialogs_,
      registry_,
      association,
      {highlighter_.GetLanguageName()},
      TStyleFolders(shell_->Folders().dataFolders).KeyWordListNames(),
      [&](const TApplyEffects& effects) {
        shell_->ApplyConfigSettings(settings, effects);
        FormResize();
      },
      [&] { shell_->ApplyConfigAppearance(settings); }};
  ShowFormConfig(this, settings, environment);
}
