// The one colour value of the program: 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

using TColor = std::uint32_t;

// A colour that is not set: whoever draws uses its own.
inline constexpr TColor clNone = 0x1FFFFFFF;
// A system colour: this flag and the colour's index, resolved by the platform.
inline constexpr TColor kSystemColourFlag = 0x80000000;
