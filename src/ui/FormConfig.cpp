// Building the pages of TFormConfig and filling them; the handlers are in
// FormConfigHandlers.cpp.
#include "ui/FormConfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/CodePageText.h"
#include "ui/QtColors.h"

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QCheckBox* AddCheck(QBoxLayout* layout, const char* name, const char* text) {
  auto* check = Named(new QCheckBox(text), name);
  layout->addWidget(check);
  return check;
}

QPushButton* NewButton(const char* name, const char* text) {
  return Named(new QPushButton(text), name);
}

QComboBox* NewFixedList(const char* name, const std::vector<std::string>& items) {
  auto* combo = Named(new QComboBox, name);
  for (const std::string& item : items) combo->addItem(FromCoreText(item));
  return combo;
}

// A narrow edit for a number or a few characters.
QLineEdit* NewShortEdit(const char* name) {
  auto* edit = Named(new QLineEdit, name);
  edit->setFixedWidth(60);
  return edit;
}

// Shows the start of a long text such as the non-identifier characters.
void SetText(QLineEdit* edit, const std::string& text) {
  edit->setText(FromCoreText(text));
  edit->setCursorPosition(0);
}

std::string TextOf(const QLineEdit* edit) {
  return ToCodePage(edit->text());
}

}  // namespace

TConfigColourPanel::TConfigColourPanel(QWidget* parent, int tag,
                                       std::function<void(int, TMouseButton)> pressed)
    : QLabel(parent), tag_(tag), pressed_(std::move(pressed)) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setMinimumSize(120, 24);
}

void TConfigColourPanel::Show(const TColourPanelView& view) {
  // "No colour" counts as black, as it does for the text colour; system
  // colours show what they stand for now.
  TColor shown = view.colour & 0xFFFFFF;
  if (view.colour == clNone)
    shown = 0;
  else if (view.colour & kSystemColourFlag)
    shown = ResolveSystemColour(view.colour);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ToQColor(shown));
  colours.setColor(QPalette::WindowText, ToQColor(view.textColour));
  setPalette(colours);
  setText(FromCoreText(view.text));
}

void TConfigColourPanel::ShowNothing() {
  setPalette(QPalette());
  clear();
}

void TConfigColourPanel::mousePressEvent(QMouseEvent* event) {
  switch (event->button()) {
    case Qt::LeftButton:
      pressed_(tag_, TMouseButton::Left);
      break;
    case Qt::RightButton:
      pressed_(tag_, TMouseButton::Right);
      break;
    default:
      pressed_(tag_, TMouseButton::Middle);
      break;
  }
}

TFormConfig::TFormConfig(QWidget* owner, TConfigSettings& settings,
                         const TFormConfigEnvironment& environment)
    : QDialog(owner),
      settings_(settings),
      environment_(environment),
      controls_(FillControls(settings, environment.highlighterNames, environment.keyWordListNames)),
      colourDialog_(environment.dialogs, environment.registry) {
  setObjectName("FormConfig");
  setWindowTitle(FromCoreText(kConfigCaption));
  QFont formFont("Tahoma");
  formFont.setPointSize(8);
  setFont(formFont);

  pages_ = Named(new QTabWidget, "Pages");
  // Every page's tab stays in view; the dialog grows to hold them.
  pages_->setUsesScrollButtons(false);
  pages_->addTab(BuildMainPage(), "Main");
  pages_->addTab(BuildAssociationPage(), "Association");
  pages_->addTab(BuildEditorPage(), "Editor");
  pages_->addTab(BuildHighlightingPage(), "Highlighting");
  pages_->addTab(BuildGeneralFormatPage(), "General Format");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  BuildButtons();
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FillFromControls();
  pages_->setCurrentIndex(0);
  connect(pages_, &QTabWidget::currentChanged, this, &TFormConfig::Pages_Change);
}

