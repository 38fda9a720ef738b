#include "shell/WindowPlacement.h"

#include <algorithm>
#include <cstdint>

namespace {

// Wide enough for the sum of any two int values.
using Wide = std::int64_t;

bool Holds(const TWindowRect& area, Wide x, Wide y) {
  return x >= area.left && x < Wide{area.left} + area.width && y >= area.top &&
         y < Wide{area.top} + area.height;
}

// Fits one extent into [start, start + available).
void FitExtent(int& position, int& extent, int start, int available) {
  const Wide least = std::min<Wide>(kMinimumWindowExtent, available);
  extent = static_cast<int>(std::clamp<Wide>(extent, least, available));
  position = static_cast<int>(std::clamp<Wide>(position, start, Wide{start} + available - extent));
}

}  // namespace

TWindowRect FitOnScreens(TWindowRect bounds, const std::vector<TWindowRect>& screenAreas) {
  if (screenAreas.empty()) return bounds;
  const Wide centreX = Wide{bounds.left} + bounds.width / 2;
  const Wide centreY = Wide{bounds.top} + bounds.height / 2;
  auto screen = std::find_if(screenAreas.begin(), screenAreas.end(), [&](const TWindowRect& area) {
    return Holds(area, centreX, centreY);
  });
  const TWindowRect& area = screen != screenAreas.end() ? *screen : screenAreas.front();
  FitExtent(bounds.left, bounds.width, area.left, std::max(area.width, 1));
  FitExtent(bounds.top, bounds.height, area.top, std::max(area.height, 1));
  return bounds;
}
