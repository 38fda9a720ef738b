// The search state the find/replace window and the main window's search
// commands share. The main window keeps the one instance for the whole run.
#pragma once

#include <cstdint>
#include <string>

#include "tools/FindReplace.h"

struct TSearchState {
  // As typed, in UTF-8, escapes decoded; each search takes them in the
  // document's encoding.
  std::string FindString;            // what Find Next (F3) looks for
  std::string ReplaceString;         // the replace box at the last Replace
  TSearchOptions options;            // the check boxes at the last dialog command
  int foundCounter = 0;              // successful searches since the last reset
  std::int64_t replacedCounter = 0;  // replacements of the running replace operation
};
