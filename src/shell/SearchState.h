// The search state the find/replace window and the main window's search
// commands share. The main window keeps the one instance for the whole run.
#pragma once

#include <cstdint>
#include <string>

#include "tools/FindReplace.h"

struct TSearchState {
  std::string FindString;            // decoded; what Find Next (F3) looks for
  std::string ReplaceString;         // decoded text of the replace box at the last Replace
  TSearchOptions options;            // the check boxes at the last dialog command
  int foundCounter = 0;              // successful searches since the last reset
  std::int64_t replacedCounter = 0;  // replacements of the running replace operation
};
