// Colours as the configuration dialog's colour panels show them: the name of
// a known colour or its value in hexadecimal, painted in a contrasting colour.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/Color.h"

// The name in the colour table (16 basic and 25 system colours), if any.
std::optional<std::string> ColourName(TColor colour);

// The name, or the value as "0x%.6x" (the no-colour value shows as 0x1fffffff).
std::string ColourPanelText(TColor colour);

// The current RGB value of a system colour (its index in the low byte).
using TSystemColourResolver = std::function<TColor(TColor systemColour)>;

// Text colour for a panel: from the grey level of the colour (none counts as
// black), white for 96..127, black for 128..160, else the colour inverted.
TColor ContrastingTextColour(TColor colour, const TSystemColourResolver& resolve);
