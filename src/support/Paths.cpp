#include "support/Paths.h"

const PathRule WindowsPathRule{"\\", ":", true};
const PathRule PosixPathRule{"/", "", false};

const PathRule& NativePathRule() {
#ifdef _WIN32
  return WindowsPathRule;
#else
  return PosixPathRule;
#endif
}

namespace {

// Index just past the last directory or drive separator (0 when there is none).
std::size_t FolderLength(const std::string& path, const PathRule& rule) {
  const std::size_t last = path.find_last_of(rule.directorySeparators + rule.driveSeparators);
  return last == std::string::npos ? 0 : last + 1;
}

bool IsSeparator(char c, const PathRule& rule) {
  return (rule.directorySeparators + rule.driveSeparators).find(c) != std::string::npos;
}

}  // namespace

std::string FolderWithSeparator(const std::string& path, const PathRule& rule) {
  return path.substr(0, FolderLength(path, rule));
}

std::string FolderWithoutSeparator(const std::string& path, const PathRule& rule) {
  std::string folder = FolderWithSeparator(path, rule);
  // A root ("C:\", "/", "\\") keeps its separator: only a separator that
  // follows a name is dropped.
  if (folder.size() > 1 && rule.directorySeparators.find(folder.back()) != std::string::npos &&
      !IsSeparator(folder[folder.size() - 2], rule)) {
    folder.pop_back();
  }
  return folder;
}

std::string FilePart(const std::string& path, const PathRule& rule) {
  return path.substr(FolderLength(path, rule));
}

std::string ExtensionOf(const std::string& path, const PathRule& rule) {
  const std::string name = FilePart(path, rule);
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}
