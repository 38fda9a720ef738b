// The user's locale: the decimal separator and long dates.
#pragma once

#include <string>

class Locale {
 public:
  virtual ~Locale() = default;
  virtual char DecimalSeparator() const = 0;
  // The long date form of a calendar date, e.g. "Tuesday, 8 December 2026".
  virtual std::string LongDate(int year, int month, int day) const = 0;
};
