// Conversions between code-page bytes and Qt's Unicode strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QString FromCodePage(std::string_view bytes);
std::string ToCodePage(const QString& text);
