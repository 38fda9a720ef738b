#include "ui/SelectItemDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

int RunSelectItemDialog(QWidget* owner, const QString& label, const QStringList& items,
                        const QString& caption, int preselected) {
  QDialog dialog(owner);
  dialog.setObjectName("SelectItemDialog");
  dialog.setWindowTitle(caption.isEmpty() ? QString("Please Select an Item") : caption);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(label, &dialog));
  auto* list = new QListWidget(&dialog);
  list->addItems(items);
  if (preselected >= 0 && preselected < list->count()) list->setCurrentRow(preselected);
  layout->addWidget(list);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton("&OK", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(320, 200);
  if (dialog.exec() != QDialog::Accepted) return -1;
  return list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
}
