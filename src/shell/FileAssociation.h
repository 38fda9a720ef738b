// Associating file extensions with the program: the registry layout under the
// classes root (ProgID "ScribantFile"), the desktop's side through a
// TDesktopAssociation, and the clean-up with its status report.
#pragma once

#include <string>
#include <vector>

#include "desktop/DesktopAssociation.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"

inline const std::string kScribantProgId = "ScribantFile";
inline const std::string kAssociationIcon = "%SystemRoot%\\system32\\shell32.dll,-152";
// What the Default button puts into the extension field.
inline const std::string kDefaultExtensionList = "txt, nfo, log, lst";
inline const std::string kCleanupStatusCaption = "Cleanup Status";

// The field's text without outer blanks, split at every run of ',', ';' and ' '.
std::vector<std::string> ParseExtensionList(const std::string& text);

// The open command: the executable's path and %1, each in double quotes.
std::string AssociationCommand(const std::string& executablePath);

// Writes the ProgID keys and points every extension's key at it. Extensions
// that cannot be a single key name (a "\" inside) are skipped. Failures are silent.
void AssociateInRegistry(Registry& registry, const std::string& executablePath,
                         const std::vector<std::string>& extensions);

// Deletes every ".ext" key whose default value is the ProgID and the ProgID
// itself; returns the names actually deleted, each followed by CR LF.
std::string CleanRegistry(Registry& registry);

// The text of the "Cleanup Status" box for a report of CleanRegistry.
std::string CleanupStatusText(const std::string& report);

// What the Association page's Associate and Clean buttons do.
class TFileAssociation {
 public:
  // `desktop` may be null where the registry alone associates files.
  TFileAssociation(Registry& registry, TDesktopAssociation* desktop, std::string executablePath);

  void Associate(const std::string& extensionListText);
  // Cleans both sides and shows the "Cleanup Status" box.
  void Clean(Dialogs& dialogs);

 private:
  Registry& registry_;
  TDesktopAssociation* desktop_;
  std::string executablePath_;
};