QWidget* TFormConfig::BuildMainPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  statusBar_ = AddCheck(layout, "StatusBar_Chk", "Show status bar with caret and selection info");
  escapeQuits_ = AddCheck(layout, "EscapeQuits_Chk", "Escape quits the editor");
  wordWrap_ = AddCheck(layout, "WordWrap_Chk", "Enable word wrap [Ctrl + W]");
  gutter_ = AddCheck(layout, "Gutter_Chk", "Show gutter with line numbers");
  auto* form = new QFormLayout;
  maxRecentEntries_ = NewShortEdit("MaxRecentEntries_Edit");
  form->addRow("Max Recent Entries:", maxRecentEntries_);
  captionFormat_ = NewFixedList("CaptionFormat_Combo", controls_.captionFormatItems);
  captionFormat_->setEditable(true);
  captionFormat_->setInsertPolicy(QComboBox::NoInsert);
  auto* help = NewButton("CaptionFormatHlp_Btn", "?");
  help->setFixedWidth(24);
  connect(help, &QPushButton::clicked, this, &TFormConfig::CaptionFormatHlp_Btn_Click);
  auto* captionRow = new QHBoxLayout;
  captionRow->addWidget(captionFormat_, 1);
  captionRow->addWidget(help);
  form->addRow("Caption Format:", captionRow);
  layout->addLayout(form);
  layout->addStretch();
  return page;
}

QWidget* TFormConfig::BuildAssociationPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel("File Type Extionsions:"));
  fileExt_ = Named(new QLineEdit, "FileExt_Edit");
  layout->addWidget(fileExt_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* defaults = NewButton("Default_Btn", "&Default");
  auto* clean = NewButton("Clean_Btn", "C&lean");
  auto* associate = NewButton("Associate_Btn", "A&ssociate");
  connect(defaults, &QPushButton::clicked, this, &TFormConfig::Default_Btn_Click);
  connect(clean, &QPushButton::clicked, this, &TFormConfig::Clean_Btn_Click);
  connect(associate, &QPushButton::clicked, this, &TFormConfig::Associate_Btn_Click);
  buttons->addWidget(defaults);
  buttons->addWidget(clean);
  buttons->addWidget(associate);
  layout->addLayout(buttons);
  layout->addStretch();
  return page;
}

QWidget* TFormConfig::BuildEditorPage() {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  font_ = Named(new QLineEdit, "Font_Edit");
  font_->setReadOnly(true);
  auto* fontButton = NewButton("Font_Btn", "...");
  fontButton->setFixedWidth(28);
  connect(fontButton, &QPushButton::clicked, this, &TFormConfig::Font_Btn_Click);
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(font_, 1);
  fontRow->addWidget(fontButton);
  form->addRow("Editor Font:", fontRow);
  rightEdge_ = NewShortEdit("RightEdge_Edit");
  form->addRow("Right Edge Margin:", rightEdge_);
  tabWidth_ = NewShortEdit("TabWidth_Edit");
  form->addRow("Tab Width:", tabWidth_);
  highlighter_ = NewFixedList("Hilighter_Combo", controls_.highlighterItems);
  form->addRow("Highlighter:", highlighter_);
  cmtChars_ = NewShortEdit("CmtChars_Edit");
  form->addRow("Comment Chars:", cmtChars_);
  preprocessorChr_ = NewShortEdit("PreprocessorChr_Edit");
  form->addRow("Preprocessor Char:", preprocessorChr_);
  return page;
}

QWidget* TFormConfig::BuildHighlightingPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  colorList_ = Named(new QListWidget, "Color_List");
  colorList_->setFixedWidth(140);
  connect(colorList_, &QListWidget::currentRowChanged, this, &TFormConfig::Color_List_Click);
  layout->addWidget(colorList_);
  auto* right = new QVBoxLayout;
  auto pressed = [this](int tag, TMouseButton button) { ColourPanel_MouseDown(tag, button); };
  backCol_ = Named(new TConfigColourPanel(page, kBackgroundPanelTag, pressed), "BackCol_Panel");
  foreCol_ = Named(new TConfigColourPanel(page, kForegroundPanelTag, pressed), "ForeCol_Panel");
  auto* colours = new QFormLayout;
  colours->addRow("Background:", backCol_);
  colours->addRow("Foreground:", foreCol_);
  right->addLayout(colours);
  const char* names[] = {"Bold_Chk", "Italic_Chk", "Underline_Chk", "Strikeout_Chk"};
  const char* texts[] = {"Bold", "Italic", "Underline", "Strikeout"};
  for (std::size_t i = 0; i < styleChecks_.size(); ++i) {
    styleChecks_[i] = AddCheck(right, names[i], texts[i]);
    connect(styleChecks_[i], &QCheckBox::clicked, this, &TFormConfig::Style_Chk_Click);
  }
  right->addStretch();
  layout->addLayout(right, 1);
  return page;
}

