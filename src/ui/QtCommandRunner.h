// Runs the desktop's helper programs (xdg-mime) for the file association.
// Programs get an argument list, never a command line, so nothing in an
// argument is ever read by a shell.
#pragma once

#include "desktop/DesktopAssociation.h"

class QtCommandRunner : public TCommandRunner {
 public:
  // A helper that has not finished after `timeoutMs` is killed.
  explicit QtCommandRunner(int timeoutMs = 30000) : timeoutMs_(timeoutMs) {}

  std::optional<std::filesystem::path> Find(const std::string& program) const override;
  // The exit code; -1 when the program did not start, crashed or was killed
  // for taking too long, so that a failure is never taken for success.
  int Run(const std::filesystem::path& program, const std::vector<std::string>& arguments) override;

 private:
  int timeoutMs_;
};
