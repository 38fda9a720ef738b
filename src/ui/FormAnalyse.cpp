#include "ui/FormAnalyse.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "editor/CustomScribEdit.h"
#include "platform/Clipboard.h"
#include "platform/Locale.h"
#include "support/Utf8.h"
#include "ui/CodePageText.h"
#include "ui/DialogUnits.h"
#include "ui/KeyPreview.h"
#include "ui/QtColors.h"

namespace {

constexpr int kFontPixelHeight = 11;
constexpr int kStatsItemHeight = kFontPixelHeight + 5;
constexpr int kClientWidth = 330;
constexpr int kClientHeight = static_cast<int>(kStatsRowCount) * kStatsItemHeight + 100;
constexpr int kTextMargin = 4;
constexpr int kLabelRole = Qt::UserRole;
constexpr int kByteValueRole = Qt::UserRole;

// Draws one statistics row: the label on the left, the value right-aligned,
// or a rule across the row for a separator.
class TStatsItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QRect row = option.rect;
    const int right = row.left() + row.width();
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(row, ToQColor(selected ? kStatsSelectedBackground : kStatsBackground));
    const QString label = index.data(kLabelRole).toString();
    if (label == "-") {
      const int middle = row.top() + row.height() / 2;
      painter->setPen(ToQColor(kStatsSeparatorLine));
      painter->drawLine(kTextMargin, middle, right - kTextMargin, middle);
    } else {
      painter->setFont(option.font);
      painter->setPen(ToQColor(kStatsLabelText));
      const QFontMetrics metrics(option.font);
      const int baseline = row.top() + 1 + metrics.ascent();
      const QString value = index.data(Qt::DisplayRole).toString();
      painter->drawText(kTextMargin, baseline, label);
      painter->drawText(right - metrics.horizontalAdvance(value) - kTextMargin, baseline, value);
    }
    painter->restore();
  }

  // The list box gives every row the whole width of the list.
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {1, kStatsItemHeight};
  }
};

// The character table's columns, in the order of TCharRow's texts.
struct TCharColumn {
  const char* caption;
  int width;
  Qt::Alignment align;
};
const TCharColumn kCharColumns[] = {
    {"Dec", 40, Qt::AlignLeft | Qt::AlignVCenter},
    {"Hex", 48, Qt::AlignHCenter | Qt::AlignVCenter},
    {"Chr", 40, Qt::AlignHCenter | Qt::AlignVCenter},
    {"Count", 78, Qt::AlignRight | Qt::AlignVCenter},
    {"%", 75, Qt::AlignRight | Qt::AlignVCenter},
};
constexpr int kCharColumnCount = static_cast<int>(std::size(kCharColumns));

}  // namespace

TFormAnalyse::TFormAnalyse(QWidget* owner, TCustomScribEdit& editor, Clipboard& clipboard,
                           const Locale& locale)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      editor_(editor),
      clipboard_(clipboard),
      locale_(locale) {
  setObjectName("FormAnalyse");
  QFont font("Tahoma");
  font.setPixelSize(kFontPixelHeight);
  setFont(font);
  resize(kClientWidth, kClientHeight);
  BuildControls();
  InstallKeyPreview(this, [this](const QKeyEvent& key) { return FormKeyDown(key); });
  FormCreate();
  CentreOnScreen(this, owner);
}

void TFormAnalyse::BuildControls() {
  mainPageCtrl_ = new QTabWidget(this);
  mainPageCtrl_->setObjectName("Main_PageCtrl");
  mainPageCtrl_->addTab(BuildStatsSheet(), "Statistics");
  mainPageCtrl_->addTab(BuildCharsSheet(), "Characters");

  analyseCombo_ = new QComboBox(this);
  analyseCombo_->setObjectName("Analyse_Combo");
  for (std::string_view item : kAnalyseSourceItems) analyseCombo_->addItem(FromCoreText(item));
  connect(analyseCombo_, &QComboBox::activated, this, &TFormAnalyse::Analyse_Combo_Change);

  // Default and cancel at once: Enter and Esc both close the window.
  closeBtn_ = new QPushButton("&Close", this);
  closeBtn_->setObjectName("Close_Btn");
  closeBtn_->setFixedSize(75, 25);
  closeBtn_->setDefault(true);
  connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(analyseCombo_, 1);
  bottom->addWidget(closeBtn_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);
  layout->addWidget(mainPageCtrl_, 1);
  layout->addLayout(bottom);
}

QWidget* TFormAnalyse::BuildStatsSheet() {
  statsSheet_ = new QWidget;
  statsSheet_->setObjectName("Stats_Sheet");
  statsSheet_->installEventFilter(this);
  statsListBox_ = new QListWidget(statsSheet_);
  statsListBox_->setObjectName("Stats_ListBox");
  statsListBox_->setUniformItemSizes(true);
  statsListBox_->setItemDelegate(new TStatsItemDelegate(statsListBox_));
  statsListBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* layout = new QVBoxLayout(statsSheet_);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(statsListBox_);
  return statsSheet_;
}

