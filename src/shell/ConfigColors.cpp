#include "shell/ConfigColors.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace {

struct NamedColour {
  std::uint32_t value;
  const char* name;
};

constexpr std::array<NamedColour, 16> kBasicColours = {{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
}};

// Index i is the system colour 0x80000000 + i.
constexpr std::array<const char*, 25> kSystemColourNames = {
    "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
    "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
    "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
    "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
    "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
    "clInfoBk"};

}  // namespace

std::optional<std::string> ColourName(TColor colour) {
  for (const NamedColour& entry : kBasicColours)
    if (entry.value == colour) return entry.name;
  if (colour >= kSystemColourFlag && colour - kSystemColourFlag < kSystemColourNames.size())
    return kSystemColourNames[colour - kSystemColourFlag];
  return std::nullopt;
}

std::string ColourPanelText(TColor colour) {
  if (std::optional<std::string> name = ColourName(colour)) return *name;
  char text[16];
  std::snprintf(text, sizeof text, "0x%.6x", static_cast<unsigned>(colour));
  return text;
}

TColor ContrastingTextColour(TColor colour, const TSystemColourResolver& resolve) {
  TColor rgb = 0;
  if (colour == clNone)
    rgb = 0;
  else if (colour & kSystemColourFlag)
    rgb = resolve(colour) & 0xFFFFFF;
  else
    rgb = colour & 0xFFFFFF;
  double red = rgb & 0xFF;
  double green = (rgb >> 8) & 0xFF;
  double blue = (rgb >> 16) & 0xFF;
  // Rounds half to even, like the platform's Round.
  long grey = std::lrint(0.299 * red + 0.587 * green + 0.114 * blue);
  if (grey >= 96 && grey <= 127) return 0xFFFFFF;
  if (grey >= 128 && grey <= 160) return 0x000000;
  return rgb ^ 0xFFFFFF;
}
