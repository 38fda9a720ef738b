// Modal dialogs the core asks for: message boxes, file, colour, font and
// list-selection dialogs. The Qt layer shows real dialogs; tests script them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Color.h"
#include "platform/Font.h"

enum class TMsgIcon { None, Error, Warning, Information, Question };
enum class TMsgButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoNoToAllYesToAll };
// Closing a box without a button answers Cancel (or No where there is no Cancel).
enum class TMsgResult { Ok, Cancel, Yes, No, NoToAll, YesToAll };

struct TFileDialogRequest {
  std::string filter;      // "description|pattern|...|", ending with "|"
  int filterIndex = 0;     // 1-based; 0 means the first pair
  std::string initialDir;  // empty: the system's choice
  std::string defaultExt;  // without the dot
  std::string title;       // empty: the system's default
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual TMsgResult MessageBox(const std::string& text, const std::string& caption, TMsgIcon icon,
                                TMsgButtons buttons) = 0;
  // The chosen full path, or nothing when cancelled.
  virtual std::optional<std::string> ExecuteOpen(const TFileDialogRequest& request) = 0;
  virtual std::optional<std::string> ExecuteSave(const TFileDialogRequest& request) = 0;
  // Colours are 0x00BBGGRR. `customColors` holds 16 entries, updated on confirm.
  virtual std::optional<TColor> ChooseColor(TColor initial, std::vector<TColor>& customColors) = 0;
  virtual std::optional<TFont> ChooseFont(const TFont& initial) = 0;
  // The selected index, or -1 on cancel or with nothing selected.
  virtual int SelectItem(const std::string& label, const std::vector<std::string>& items,
                         const std::string& caption, int preselected) = 0;
};
