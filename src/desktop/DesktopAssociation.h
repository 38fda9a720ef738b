// The desktop's side of a file association. A registry entry alone opens
// nothing on a freedesktop system, so Associate and Clean also drive one of
// these; a Windows build needs none (the registry is the association there).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class TDesktopAssociation {
 public:
  virtual ~TDesktopAssociation() = default;
  // Makes the program the user's default for the extensions (without dots).
  // Repeated calls add to what earlier calls registered.
  virtual void Register(const std::string& executablePath,
                        const std::vector<std::string>& extensions) = 0;
  // Removes exactly what Register added and gives back the defaults it replaced.
  virtual void Unregister() = 0;
};

// Runs helper programs of the desktop (xdg-mime). The Qt layer implements it;
// tests script it.
class TCommandRunner {
 public:
  virtual ~TCommandRunner() = default;
  // The program's full path on the search path, or nothing.
  virtual std::optional<std::filesystem::path> Find(const std::string& program) const = 0;
  // Runs the program with an argument list and waits: its exit code, -1 when it did not start.
  virtual int Run(const std::filesystem::path& program,
                  const std::vector<std::string>& arguments) = 0;
};
