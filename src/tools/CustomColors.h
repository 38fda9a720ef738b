// The user's sixteen custom colours, shared with the platform's colour
// dialog: binary value "CustomColors" (16 x 4 bytes, little-endian 0x00BBGGRR)
// under "Control Panel\Appearance" of the current user.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Color.h"
#include "platform/Registry.h"

inline const std::string kCustomColorsKey = "Control Panel\\Appearance";
inline const std::string kCustomColorsValue = "CustomColors";

using TCustomColors = std::array<TColor, 16>;

// A missing key or value, or one that is not 64 bytes, leaves `colours` as they were.
void LoadCustomColors(const Registry& registry, TCustomColors& colours);
// Creates the key when missing (a fresh per-user store has none). False on failure.
bool SaveCustomColors(Registry& registry, const TCustomColors& colours);
