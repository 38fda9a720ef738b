// Conversions between the core's byte strings and Qt's Unicode strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

// Text from the core for showing: file names and UTF-8 documents give UTF-8,
// Windows-1252 documents their code page; bytes that are not well-formed
// UTF-8 are read as Windows-1252.
QString FromCoreText(std::string_view bytes);
// Text for the core in the legacy code page; a character it lacks becomes "?".
std::string ToCodePage(const QString& text);
