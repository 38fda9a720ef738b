// The per-user folders of the freedesktop base-directory rules. Only absolute
// values from the environment count; relative ones are ignored as the rules say.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TXdgFolders {
  std::filesystem::path configHome;             // settings: mimeapps.list, our store
  std::filesystem::path dataHome;               // applications/, mime/
  std::vector<std::filesystem::path> dataDirs;  // read-only system data (mime database)
};

// Looks a variable up; nothing when it is unset.
using TEnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

TXdgFolders XdgFoldersFrom(const TEnvironmentLookup& environment);
TXdgFolders XdgFoldersFromEnvironment();

// The program's own configuration folder, which holds the registry store.
std::filesystem::path ScribantConfigFolder(const TXdgFolders& folders);
// The user's applications folder, where desktop entries go.
std::filesystem::path UserApplicationsFolder(const TXdgFolders& folders);
