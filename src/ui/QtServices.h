// The small platform services on Qt: shell, screen and locale.
#pragma once

#include "platform/Locale.h"
#include "platform/Screen.h"
#include "platform/Shell.h"

class QtShell : public Shell {
 public:
  bool OpenDocument(const std::string& pathOrUrl) override;
  bool StartProcess(const std::string& program, const std::vector<std::string>& arguments) override;
  std::string ExecutablePath() const override;
};

class QtScreen : public Screen {
 public:
  int PixelsPerInch() const override;
};

class QtLocale : public Locale {
 public:
  char DecimalSeparator() const override;
  std::string LongDate(int year, int month, int day) const override;
};
