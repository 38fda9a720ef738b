#include "tools/ColorPickMath.h"

const std::array<TColor, 7> kHueAnchors = {
    MakeColor(255, 0, 0), MakeColor(255, 255, 0), MakeColor(0, 255, 0), MakeColor(0, 255, 255),
    MakeColor(0, 0, 255), MakeColor(255, 0, 255), MakeColor(255, 0, 0)};

TColor BlendColors(TColor a, TColor b, int f) {
  auto channel = [f](int from, int to) { return from + (to - from) * f / 255; };
  return MakeColor(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)),
                   channel(BlueOf(a), BlueOf(b)));
}

TColor GradientPixel(int x, int y, int height, TColor base) {
  int segment = x * 6 / kGradientWidth;
  int within = (x % 35) * 255 / 35;
  TColor hue = BlendColors(kHueAnchors[segment], kHueAnchors[segment + 1], within);
  int fade = height > 1 ? y * 255 / (height - 1) : 0;
  return BlendColors(hue, base, fade);
}

std::vector<TColor> GradientPixels(TColor base) {
  std::vector<TColor> pixels;
  pixels.reserve(kGradientWidth * kGradientHeight);
  for (int y = 0; y < kGradientHeight; ++y)
    for (int x = 0; x < kGradientWidth; ++x)
      pixels.push_back(GradientPixel(x, y, kGradientHeight, base));
  return pixels;
}

TColor BlendStripColor(TColor a, TColor b, int x, int width) {
  return BlendColors(a, b, width > 0 ? x * 255 / width : 0);
}

std::vector<TColor> BlendStripColumns(TColor a, TColor b, int width) {
  std::vector<TColor> columns;
  for (int x = 0; x < width; ++x) columns.push_back(BlendStripColor(a, b, x, width));
  return columns;
}
