// A locale with a fixed decimal separator and a day-month-year long date.
#pragma once

#include <string>

#include "platform/Locale.h"

class FakeLocale : public Locale {
 public:
  explicit FakeLocale(char decimalSeparator = '.') : decimalSeparator_(decimalSeparator) {}
  char DecimalSeparator() const override { return decimalSeparator_; }
  std::string LongDate(int year, int month, int day) const override {
    return std::to_string(day) + "-" + std::to_string(month) + "-" + std::to_string(year);
  }

 private:
  char decimalSeparator_;
};
