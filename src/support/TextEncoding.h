// The encodings a document can have. UTF-8 is the default; Windows-1252 is
// the legacy 8-bit code page, for files whose bytes are not UTF-8.
#pragma once

#include <string>
#include <string_view>

enum class TTextEncoding { Utf8, Utf8Bom, Windows1252 };

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

inline bool IsUtf8(TTextEncoding encoding) {
  return encoding != TTextEncoding::Windows1252;
}

// The name the status bar and the menus show.
inline std::string EncodingName(TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::Utf8:
      return "UTF-8";
    case TTextEncoding::Utf8Bom:
      return "UTF-8 BOM";
    case TTextEncoding::Windows1252:
      break;
  }
  return "Windows-1252";
}
