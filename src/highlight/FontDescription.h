// The "Font" value of a style file, e.g. ‹"Courier New" 10 bi›: quoted texts
// and runs between the separators space . , ; / \ - are parts; a short part
// starting with b, i, s or u gives style letters, a part starting with a digit
// the size in points, a part of 5 or more characters the face name.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/Font.h"

// The largest size a font dialog offers and the longest face name kept.
inline constexpr int kMaximumFontPoints = 1638;
inline constexpr std::size_t kMaximumFontFaceLength = 31;

// Parses `text`; properties it does not give are those of 8-point "Tahoma".
// The height is -(points x pixelsPerInch / 72), rounded.
TFont ParseFontDescription(std::string_view text, int pixelsPerInch);

// The pixel height of a font of `points` on a screen of `pixelsPerInch`.
int FontHeightOf(int points, int pixelsPerInch);
