// Reading and writing the calculator's numbers. Both sides avoid the C locale
// (std::from_chars / std::to_chars) because the separator is the user's.
#include <charconv>
#include <cmath>
#include <cstdint>

#include "tools/OvCalc.h"
#include "tools/OvCalcParts.h"

namespace {
constexpr int kSignificantDigits = 18;
}  // namespace

namespace calc_detail {
namespace {

[[noreturn]] void ThrowNotANumber(std::string_view text) {
  throw ECalcError("'" + std::string(text) + "' is not a valid floating point value");
}

// Accumulates decimal digits of an exponent without overflowing.
long long SaturatingAppendDigit(long long value, char digit) {
  constexpr long long kLimit = 1000000000LL;
  return value >= kLimit ? value : value * 10 + (digit - '0');
}

struct NumberScan {
  std::string normalised;  // the number with "." as separator, no leading "+"
  bool negative = false;
  long long leadingMagnitude = 0;  // decimal position of the first significant digit
  bool anySignificantDigit = false;
};

bool ScanNumber(std::string_view text, char decimalSeparator, NumberScan& scan) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) scan.negative = text[i++] == '-';
  std::size_t mantissaDigits = 0;
  long long integerDigits = 0, fractionLeadingZeros = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) {
    scan.normalised += text[i];
    if (text[i] != '0' || scan.anySignificantDigit) {
      scan.anySignificantDigit = true;
      ++integerDigits;
    }
  }
  if (i < text.size() && text[i] == decimalSeparator) {
    scan.normalised += '.';
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) {
      scan.normalised += text[i];
      if (!scan.anySignificantDigit && text[i] == '0') ++fractionLeadingZeros;
      if (text[i] != '0') scan.anySignificantDigit = true;
    }
  }
  if (mantissaDigits == 0) return false;
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    scan.normalised += 'e';
    bool negativeExponent = false;
    if (++i < text.size() && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      if (negativeExponent) scan.normalised += '-';
      ++i;
    }
    std::size_t exponentStart = i;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      scan.normalised += text[i];
      exponent = SaturatingAppendDigit(exponent, text[i]);
    }
    if (i == exponentStart) return false;
    if (negativeExponent) exponent = -exponent;
  }
  scan.leadingMagnitude = (integerDigits > 0 ? integerDigits : -fractionLeadingZeros) + exponent;
  return i == text.size();
}

}  // namespace

long double ReadCalcNumber(std::string_view text, char decimalSeparator) {
  NumberScan scan;
  if (!ScanNumber(text, decimalSeparator, scan)) ThrowNotANumber(text);
  long double value = 0;
  const char* begin = scan.normalised.data();
  auto [end, error] = std::from_chars(begin, begin + scan.normalised.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small to represent reads as zero; too large is an overflow.
    if (scan.leadingMagnitude > 0) throw ECalcError("Floating point overflow");
    value = 0;
  } else if (error != std::errc() || end != begin + scan.normalised.size()) {
    ThrowNotANumber(text);
  }
  return scan.negative ? -value : value;
}

long double ReadCalcHex(std::string_view text) {
  std::uint64_t value = 0;
  for (char c : text) {
    int digit = IsDigit(c)               ? c - '0'
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                         : -1;
    if (digit < 0 || value > (UINT64_MAX >> 4)) {
      throw ECalcError("'$" + std::string(text) + "' is not a valid integer value");
    }
    value = (value << 4) | static_cast<std::uint64_t>(digit);
  }
  if (text.empty()) throw ECalcError("'$' is not a valid integer value");
  return static_cast<long double>(static_cast<std::int64_t>(value));
}

}  // namespace calc_detail

std::string FormatCalcNumber(long double value, char decimalSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  // d.ddddddddddddddddde[+-]x: 18 significant digits, rounded once.
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                              std::chars_format::scientific, kSignificantDigits - 1);
  std::string_view scientific(buffer, result.ptr - buffer);
  std::size_t exponentAt = scientific.find('e');
  std::string digits(1, scientific[0]);
  digits.append(scientific.substr(2, exponentAt - 2));
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  // `exponent` makes value = 0.d1d2... * 10^exponent.
  // to_chars writes no terminator: read the exponent within the written part.
  std::string_view exponentText = scientific.substr(exponentAt + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  long exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  ++exponent;

  std::string text = value < 0 ? "-" : "";
  if (exponent >= -3 && exponent <= kSignificantDigits) {
    if (exponent <= 0) {
      text += '0';
      text += decimalSeparator;
      text.append(static_cast<std::size_t>(-exponent), '0');
      text += digits;
    } else {
      std::size_t integerDigits = static_cast<std::size_t>(exponent);
      text += digits.substr(0, integerDigits);
      if (digits.size() < integerDigits) text.append(integerDigits - digits.size(), '0');
      if (digits.size() > integerDigits) {
        text += decimalSeparator;
        text += digits.substr(integerDigits);
      }
    }
  } else {
    text += digits[0];
    if (digits.size() > 1) {
      text += decimalSeparator;
      text += digits.substr(1);
    }
    text += 'E';
    text += std::to_string(exponent - 1);
  }
  return text;
}
