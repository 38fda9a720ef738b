#include "shell/DiskWatch.h"

void TDiskWatch::Remember(const std::string& path) {
  known_ = FileStampOf(path);
  offered_ = {};
}

void TDiskWatch::Forget() {
  known_ = {};
  offered_ = {};
}

bool TDiskWatch::ChangedOutside(const std::string& path) const {
  return IsOutsideChange(FileStampOf(path));
}

bool TDiskWatch::TakeNewOutsideChange(const std::string& path) {
  const TFileStamp now = FileStampOf(path);
  if (!IsOutsideChange(now) || now == offered_) return false;
  offered_ = now;
  return true;
}

bool TDiskWatch::IsOutsideChange(const TFileStamp& now) const {
  return known_.exists && now.exists && now != known_;
}