QWidget* TFormAnalyse::BuildCharsSheet() {
  auto* sheet = new QWidget;
  sheet->setObjectName("Chars_Sheet");
  charsListView_ = new QTreeWidget(sheet);
  charsListView_->setObjectName("Chars_ListView");
  charsListView_->setRootIsDecorated(false);
  charsListView_->setUniformRowHeights(true);
  charsListView_->setAllColumnsShowFocus(true);
  charsListView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  charsListView_->setSelectionMode(QAbstractItemView::SingleSelection);
  charsListView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  charsListView_->setColumnCount(kCharColumnCount);
  QTreeWidgetItem* header = charsListView_->headerItem();
  for (int column = 0; column < kCharColumnCount; ++column) {
    header->setText(column, FromCoreText(kCharColumns[column].caption));
    header->setTextAlignment(column, kCharColumns[column].align);
    charsListView_->setColumnWidth(column, kCharColumns[column].width);
  }
  charsListView_->header()->setStretchLastSection(false);
  charsListView_->header()->setSectionsMovable(false);
  charsListView_->header()->setSectionsClickable(true);
  connect(charsListView_->header(), &QHeaderView::sectionClicked, this,
          &TFormAnalyse::Chars_ListView_ColumnClick);
  auto* layout = new QVBoxLayout(sheet);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(charsListView_);
  return sheet;
}

void TFormAnalyse::FormCreate() {
  analyseCombo_->setCurrentIndex(0);
  Analyse_Combo_Change();
}

bool TFormAnalyse::FormKeyDown(const QKeyEvent& key) {
  const bool altQ = key.key() == Qt::Key_Q && (key.modifiers() & Qt::AltModifier);
  if (key.key() != Qt::Key_F7 && !altQ) return false;
  reject();
  return true;
}

void TFormAnalyse::Analyse_Combo_Change() {
  const int source = analyseCombo_->currentIndex();
  const TTextStatistics statistics =
      AnalyseText(SourceText(source), IsUtf8(editor_.Lines().Encoding()));
  ShowStatistics(statistics);
  charRows_ = CharacterRows(statistics, locale_.DecimalSeparator());
  charSort_.Sort(charRows_);
  FillCharsListView();
  if (statistics.utf8) WidenCodePointColumns();
  setWindowTitle(FromCoreText(AnalyseCaption(kAnalyseSourceItems[source])));
}

std::string TFormAnalyse::SourceText(int sourceIndex) const {
  switch (sourceIndex) {
    case 1:
      return editor_.SelText();
    case 2:
      if (!clipboard_.HasText()) return std::string();
      // The clipboard's UTF-8 as the document would take it.
      return IsUtf8(editor_.Lines().Encoding()) ? clipboard_.GetText()
                                                : utf8::ToWindows1252(clipboard_.GetText());
    default:
      return editor_.Text();
  }
}

void TFormAnalyse::ShowStatistics(const TTextStatistics& statistics) {
  statsListBox_->clear();
  for (const TStatsRow& row : StatisticsRows(statistics)) {
    auto* item = new QListWidgetItem(FromCoreText(row.value), statsListBox_);
    item->setData(kLabelRole, FromCoreText(row.label));
  }
}

void TFormAnalyse::Stats_Sheet_Resize() {
  // The values are right-aligned, so every row changes with the width.
  statsListBox_->viewport()->update();
}

void TFormAnalyse::Chars_ListView_ColumnClick(int columnIndex) {
  charSort_.ColumnClick(columnIndex);
  charSort_.Sort(charRows_);
  FillCharsListView();
}

void TFormAnalyse::FillCharsListView() {
  const QTreeWidgetItem* current = charsListView_->currentItem();
  const int selectedValue = current ? current->data(0, kByteValueRole).toInt() : -1;
  charsListView_->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(charRows_.size()));
  QTreeWidgetItem* selected = nullptr;
  for (const TCharRow& row : charRows_) {
    auto* item = new QTreeWidgetItem(QStringList{FromCoreText(row.dec), FromCoreText(row.hex),
                                                 FromCoreText(row.chr), FromCoreText(row.countText),
                                                 FromCoreText(row.percentText)});
    item->setData(0, kByteValueRole, row.value);
    for (int column = 0; column < kCharColumnCount; ++column)
      item->setTextAlignment(column, kCharColumns[column].align);
    if (row.value == selectedValue) selected = item;
    items.append(item);
  }
  charsListView_->addTopLevelItems(items);
  if (selected) charsListView_->setCurrentItem(selected);
}

void TFormAnalyse::WidenCodePointColumns() {
  // Code points and their U+ forms are longer than the bytes the columns
  // were made for; a column only grows, so a width the user chose stays.
  for (int column : {0, 1}) {  // Dec and Hex
    const int width = charsListView_->columnWidth(column);
    charsListView_->resizeColumnToContents(column);
    charsListView_->setColumnWidth(column, std::max(width, charsListView_->columnWidth(column)));
  }
}

bool TFormAnalyse::eventFilter(QObject* watched, QEvent* event) {
  if (watched == statsSheet_ && event->type() == QEvent::Resize) Stats_Sheet_Resize();
  return QDialog::eventFilter(watched, event);
}

void AnalyseText_Cmd(QWidget* owner, TCustomScribEdit& editor, Clipboard& clipboard,
                     const Locale& locale) {
  TFormAnalyse dialog(owner, editor, clipboard, locale);
  dialog.exec();
}
