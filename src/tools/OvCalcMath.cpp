// The arithmetic of the calculator's operators. Faults that the extended
// floating-point unit would raise (division by zero, overflow, invalid
// operations) are thrown as ECalcError.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "tools/OvCalc.h"
#include "tools/OvCalcParts.h"

namespace calc_detail {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr unsigned kLargestFactorialBase = 1754;
constexpr long double kTwoTo63 = 9223372036854775808.0L;

[[noreturn]] void ThrowInvalid() {
  throw ECalcError("Invalid floating point operation");
}

long double Checked(long double value) {
  if (std::isnan(value)) ThrowInvalid();
  if (std::isinf(value)) throw ECalcError("Floating point overflow");
  return value;
}

long double Divide(long double x, long double y) {
  if (y == 0) {
    if (x == 0) ThrowInvalid();
    throw ECalcError("Floating point division by zero");
  }
  return Checked(x / y);
}

std::int64_t Trunc(long double value) {
  if (!(value >= -kTwoTo63 && value < kTwoTo63)) ThrowInvalid();
  return static_cast<std::int64_t>(value);
}

long double IntegralPower(long double base, std::uint64_t exponent) {
  long double result = 1;
  while (exponent != 0) {
    if (exponent & 1) result *= base;
    exponent >>= 1;
    if (exponent != 0) base *= base;
  }
  return result;
}

long double Power(long double x, long double y) {
  if (y == 0) return 1;
  if (x == 0 && y > 0) return 0;
  if (y == std::trunc(y)) {
    if (std::fabs(y) > kTwoTo63) return Checked(std::pow(x, y));
    long double magnitude = Checked(IntegralPower(x, static_cast<std::uint64_t>(std::fabs(y))));
    return y < 0 ? Divide(1, magnitude) : magnitude;
  }
  if (x < 0) ThrowInvalid();
  if (x == 0) throw ECalcError("Floating point division by zero");  // ln 0
  return Checked(std::exp(y * std::log(x)));
}

// The low byte of the count as a signed byte: 0..63 shift, 64..127 clear,
// a negative byte shifts by its low five bits.
std::uint64_t ShiftCount(std::int64_t count, bool& clears) {
  auto low = static_cast<std::int8_t>(static_cast<std::uint8_t>(count & 0xFF));
  clears = low >= 64;
  return low < 0 ? static_cast<std::uint64_t>(low & 31) : static_cast<std::uint64_t>(low);
}

long double Shift(long double left, long double right, bool toLeft) {
  auto value = static_cast<std::uint64_t>(Trunc(left));
  bool clears = false;
  std::uint64_t count = ShiftCount(Trunc(right), clears);
  if (clears) return 0;
  value = toLeft ? value << count : value >> count;
  return static_cast<long double>(static_cast<std::int64_t>(value));
}

long double IntegerDivide(long double left, long double right) {
  std::int64_t x = Trunc(left), y = Trunc(right);
  if (y == 0) throw ECalcError("Division by zero");
  if (x == INT64_MIN && y == -1) throw ECalcError("Integer overflow");
  return static_cast<long double>(x / y);
}

long double Factorial(long double left) {
  if (left > kLargestFactorialBase) throw ECalcError("Factorial base value is too high");
  // Taken as a 16-bit unsigned value: a negative operand becomes huge and fails.
  return CalcFactorial(static_cast<std::uint16_t>(Trunc(left)));
}

long double Not32(long double right, bool asSigned) {
  auto inverted = ~static_cast<std::uint32_t>(Trunc(right));
  return asSigned ? static_cast<long double>(static_cast<std::int32_t>(inverted))
                  : static_cast<long double>(inverted);
}

long double Degrees(long double radians) {
  return radians / kPi * 180;
}
long double Radians(long double degrees) {
  return Checked(degrees * kPi / 180);
}

long double Bitwise(char op, long double left, long double right) {
  std::int64_t x = Trunc(left), y = Trunc(right);
  std::int64_t result = op == '&' ? (x & y) : op == '~' ? (x ^ y) : (x | y);
  return static_cast<long double>(result);
}

}  // namespace

int CalcOperatorClass(char c) {
  switch (c) {
    case '$':
    case '%':
      return 0;
    case '!':
    case 'N':
    case 'n':
    case 'S':
    case 'T':
    case 'a':
    case 'c':
    case 'i':
    case 's':
    case 't':
      return 1;
    case ':':
    case '^':
      return 2;
    case '&':
    case '*':
    case '/':
    case '<':
    case '>':
    case '\\':
    case '|':
      return 3;
    case '+':
    case '-':
    case '~':
    case '\xA4':
      return 4;
    default:
      return -1;
  }
}

long double ApplyCalcOperator(char op, long double left, long double right) {
  switch (op) {
    case '!':
      return Factorial(left);
    case 'N':
      return Not32(right, false);
    case 'n':
      return Not32(right, true);
    case 'S':
      return Checked(Degrees(std::asin(right)));
    case 'T':
      return Checked(Degrees(std::atan(right)));
    case 'a':
      return std::fabs(right);
    case 'c':
      return Checked(std::cos(Radians(right)));
    case 'i':
      return static_cast<long double>(Trunc(right));
    case 's':
      return Checked(std::sin(Radians(right)));
    case 't':
      return Checked(std::tan(Radians(right)));
    case ':':
      return Power(left, Divide(1, right));
    case '^':
      return Power(left, right);
    case '*':
      return Checked(left * right);
    case '/':
      return Divide(left, right);
    case '<':
      return Shift(left, right, true);
    case '>':
      return Shift(left, right, false);
    case '\\':
      return IntegerDivide(left, right);
    case '|':
      return CalcFloatMod(left, right);
    case '+':
      return Checked(left + right);
    case '-':
      return Checked(left - right);
    case '&':
    case '~':
    case '\xA4':
      return Bitwise(op, left, right);
    default:
      ThrowInvalid();
  }
}

}  // namespace calc_detail

long double CalcFactorial(unsigned n) {
  if (n > calc_detail::kLargestFactorialBase) {
    throw ECalcError("Factorial base value is too high");
  }
  long double result = 1;
  for (unsigned factor = 2; factor <= n; ++factor) result *= factor;
  return result;
}

long double CalcFloatMod(long double x, long double y) {
  long double quotient = calc_detail::Divide(x, y);
  return calc_detail::Checked(x - std::trunc(quotient) * y);
}

std::uint32_t BinStrToInt(std::string_view text) {
  std::uint32_t value = 0;
  for (char c : text) value = (value << 1) | (c == '1' ? 1u : 0u);
  return value;
}
