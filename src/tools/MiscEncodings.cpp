// The encodings of the Miscellaneous Functions dialog. Binary and
// hexadecimal decide their direction from the text itself.
#include <algorithm>
#include <array>

#include "support/OvLib.h"
#include "support/Utf8.h"
#include "tools/MiscFunctions.h"
#include "tools/OvCalc.h"

namespace {

constexpr char kUpperHexDigits[] = "0123456789ABCDEF";

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexValue(char c) {
  if (c <= '9') return c - '0';
  return (c | 0x20) - 'a' + 10;
}

// Digits without the spaces, which only group them for the reader.
std::string WithoutSpaces(std::string_view text) {
  std::string digits;
  digits.reserve(text.size());
  for (char c : text) {
    if (c != ' ') digits += c;
  }
  return digits;
}

template <typename Predicate>
bool OnlyDigitsAndSpaces(std::string_view text, Predicate isDigit) {
  return std::all_of(text.begin(), text.end(), [&](char c) { return c == ' ' || isDigit(c); });
}

template <typename ByteMap>
std::string MapBytes(std::string_view text, ByteMap map) {
  std::string result(text.size(), '\0');
  std::transform(text.begin(), text.end(), result.begin(), map);
  return result;
}

// CR and LF change places after a reversal, so CR LF pairs survive it.
void SwapLineBreaks(std::string& text) {
  for (char& c : text) {
    if (c == '\r')
      c = '\n';
    else if (c == '\n')
      c = '\r';
  }
}

// The end of what a UTF-8 reversal moves as one piece: a character with
// the combining marks that follow it, or a run of bytes that are not UTF-8,
// kept in their order.
std::size_t NextUnit(std::string_view text, std::size_t at) {
  if (utf8::SequenceLength(text, at) > 0) return utf8::NextCaretStop(text, at);
  while (at < text.size() && utf8::SequenceLength(text, at) == 0) ++at;
  return at;
}

}  // namespace

std::string Rot13(std::string_view text) {
  return MapBytes(text, [](char c) -> char {
    char base = (c >= 'A' && c <= 'Z') ? 'A' : (c >= 'a' && c <= 'z') ? 'a' : 0;
    return base ? static_cast<char>(base + (c - base + 13) % 26) : c;
  });
}

std::string Backwards(std::string_view text) {
  std::string result(text.rbegin(), text.rend());
  SwapLineBreaks(result);
  return result;
}

std::string Utf8Backwards(std::string_view text) {
  std::string result(text.size(), '\0');
  std::size_t end = result.size();
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t next = NextUnit(text, at);
    end -= next - at;
    std::copy(text.begin() + at, text.begin() + next, result.begin() + end);
    at = next;
  }
  SwapLineBreaks(result);
  return result;
}

std::string BinaryCode(std::string_view text) {
  std::string result;
  if (OnlyDigitsAndSpaces(text, [](char c) { return c == '0' || c == '1'; })) {
    std::string digits = WithoutSpaces(text);
    result.reserve(digits.size() / 8);
    for (std::size_t i = 0; i + 8 <= digits.size(); i += 8) {
      result += static_cast<char>(BinStrToInt(std::string_view(digits).substr(i, 8)));
    }
    return result;
  }
  static const std::array<std::string, 256> kDigits = [] {
    std::array<std::string, 256> digits;
    for (unsigned byte = 0; byte < 256; ++byte) digits[byte] = IntToBin(byte, 8);
    return digits;
  }();
  result.resize(text.size() * 8);
  char* out = result.data();
  for (char c : text) out = std::copy_n(kDigits[static_cast<unsigned char>(c)].data(), 8, out);
  return result;
}

std::string HexadecimalCode(std::string_view text) {
  std::string result;
  if (OnlyDigitsAndSpaces(text, IsHexDigit)) {
    std::string digits = WithoutSpaces(text);
    result.reserve(digits.size() / 2);
    for (std::size_t i = 0; i + 2 <= digits.size(); i += 2) {
      result += static_cast<char>(HexValue(digits[i]) * 16 + HexValue(digits[i + 1]));
    }
    return result;
  }
  result.reserve(text.size() * 2);
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    result += kUpperHexDigits[byte >> 4];
    result += kUpperHexDigits[byte & 15];
  }
  return result;
}

std::string XorInvert(std::string_view text) {
  return MapBytes(text, [](char c) { return static_cast<char>(c ^ 0xFF); });
}

std::string IntArrayToStr(std::string_view text) {
  std::string result;
  std::size_t position = 0;
  while (position < text.size()) {
    unsigned lowByte = 0;
    std::size_t digits = 0;
    for (; position < text.size() && text[position] >= '0' && text[position] <= '9';
         ++position, ++digits) {
      lowByte = (lowByte * 10 + static_cast<unsigned>(text[position] - '0')) & 0xFF;
    }
    result += digits == 0 ? ' ' : static_cast<char>(lowByte);
    ++position;  // the separator
  }
  return result;
}

std::optional<std::string> ApplyEncoding(TEncMethod method, std::string_view text, bool utf8) {
  switch (method) {
    case TEncMethod::Rot13:
      return Rot13(text);
    case TEncMethod::Backwards:
      return utf8 ? Utf8Backwards(text) : Backwards(text);
    case TEncMethod::Binary:
      return BinaryCode(text);
    case TEncMethod::Hexadecimal:
      return HexadecimalCode(text);
    case TEncMethod::BitShifting:
      return std::nullopt;
    case TEncMethod::XorInvert:
      return XorInvert(text);
    case TEncMethod::IntArrayToStr:
      return IntArrayToStr(text);
  }
  return std::nullopt;
}
