// Colour arithmetic of the colour picker. Colours are 0x00BBGGRR (red in the
// low byte); colour codes in text are RRGGBB, hence SwapRB between the two.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/Color.h"

inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr int kGradientWidth = 210;
inline constexpr int kGradientHeight = 179;
inline constexpr int kBlendWidth = 377;
inline constexpr int kBlendHeight = 22;

constexpr TColor MakeColor(int red, int green, int blue) {
  return static_cast<TColor>(red & 0xFF) | static_cast<TColor>(green & 0xFF) << 8 |
         static_cast<TColor>(blue & 0xFF) << 16;
}
constexpr int RedOf(TColor c) {
  return c & 0xFF;
}
constexpr int GreenOf(TColor c) {
  return (c >> 8) & 0xFF;
}
constexpr int BlueOf(TColor c) {
  return (c >> 16) & 0xFF;
}

// Exchanges the low and high bytes; the top byte becomes 0.
constexpr TColor SwapRB(TColor c) {
  return MakeColor(BlueOf(c), GreenOf(c), RedOf(c));
}

// Per channel a + (b - a) * f / 255, truncated toward zero; f from 0 to 255.
TColor BlendColors(TColor a, TColor b, int f);

// Red, yellow, green, cyan, blue, magenta and red again.
extern const std::array<TColor, 7> kHueAnchors;

// The gradient image: pure hues along the top row fading to `base` at the
// bottom row. `x` from 0 to kGradientWidth - 1.
TColor GradientPixel(int x, int y, int height, TColor base);
// All of it, row by row.
std::vector<TColor> GradientPixels(TColor base);

// The column `x` of a blend strip `width` wide from `a` to `b`.
TColor BlendStripColor(TColor a, TColor b, int x, int width);
// The whole strip, one colour per column.
std::vector<TColor> BlendStripColumns(TColor a, TColor b, int width);
