// Reading a colour code at the editor's selection and writing the chosen
// colour back in the same notation ("#", "$", "0x" or none, six digits).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "support/OvLib.h"
#include "tools/ColorPickMath.h"

struct TColorPickStart {
  std::string prefix;  // put before the code that replaces the selection
  TColor colour = 0;   // the dialog's initial colour
};

// 1 to 8 hexadecimal digits, nothing else (the reading of "$" + text).
std::optional<std::uint32_t> ReadHexNumber(const std::string& text);

// `selectedText` is the selection; `charBefore` the character just before the
// selection start, nothing at the very start of the text. `randomColour` is
// used when the selection holds no readable code.
TColorPickStart ReadColorCodeAtSelection(const std::string& selectedText,
                                         std::optional<char> charBefore, TColor randomColour);

// The prefix and the colour as RRGGBB in six upper-case digits.
std::string ColorCodeText(const std::string& prefix, TColor colour);

// The whole command: draws the random colour from `random`, asks
// `showColorPicker` (which returns the chosen colour, nothing on Cancel) and
// gives the text that replaces the selection, nothing when cancelled.
std::optional<std::string> ColorPickerReplacement(
    const std::string& selectedText, std::optional<char> charBefore, TRandomGenerator& random,
    const std::function<std::optional<TColor>(TColor initial)>& showColorPicker);
