// What the document knows of its file on disk: the stamp it had when the
// document last loaded or saved it, and the last outside change already
// offered for reload, so each change is offered once.
#pragma once

#include <string>

#include "support/OvFile.h"

class TDiskWatch {
 public:
  // After a load or a save: what is on disk now is the document's own.
  void Remember(const std::string& path);
  // An untitled document watches nothing.
  void Forget();
  // True when the file exists and is not what the document loaded or saved.
  bool ChangedOutside(const std::string& path) const;
  // True once for each new outside change: the caller offers a reload.
  bool TakeNewOutsideChange(const std::string& path);

 private:
  bool IsOutsideChange(const TFileStamp& now) const;

  TFileStamp known_;
  TFileStamp offered_;
};
