// Colours between the program's 0x00BBGGRR values and Qt.
#pragma once

#include <QColor>
#include <cstdint>

// A system colour has this bit set and its index in the low byte.
inline constexpr std::uint32_t kSystemColourBit = 0x80000000;

// System colours are resolved through the application palette.
QColor ToQColor(std::uint32_t bgr);
std::uint32_t FromQColor(const QColor& colour);

// The current RGB value (0x00BBGGRR) of a system colour 0x80000000 + index,
// taken from the application palette; black for an unknown index.
std::uint32_t ResolveSystemColour(std::uint32_t systemColour);
