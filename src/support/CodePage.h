// The system code page is Windows-1252. Documents are bytes; these tables map
// them for case changes, case-insensitive comparison and display.
#pragma once

#include <string>
#include <string_view>

namespace codepage {

// Upper- and lower-case mapping of one byte, accented letters included.
unsigned char ToUpper(unsigned char c);
unsigned char ToLower(unsigned char c);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// Byte-wise comparison with case folding: <0, 0 or >0. Stands in for the
// locale's case-insensitive comparison.
int CompareIgnoreCase(std::string_view a, std::string_view b);
// Byte-wise comparison without folding.
int CompareExact(std::string_view a, std::string_view b);

// The Unicode code point shown for a byte (undefined bytes map to themselves).
char32_t ToUnicode(unsigned char c);
// The byte for a code point, or '?' when the code page lacks it.
unsigned char FromUnicode(char32_t codePoint);

// The code page has no double-byte characters.
inline bool IsLeadByte(unsigned char) {
  return false;
}

}  // namespace codepage
