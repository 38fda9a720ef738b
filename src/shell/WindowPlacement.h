// Keeping a restored main window usable whatever the settings file holds:
// on a screen, no larger than that screen, and without arithmetic overflow
// for extreme stored values.
#pragma once

#include <vector>

struct TWindowRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The smallest width and height a restored window gets (when the screen is
// at least that large).
inline constexpr int kMinimumWindowExtent = 100;

// `bounds` moved onto the screen whose area holds its centre (the first
// screen, the primary one, when none does) and shrunk to fit that screen's
// area. `screenAreas` lists the usable area of every screen; with none the
// bounds come back unchanged.
TWindowRect FitOnScreens(TWindowRect bounds, const std::vector<TWindowRect>& screenAreas);
