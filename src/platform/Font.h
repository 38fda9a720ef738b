// The one font value: face, size and style, as style files give it, the
// editor keeps it, the font dialog edits it and the canvas draws with it.
#pragma once

#include <cstdint>
#include <string>

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// A set of TFontStyle bits.
using TFontStyles = std::uint8_t;
inline constexpr TFontStyles kAllFontStyles = fsBold | fsItalic | fsUnderline | fsStrikeOut;

struct TFont {
  std::string name = "Courier New";
  int size = 10;     // points
  int height = -13;  // pixels, negative: a character height as fonts are requested; 0: from size
  TFontStyles style = 0;

  bool operator==(const TFont&) const = default;
};
