// Starting other programs and opening documents with the desktop.
#pragma once

#include <string>
#include <vector>

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document or link with its associated program; false on failure.
  virtual bool OpenDocument(const std::string& pathOrUrl) = 0;
  // Starts a program with an argument list (never a command line); false on failure.
  virtual bool StartProcess(const std::string& program,
                            const std::vector<std::string>& arguments) = 0;
  // The running executable's full path.
  virtual std::string ExecutablePath() const = 0;
};
