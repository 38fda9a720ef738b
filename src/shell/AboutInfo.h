// What the About box shows: the build date and the program's links.
#pragma once

#include <string>

#include "platform/Locale.h"

// The build date the main window passes to the About box, coded 0xYYMMDD.
constexpr int kBuildDateCode = 0x0E0201;

// Short form "YY.MM.DD"; long form the date 20YY-MM-DD in the locale's long
// date format. A code that is no valid date gives "".
std::string FormatBuildDate(int code, bool shortForm, const Locale& locale);
