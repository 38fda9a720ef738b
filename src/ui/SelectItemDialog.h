// A small modal list-selection dialog: a label, a list and OK / Cancel.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The selected index, or -1 on Cancel, on close or with nothing selected.
// An empty caption shows "Please Select an Item".
int RunSelectItemDialog(QWidget* owner, const QString& label, const QStringList& items,
                        const QString& caption, int preselected);
