#include "desktop/XdgFolders.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> AbsoluteVariable(const TEnvironmentLookup& environment,
                                         const std::string& name) {
  std::optional<std::string> value = environment(name);
  if (!value || value->empty()) return std::nullopt;
  fs::path path(*value);
  if (!path.is_absolute()) return std::nullopt;
  return path;
}

fs::path HomeOrCurrent(const TEnvironmentLookup& environment) {
  if (std::optional<fs::path> home = AbsoluteVariable(environment, "HOME")) return *home;
  std::error_code error;
  return fs::current_path(error);
}

}  // namespace

TXdgFolders XdgFoldersFrom(const TEnvironmentLookup& environment) {
  TXdgFolders folders;
  fs::path home = HomeOrCurrent(environment);
  folders.configHome = AbsoluteVariable(environment, "XDG_CONFIG_HOME").value_or(home / ".config");
  folders.dataHome =
      AbsoluteVariable(environment, "XDG_DATA_HOME").value_or(home / ".local" / "share");
  std::string dirs = environment("XDG_DATA_DIRS").value_or("");
  std::size_t start = 0;
  while (start <= dirs.size()) {
    std::size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    fs::path dir(dirs.substr(start, end - start));
    if (dir.is_absolute()) folders.dataDirs.push_back(dir);
    start = end + 1;
  }
  if (folders.dataDirs.empty()) folders.dataDirs = {"/usr/local/share", "/usr/share"};
  return folders;
}

TXdgFolders XdgFoldersFromEnvironment() {
  return XdgFoldersFrom([](const std::string& name) -> std::optional<std::string> {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
  });
}

fs::path ScribantConfigFolder(const TXdgFolders& folders) {
  return folders.configHome / "scribant";
}

fs::path UserApplicationsFolder(const TXdgFolders& folders) {
  return folders.dataHome / "applications";
}
