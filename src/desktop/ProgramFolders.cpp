#include "desktop/ProgramFolders.h"

#include <chrono>
#include <fstream>

#include "support/Paths.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramName = "scribant";
constexpr const char* kHistoryFileName = "config.ini";

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

// The folder itself when it exists, else the nearest ancestor that does;
// nothing when that is not a folder.
std::optional<fs::path> NearestExistingFolder(fs::path folder) {
  std::error_code error;
  while (!fs::exists(fs::symlink_status(folder, error))) {
    if (!folder.has_relative_path()) return std::nullopt;
    folder = folder.parent_path();
  }
  if (!IsFolder(folder)) return std::nullopt;
  return folder;
}

}  // namespace

TProgramFolders ProgramFoldersFor(const fs::path& executable, const TXdgFolders& xdg,
                                  const TFolderWriteProbe& canWrite) {
  const fs::path programFolder = executable.parent_path();
  const std::string settingsName = SettingsFileFor(executable.filename().string(), PosixPathRule);
  if (IsFolder(programFolder / "Styles") && canWrite(programFolder))
    return PortableFolders(programFolder, settingsName);

  const fs::path shared = programFolder.parent_path() / "share" / kProgramName;
  TProgramFolders folders;
  folders.portable = false;
  folders.configFolder = xdg.configHome / kProgramName;
  folders.settingsFile = folders.configFolder / settingsName;
  folders.historyFile = folders.configFolder / kHistoryFileName;
  folders.dataFolders = {xdg.dataHome / kProgramName, shared};
  folders.documentsFolder = shared;
  return folders;
}

TProgramFolders PortableFolders(const fs::path& programFolder,
                                const std::string& settingsFileName) {
  TProgramFolders folders;
  folders.portable = true;
  folders.configFolder = programFolder;
  folders.settingsFile = programFolder / settingsFileName;
  folders.historyFile = programFolder / kHistoryFileName;
  folders.dataFolders = {programFolder};
  folders.documentsFolder = programFolder;
  return folders;
}

std::string SettingsFileFor(const std::string& executablePath, const PathRule& rule) {
  const std::size_t dot = executablePath.rfind('.');
  const bool dotInFileName =
      dot != std::string::npos &&
      executablePath.find_first_of(rule.directorySeparators, dot) == std::string::npos;
  return (dotInFileName ? executablePath.substr(0, dot) : executablePath) + ".ini";
}

bool CanCreateFilesIn(const fs::path& folder) {
  const std::optional<fs::path> existing = NearestExistingFolder(folder);
  if (!existing) return false;
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const fs::path probe = *existing / (".scribant-probe-" + std::to_string(stamp));
  const bool created = std::ofstream(probe).good();
  std::error_code error;
  fs::remove(probe, error);
  return created;
}

bool CreateFolderFor(const fs::path& file) {
  std::error_code error;
  fs::create_directories(file.parent_path(), error);
  return IsFolder(file.parent_path());
}
