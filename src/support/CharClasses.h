// Byte classes several subsystems share, for code-page text.
#pragma once

// A space or a tab.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// A space or any control character (codes 0 to 32).
constexpr bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// 0-9, A-Z, a-z and the underscore.
constexpr bool IsAsciiIdentifierChar(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// A word character of an editor without a highlighter: the ASCII identifier
// characters and the accented letters of the code page (192 to 255 without
// the multiplication and division signs).
constexpr bool IsDefaultWordChar(unsigned char c) {
  return IsAsciiIdentifierChar(c) || (c >= 192 && c != 215 && c != 247);
}
