// The freedesktop side of a file association, all of it in the user's own
// folders: a desktop entry in the user's applications folder and the
// "Default Applications" entries of the user's mimeapps.list (set through
// xdg-mime when it is installed, else written directly). What Register
// replaced is remembered in the program's configuration folder so that
// Unregister can give it back; system-wide files are only ever read.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "desktop/DesktopAssociation.h"
#include "desktop/XdgFolders.h"

class TXdgDesktopAssociation : public TDesktopAssociation {
 public:
  TXdgDesktopAssociation(TXdgFolders folders, TCommandRunner& runner);

  void Register(const std::string& executablePath,
                const std::vector<std::string>& extensions) override;
  void Unregister() override;

  static const std::string kDesktopId;  // the desktop entry's file name
  std::filesystem::path DesktopFile() const;
  std::filesystem::path MimeAppsFile() const;

 private:
  // One MIME type we made ours, and the default it had before (if any).
  struct Replaced {
    std::string mimeType;
    std::optional<std::string> previous;
  };
  struct State {
    std::vector<Replaced> replaced;
    bool snapshotTaken = false;  // the first Register saved mimeapps.list as it was
  };

  std::filesystem::path StateFolder() const;
  State LoadState() const;
  bool SaveState(const State& state) const;
  void SnapshotMimeApps(const std::optional<std::string>& original) const;
  void SetDefaults(const std::vector<std::string>& mimeTypes);
  void RestoreDefaults(const State& state) const;

  TXdgFolders folders_;
  TCommandRunner& runner_;
};

// The desktop entry's text for the executable and MIME types.
std::string DesktopEntryText(const std::string& executablePath,
                             const std::vector<std::string>& mimeTypes);
