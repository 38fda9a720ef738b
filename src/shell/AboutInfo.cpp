#include "shell/AboutInfo.h"

#include <chrono>
#include <cstdio>

std::string FormatBuildDate(int code, bool shortForm, const Locale& locale) {
  const int year = (code >> 16) & 0xFF;
  const int month = (code >> 8) & 0xFF;
  const int day = code & 0xFF;
  const std::chrono::year_month_day date{std::chrono::year{2000 + year},
                                         std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  if (code < 0 || code > 0xFFFFFF || !date.ok()) return "";
  if (!shortForm) return locale.LongDate(2000 + year, month, day);
  char text[16];
  std::snprintf(text, sizeof text, "%.2d.%.2d.%.2d", year, month, day);
  return text;
}
