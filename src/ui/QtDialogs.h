// Dialogs on Qt: message boxes, file, colour, font and list dialogs.
#pragma once

#include <QFont>

#include "platform/Dialogs.h"

class QWidget;

// The font the font dialog opens on: the family the editor really shows for
// the face (a missing face falls back to a fixed-pitch one), so that OK
// without a change keeps what the user sees.
QFont FontDialogStartFont(const TFont& initial);

class QtDialogs : public Dialogs {
 public:
  // `owner` is the default owner of every box (the main window).
  explicit QtDialogs(QWidget* owner) : owner_(owner) {}

  TMsgResult MessageBox(const std::string& text, const std::string& caption, TMsgIcon icon,
                        TMsgButtons buttons) override;
  std::optional<std::string> ExecuteOpen(const TFileDialogRequest& request) override;
  std::optional<std::string> ExecuteSave(const TFileDialogRequest& request) override;
  std::optional<TColor> ChooseColor(TColor initial, std::vector<TColor>& customColors) override;
  std::optional<TFont> ChooseFont(const TFont& initial) override;
  int SelectItem(const std::string& label, const std::vector<std::string>& items,
                 const std::string& caption, int preselected) override;

 private:
  std::optional<std::string> RunFileDialog(const TFileDialogRequest& request, bool save);

  QWidget* owner_;
};
