#include "tools/ColorPickCode.h"

#include <cstdio>

#include "support/OvLib.h"

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string PrefixOf(const std::string& text) {
  if (text.rfind("#", 0) == 0) return "#";
  if (text.rfind("$", 0) == 0) return "$";
  if (text.rfind("0x", 0) == 0) return "0x";
  return "";
}

}  // namespace

std::optional<std::uint32_t> ReadHexNumber(const std::string& text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<std::uint32_t>(digit);
  }
  return value;
}

TColorPickStart ReadColorCodeAtSelection(const std::string& selectedText,
                                         std::optional<char> charBefore, TColor randomColour) {
  TColorPickStart start{"", randomColour};
  if (!selectedText.empty() && selectedText.size() <= 8) {
    start.prefix = PrefixOf(selectedText);
    if (std::optional<std::uint32_t> value =
            ReadHexNumber(selectedText.substr(start.prefix.size())))
      start.colour = SwapRB(*value);
  } else if (charBefore != '#') {
    // A code typed after an existing "#" needs none of its own.
    start.prefix = "#";
  }
  return start;
}

std::string ColorCodeText(const std::string& prefix, TColor colour) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%06X", SwapRB(colour));
  return prefix + digits;
}

std::optional<std::string> ColorPickerReplacement(
    const std::string& selectedText, std::optional<char> charBefore, TRandomGenerator& random,
    const std::function<std::optional<TColor>(TColor initial)>& showColorPicker) {
  const TColor randomColour = random.Below(0x1000000);
  TColorPickStart start = ReadColorCodeAtSelection(selectedText, charBefore, randomColour);
  std::optional<TColor> chosen = showColorPicker(start.colour);
  if (!chosen) return std::nullopt;
  return ColorCodeText(start.prefix, *chosen);
}
