#include "ui/QtColors.h"

#include <QApplication>
#include <QPalette>
#include <array>

namespace {

struct PaletteEntry {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The system colours in index order (clScrollBar ... clInfoBk) as palette roles.
constexpr std::array<PaletteEntry, 25> kSystemColourRoles = {{
    {QPalette::Active, QPalette::Button},             // scroll bar
    {QPalette::Active, QPalette::Dark},               // desktop background
    {QPalette::Active, QPalette::Highlight},          // active caption
    {QPalette::Inactive, QPalette::Mid},              // inactive caption
    {QPalette::Active, QPalette::Window},             // menu
    {QPalette::Active, QPalette::Base},               // window
    {QPalette::Active, QPalette::WindowText},         // window frame
    {QPalette::Active, QPalette::WindowText},         // menu text
    {QPalette::Active, QPalette::Text},               // window text
    {QPalette::Active, QPalette::HighlightedText},    // caption text
    {QPalette::Active, QPalette::Window},             // active border
    {QPalette::Inactive, QPalette::Window},           // inactive border
    {QPalette::Active, QPalette::Dark},               // application work space
    {QPalette::Active, QPalette::Highlight},          // highlight
    {QPalette::Active, QPalette::HighlightedText},    // highlight text
    {QPalette::Active, QPalette::Button},             // button face
    {QPalette::Active, QPalette::Dark},               // button shadow
    {QPalette::Disabled, QPalette::Text},             // grey text
    {QPalette::Active, QPalette::ButtonText},         // button text
    {QPalette::Inactive, QPalette::HighlightedText},  // inactive caption text
    {QPalette::Active, QPalette::Light},              // button highlight
    {QPalette::Active, QPalette::Shadow},             // 3D dark shadow
    {QPalette::Active, QPalette::Midlight},           // 3D light
    {QPalette::Active, QPalette::ToolTipText},        // info text
    {QPalette::Active, QPalette::ToolTipBase},        // info background
}};

}  // namespace

QColor ToQColor(TColor bgr) {
  if (bgr & kSystemColourFlag) bgr = ResolveSystemColour(bgr);
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

TColor FromQColor(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) |
         (static_cast<std::uint32_t>(colour.green()) << 8) |
         (static_cast<std::uint32_t>(colour.blue()) << 16);
}

TColor ResolveSystemColour(TColor systemColour) {
  const std::uint32_t index = systemColour & 0xFF;
  if (index >= kSystemColourRoles.size()) return 0;
  const PaletteEntry entry = kSystemColourRoles[index];
  return FromQColor(QApplication::palette().color(entry.group, entry.role));
}
