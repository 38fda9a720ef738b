// Colours between the program's 0x00BBGGRR values and Qt.
#pragma once

#include <QColor>

#include "platform/Color.h"

// System colours are resolved through the application palette.
QColor ToQColor(TColor bgr);
TColor FromQColor(const QColor& colour);

// The current RGB value (0x00BBGGRR) of a system colour 0x80000000 + index,
// taken from the application palette; black for an unknown index.
TColor ResolveSystemColour(TColor systemColour);
