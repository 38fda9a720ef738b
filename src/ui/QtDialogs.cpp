#include "ui/QtDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "ui/CodePageText.h"
#include "ui/QtCanvas.h"
#include "ui/QtColors.h"
#include "ui/SelectItemDialog.h"

namespace {

const char* const kStandardButtonProperty = "scribantStandardButton";

QMessageBox::Icon ToQtIcon(TMsgIcon icon) {
  switch (icon) {
    case TMsgIcon::Error:
      return QMessageBox::Critical;
    case TMsgIcon::Warning:
      return QMessageBox::Warning;
    case TMsgIcon::Information:
      return QMessageBox::Information;
    case TMsgIcon::Question:
      return QMessageBox::Question;
    case TMsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton escape;
};

ButtonSet ToQtButtons(TMsgButtons buttons) {
  switch (buttons) {
    case TMsgButtons::Ok:
      return {QMessageBox::Ok, QMessageBox::Ok};
    case TMsgButtons::OkCancel:
      return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
    case TMsgButtons::YesNo:
      return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    case TMsgButtons::YesNoCancel:
      return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel};
    case TMsgButtons::YesNoNoToAllYesToAll:
      break;  // AddButtonsInOrder
  }
  return {QMessageBox::Ok, QMessageBox::Ok};
}

TMsgResult FromQtButton(int button) {
  switch (button) {
    case QMessageBox::Ok:
      return TMsgResult::Ok;
    case QMessageBox::Yes:
      return TMsgResult::Yes;
    case QMessageBox::No:
      return TMsgResult::No;
    case QMessageBox::NoToAll:
      return TMsgResult::NoToAll;
    case QMessageBox::YesToAll:
      return TMsgResult::YesToAll;
    default:
      return TMsgResult::Cancel;
  }
}

// "desc|*.a;*.b|..." becomes Qt's "desc (*.a *.b)" entries; "*.*" means every file.
QStringList ToQtFilters(const std::string& filter) {
  const QStringList parts = FromCoreText(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    patterns.replace("*.*", "*");
    filters << parts[i] + " (" + patterns + ")";
  }
  return filters;
}

// Qt arranges standard buttons by role, which would put Yes to All second:
// buttons of one role keep the order they were added in. Escape answers No
// to All, which stops without replacing.
void AddButtonsInOrder(QMessageBox& box) {
  const std::pair<QMessageBox::StandardButton, const char*> buttons[] = {
      {QMessageBox::Yes, "&Yes"},
      {QMessageBox::No, "&No"},
      {QMessageBox::NoToAll, "N&o to All"},
      {QMessageBox::YesToAll, "Yes to &All"}};
  for (const auto& [standard, text] : buttons) {
    QPushButton* button = box.addButton(text, QMessageBox::ActionRole);
    button->setProperty(kStandardButtonProperty, static_cast<int>(standard));
    if (standard == QMessageBox::NoToAll) box.setEscapeButton(button);
    if (standard == QMessageBox::Yes) box.setDefaultButton(button);
  }
}

// Qt's label breaks lines only at blanks: a long search text or path would be
// cut at the screen's edge. A zero-width space every so many characters of a
// run without blanks gives it places to break.
QString WrappableText(const QString& text) {
  constexpr int kLongestRun = 60;
  QString result;
  result.reserve(text.size() + text.size() / kLongestRun);
  int run = 0;
  for (const QChar c : text) {
    run = c.isSpace() ? 0 : run + 1;
    if (run > kLongestRun) {
      result += QChar(0x200B);
      run = 1;
    }
    result += c;
  }
  return result;
}

}  // namespace

TMsgResult QtDialogs::MessageBox(const std::string& text, const std::string& caption, TMsgIcon icon,
                                 TMsgButtons buttons) {
  QMessageBox box(ToQtIcon(icon), FromCoreText(caption), WrappableText(FromCoreText(text)),
                  QMessageBox::NoButton, owner_);
  if (buttons == TMsgButtons::YesNoNoToAllYesToAll) {
    AddButtonsInOrder(box);
    box.exec();
    return box.clickedButton()
               ? FromQtButton(box.clickedButton()->property(kStandardButtonProperty).toInt())
               : TMsgResult::Cancel;
  }
  const ButtonSet set = ToQtButtons(buttons);
  box.setStandardButtons(set.buttons);
  box.setEscapeButton(set.escape);
  return FromQtButton(box.exec());
}

std::optional<std::string> QtDialogs::RunFileDialog(const TFileDialogRequest& request, bool save) {
  QFileDialog dialog(owner_, FromCoreText(request.title), FromCoreText(request.initialDir));
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const QStringList filters = ToQtFilters(request.filter);
  dialog.setNameFilters(filters);
  const int index = request.filterIndex > 0 ? request.filterIndex - 1 : 0;
  if (index < filters.size()) dialog.selectNameFilter(filters[index]);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.defaultExt.empty()) dialog.setDefaultSuffix(FromCoreText(request.defaultExt));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtDialogs::ExecuteOpen(const TFileDialogRequest& request) {
  return RunFileDialog(request, false);
}

std::optional<std::string> QtDialogs::ExecuteSave(const TFileDialogRequest& request) {
  return RunFileDialog(request, true);
}

std::optional<TColor> QtDialogs::ChooseColor(TColor initial, std::vector<TColor>& customColors) {
  const int count =
      std::min<int>(QColorDialog::customCount(), static_cast<int>(customColors.size()));
  for (int i = 0; i < count; ++i) QColorDialog::setCustomColor(i, ToQColor(customColors[i]));
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), owner_, "Choose Color");
  if (!chosen.isValid()) return std::nullopt;
  for (int i = 0; i < count; ++i) customColors[i] = FromQColor(QColorDialog::customColor(i));
  return FromQColor(chosen);
}

QFont FontDialogStartFont(const TFont& initial) {
  TFont byPoints = initial;
  byPoints.height = 0;
  QFont font = QFontOf(byPoints);
  font.setFamily(QFontInfo(font).family());
  return font;
}

std::optional<TFont> QtDialogs::ChooseFont(const TFont& initial) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, FontDialogStartFont(initial), owner_);
  if (!ok) return std::nullopt;
  TFont result = initial;
  result.name = chosen.family().toStdString();
  result.size = chosen.pointSize();
  result.style = (chosen.bold() ? fsBold : 0u) | (chosen.italic() ? fsItalic : 0u) |
                 (chosen.underline() ? fsUnderline : 0u) | (chosen.strikeOut() ? fsStrikeOut : 0u);
  return result;
}

int QtDialogs::SelectItem(const std::string& label, const std::vector<std::string>& items,
                          const std::string& caption, int preselected) {
  QStringList texts;
  for (const std::string& item : items) texts << FromCoreText(item);
  return RunSelectItemDialog(owner_, FromCoreText(label), texts, FromCoreText(caption),
                             preselected);
}
