#include "highlight/FontDescription.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

constexpr std::string_view kSeparators = " .,;/\\-";

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitParts(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t position = 0;
  while (position < text.size()) {
    std::size_t end;
    if (text[position] == '"') {
      const std::size_t close = text.find('"', position + 1);
      end = close == std::string_view::npos ? text.size() : close;
      parts.push_back(text.substr(position + 1, end - position - 1));
    } else {
      end = text.find_first_of(kSeparators, position);
      if (end == std::string_view::npos) end = text.size();
      parts.push_back(text.substr(position, end - position));
    }
    position = end + 1;
  }
  return parts;
}

// The size in points; a part that is not a whole number counts as 8.
int PointsOf(std::string_view part) {
  int points = 0;
  const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), points);
  if (error != std::errc() || end != part.data() + part.size()) return 8;
  return std::min(points, kMaximumFontPoints);
}

void ApplyStyleLetters(std::string_view part, TFont& font) {
  for (char letter : part) {
    switch (letter) {
      case 'b':
        font.style |= fsBold;
        break;
      case 'i':
        font.style |= fsItalic;
        break;
      case 's':
        font.style |= fsStrikeOut;
        break;
      case 'u':
        font.style |= fsUnderline;
        break;
      default:
        break;
    }
  }
}

bool IsStyleLetters(std::string_view part) {
  return part.size() < 5 && std::string_view("bisu").find(part.front()) != std::string_view::npos;
}

}  // namespace

int FontHeightOf(int points, int pixelsPerInch) {
  return -static_cast<int>(std::lround(static_cast<double>(points) * pixelsPerInch / 72.0));
}

TFont ParseFontDescription(std::string_view text, int pixelsPerInch) {
  TFont font{.name = "Tahoma", .size = 8};
  for (std::string_view part : SplitParts(text)) {
    part = TrimSpaces(part);
    if (part.empty()) continue;
    if (IsStyleLetters(part)) {
      ApplyStyleLetters(part, font);
    } else if (part.front() >= '0' && part.front() <= '9') {
      font.size = PointsOf(part);
    } else if (part.size() >= 5) {
      font.name = std::string(part.substr(0, kMaximumFontFaceLength));
    }
  }
  font.height = FontHeightOf(font.size, pixelsPerInch);
  return font;
}
