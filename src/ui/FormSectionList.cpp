#include "ui/FormSectionList.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "editor/CustomScribEdit.h"
#include "ui/QtColors.h"

namespace {

constexpr int kClientWidth = 700;
constexpr int kClientHeight = 310;
constexpr int kFontPixelHeight = 11;
constexpr int kItemHeight = kFontPixelHeight + 5;
constexpr int kDividerX = 50;
constexpr int kNumberX = 4;
constexpr int kTextX = 60;
constexpr int kRuleGap = 4;
constexpr int kMarkerRole = Qt::UserRole;
constexpr int kTargetLineRole = Qt::UserRole + 1;

// Paints each item as the list has always looked: the target line number,
// a divider, and the name; the two markers in bold over a grey rule.
class TSectionItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    namespace colors = section_list_colors;
    const QRect item = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const int bottom = item.top() + item.height();
    painter->save();
    painter->fillRect(item, ToQColor(selected ? colors::kSelected : colors::kBackground));
    painter->setPen(ToQColor(colors::kDivider));
    painter->drawLine(kDividerX, item.top(), kDividerX, bottom);

    QFont font = option.font;
    painter->setFont(font);
    painter->setPen(ToQColor(colors::kLineNumber));
    const QString number =
        QString::fromStdString(SectionLineNumberText(index.data(kTargetLineRole).toLongLong()));
    painter->drawText(QRect(kNumberX, item.top() + 1, kDividerX - kNumberX, item.height() - 1),
                      Qt::AlignLeft | Qt::AlignTop, number);

    const bool marker = index.data(kMarkerRole).toInt() != static_cast<int>(TSectionMarker::Name);
    const QString text = index.data(Qt::DisplayRole).toString();
    font.setBold(marker);
    if (marker) {
      // The rule stops short of the text on both sides instead of striking it.
      const int textEnd = kTextX + QFontMetrics(font).horizontalAdvance(text);
      const int ruleY = bottom - item.height() / 2;
      const int right = option.widget ? option.widget->width() : item.right();
      const QColor rule = ToQColor(colors::kMarkerRule);
      painter->fillRect(QRect(QPoint(kDividerX, ruleY), QPoint(kTextX - kRuleGap, ruleY)), rule);
      if (textEnd + kRuleGap < right)
        painter->fillRect(QRect(QPoint(textEnd + kRuleGap, ruleY), QPoint(right, ruleY)), rule);
    }
    painter->setFont(font);
    painter->setPen(ToQColor(colors::kText));
    painter->drawText(QRect(kTextX, item.top() + 1, item.right() - kTextX, item.height() - 1),
                      Qt::AlignLeft | Qt::AlignTop, text);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {option.rect.width(), kItemHeight};
  }
};

}  // namespace

TFormSectionList::TFormSectionList(QWidget* owner, TCustomScribEdit& editor)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      editor_(editor),
      namesListBox_(new QListWidget(this)) {
  setObjectName("FormSectionList");
  setWindowTitle("Section List");
  resize(kClientWidth, kClientHeight);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(namesListBox_);

  namesListBox_->setObjectName("Names_ListBox");
  QFont font("Tahoma");
  font.setPixelSize(kFontPixelHeight);
  namesListBox_->setFont(font);
  namesListBox_->setUniformItemSizes(true);
  namesListBox_->setItemDelegate(new TSectionItemDelegate(namesListBox_));
  QPalette palette = namesListBox_->palette();
  palette.setColor(QPalette::Base, ToQColor(section_list_colors::kBackground));
  palette.setColor(QPalette::Text, ToQColor(section_list_colors::kText));
  namesListBox_->setPalette(palette);
  // The window sees Enter and Esc before the list does.
  namesListBox_->installEventFilter(this);
  connect(namesListBox_, &QListWidget::itemDoubleClicked, this,
          &TFormSectionList::Names_ListBox_DblClick);
}

void TFormSectionList::SectionList_Click() {
  if (isVisible()) {
    close();
    return;
  }
  show();
  raise();
  activateWindow();
}

void TFormSectionList::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;  // restored by the window system, not shown anew
  if (!placed_) CentreOnOwner();
  FormShow();
}

void TFormSectionList::FormShow() {
  const TScribEditStringList& lines = editor_.Lines();
  items_ = BuildSectionList(
      lines.Count(),
      [&lines](std::int64_t lineIndex) -> std::string_view {
        return lines.Get(static_cast<int>(lineIndex));
      },
      lines.CellRules().utf8);
  namesListBox_->clear();
  for (const TSectionItem& section : items_) {
    auto* item =
        new QListWidgetItem(QString::fromStdString(editor_.Utf8Of(section.text)), namesListBox_);
    item->setData(kMarkerRole, static_cast<int>(section.marker));
    item->setData(kTargetLineRole, static_cast<qlonglong>(section.targetLine));
  }
  namesListBox_->setCurrentRow(static_cast<int>(NearestSectionItem(items_, editor_.CaretY())));
  namesListBox_->setFocus();
}

bool TFormSectionList::FormKeyDown(int qtKey) {
  if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) {
    Names_ListBox_DblClick();
    return true;
  }
  if (qtKey == Qt::Key_Escape) {
    close();
    return true;
  }
  return false;
}

void TFormSectionList::Names_ListBox_DblClick() {
  const int row = namesListBox_->currentRow();
  if (row < 0 || row >= static_cast<int>(items_.size()) || !namesListBox_->item(row)->isSelected())
    return;
  editor_.SetCaretX(1);
  editor_.SetCaretY(static_cast<int>(items_[row].targetLine));
  close();
}

bool TFormSectionList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == namesListBox_ && event->type() == QEvent::KeyPress &&
      FormKeyDown(static_cast<QKeyEvent*>(event)->key()))
    return true;
  return QWidget::eventFilter(watched, event);
}

void TFormSectionList::keyPressEvent(QKeyEvent* event) {
  if (!FormKeyDown(event->key())) QWidget::keyPressEvent(event);
}

void TFormSectionList::CentreOnOwner() {
  placed_ = true;
  if (const QWidget* owner = parentWidget())
    move(owner->frameGeometry().center() - rect().center());
}
