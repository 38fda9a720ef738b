// Facts about the display the core needs for sizing fonts.
#pragma once

class Screen {
 public:
  virtual ~Screen() = default;
  virtual int PixelsPerInch() const = 0;
};
