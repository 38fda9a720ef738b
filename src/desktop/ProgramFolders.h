// Where the program keeps and finds its files. Every reader and writer of the
// settings, the search history, styles, keyword lists and the readme asks
// this; nothing else builds those paths.
//
// Portable: the executable's folder holds "Styles" and can be written (a build
// folder, an unpacked archive), so everything stays beside the executable.
// Installed: otherwise. Settings and search history then live in
// $XDG_CONFIG_HOME/scribant/, created on first write; styles and keyword lists
// come from $XDG_DATA_HOME/scribant/ first (the user's own, which win by file
// name) and then from <prefix>/share/scribant/, which also holds the readme
// and change log. <prefix> is the folder above the executable's.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "desktop/XdgFolders.h"
#include "support/Paths.h"

struct TProgramFolders {
  bool portable = false;
  std::filesystem::path configFolder;  // holds the two files below
  std::filesystem::path settingsFile;  // named after the executable, ".ini"
  std::filesystem::path historyFile;   // "config.ini", the find and replace history
  // Folders that may hold "Styles" and "KeyWords", the most important first.
  std::vector<std::filesystem::path> dataFolders;
  std::filesystem::path documentsFolder;  // readme.txt and changelog.txt
};

// Whether files can be created in `folder`; a missing folder counts when it
// could be created.
using TFolderWriteProbe = std::function<bool(const std::filesystem::path& folder)>;

TProgramFolders ProgramFoldersFor(const std::filesystem::path& executable, const TXdgFolders& xdg,
                                  const TFolderWriteProbe& canWrite);

// The executable's path with ".ini" in place of its extension.
std::string SettingsFileFor(const std::string& executablePath, const PathRule& rule);

// Everything in `programFolder`, the settings file named `settingsFileName`.
TProgramFolders PortableFolders(const std::filesystem::path& programFolder,
                                const std::string& settingsFileName);

// The probe for real folders: tries to create (and removes) a file in the
// folder, or in its nearest existing ancestor when the folder is missing. A
// plain file anywhere on the way makes it false. Creates no folder.
bool CanCreateFilesIn(const std::filesystem::path& folder);

// Creates the folder that is to hold `file` when it is missing (the
// configuration folder comes into being on first write); false when it cannot.
bool CreateFolderFor(const std::filesystem::path& file);
