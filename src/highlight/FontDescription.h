// The "Font" value of a style file, e.g. ‹"Courier New" 10 bi›: quoted texts
// and runs between the separators space . , ; / \ - are parts; a short part
// starting with b, i, s or u gives style letters, a part starting with a digit
// the size in points, a part of 5 or more characters the face name.
#pragma once

#include <string>
#include <string_view>

struct TFontDescription {
  static constexpr int kDefaultCharset = 1;
  static constexpr int kMaximumPoints = 1638;  // the largest size a font dialog offers
  static constexpr std::size_t kMaximumFaceLength = 31;

  std::string face = "Tahoma";
  int points = 8;
  int height = 0;  // pixels, negative: a character height as fonts are requested
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charset = kDefaultCharset;

  bool operator==(const TFontDescription&) const = default;
};

// Parses `text`; properties it does not give keep their defaults. The height is
// -(points x pixelsPerInch / 72), rounded.
TFontDescription ParseFontDescription(std::string_view text, int pixelsPerInch);

// The pixel height of a font of `points` on a screen of `pixelsPerInch`.
int FontHeightOf(int points, int pixelsPerInch);