QWidget* TFormConfig::BuildGeneralFormatPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel("Comment Styles:"));
  cmtStyles_ = Named(new QListWidget, "CmtStyles_ChkList");
  cmtStyles_->setFixedWidth(110);
  for (const std::string& style : kCommentStyleItems) {
    auto* item = new QListWidgetItem(FromCoreText(style), cmtStyles_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
  }
  left->addWidget(cmtStyles_);
  layout->addLayout(left);

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel("Non Identifier Characters:"));
  chars_ = Named(new QLineEdit, "Chars_Edit");
  right->addWidget(chars_);
  right->addWidget(new QLabel("String Delimiters:"));
  strDelim_ =
      NewFixedList("StrDelim_Combo", {kStringDelimiterItems.begin(), kStringDelimiterItems.end()});
  right->addWidget(strDelim_);
  right->addWidget(new QLabel("Keyword List to Use:"));
  keyWordList_ = NewFixedList("KeyWordList_Combo", controls_.keyWordListItems);
  right->addWidget(keyWordList_);
  caseKeyWords_ = AddCheck(right, "CaseKeyWords_Chk", "Case Sensative Key Words");
  right->addStretch();
  layout->addLayout(right, 1);
  return page;
}

void TFormConfig::BuildButtons() {
  auto* row = new QHBoxLayout;
  row->addStretch();
  auto* ok = NewButton("Ok_Btn", "&OK");
  ok->setDefault(true);
  auto* cancel = NewButton("Cancel_Btn", "&Cancel");
  auto* apply = NewButton("Apply_Btn", "&Apply");
  connect(ok, &QPushButton::clicked, this, [this] {
    OkApply_Cmd();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(apply, &QPushButton::clicked, this, &TFormConfig::OkApply_Cmd);
  row->addWidget(ok);
  row->addWidget(cancel);
  row->addWidget(apply);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void TFormConfig::FillFromControls() {
  captionFormat_->setEditText(FromCoreText(controls_.captionFormat));
  statusBar_->setChecked(controls_.statusBar);
  escapeQuits_->setChecked(controls_.escapeQuits);
  wordWrap_->setChecked(controls_.wordWrap);
  gutter_->setChecked(controls_.gutter);
  SetText(maxRecentEntries_, controls_.maxRecentEntries);
  SetText(font_, controls_.font);
  SetText(rightEdge_, controls_.rightEdge);
  SetText(tabWidth_, controls_.tabWidth);
  SetText(cmtChars_, controls_.commentChars);
  SetText(preprocessorChr_, controls_.preprocessorChar);
  highlighter_->setCurrentIndex(controls_.highlighterIndex);
  for (int i = 0; i < cmtStyles_->count(); ++i)
    cmtStyles_->item(i)->setCheckState(
        controls_.commentStyles[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
  strDelim_->setCurrentIndex(controls_.stringDelimiterIndex);
  caseKeyWords_->setChecked(controls_.caseKeyWords);
  keyWordList_->setCurrentIndex(controls_.keyWordListIndex);
  SetText(chars_, controls_.nonIdentifierChars);
}

TConfigControls TFormConfig::ReadControls() const {
  TConfigControls controls = controls_;
  controls.statusBar = statusBar_->isChecked();
  controls.escapeQuits = escapeQuits_->isChecked();
  controls.wordWrap = wordWrap_->isChecked();
  controls.gutter = gutter_->isChecked();
  controls.maxRecentEntries = TextOf(maxRecentEntries_);
  controls.captionFormat = ToCodePage(captionFormat_->currentText());
  controls.fileExtensions = TextOf(fileExt_);
  controls.rightEdge = TextOf(rightEdge_);
  controls.tabWidth = TextOf(tabWidth_);
  controls.highlighterIndex = highlighter_->currentIndex();
  controls.commentChars = TextOf(cmtChars_);
  controls.preprocessorChar = TextOf(preprocessorChr_);
  for (int i = 0; i < cmtStyles_->count(); ++i)
    controls.commentStyles[static_cast<std::size_t>(i)] =
        cmtStyles_->item(i)->checkState() == Qt::Checked;
  controls.nonIdentifierChars = TextOf(chars_);
  controls.stringDelimiterIndex = strDelim_->currentIndex();
  controls.keyWordListIndex = keyWordList_->currentIndex();
  controls.caseKeyWords = caseKeyWords_->isChecked();
  return controls;
}

int ShowFormConfig(QWidget* owner, TConfigSettings& settings,
                   const TFormConfigEnvironment& environment) {
  TFormConfig form(owner, settings, environment);
  return form.exec();
}
