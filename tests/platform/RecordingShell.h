// A desktop that opens and starts nothing, only notes what it was asked to.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Shell.h"

class RecordingShell : public Shell {
 public:
  std::vector<std::string> opened;
  std::vector<std::string> started;
  std::function<void()> onStart;  // runs as a process starts
  bool OpenDocument(const std::string& target) override {
    opened.push_back(target);
    return true;
  }
  bool StartProcess(const std::string& program, const std::vector<std::string>&) override {
    if (onStart) onStart();
    started.push_back(program);
    return true;
  }
  std::string ExecutablePath() const override { return "/opt/scribant/scribant"; }
};
