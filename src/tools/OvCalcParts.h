// Pieces shared by the calculator's source files; not for other units.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace calc_detail {

// Text changed by many small replacements that move steadily along it. A gap
// buffer keeps each replacement proportional to its size plus the distance
// from the previous one, so long expressions stay linear instead of quadratic.
// Positions are 1-based, as in StrReplacePart.
class CalcText {
 public:
  explicit CalcText(std::string_view text);
  std::size_t Length() const { return buffer_.size() - (gapEnd_ - gapStart_); }
  char At(std::size_t position) const;
  // Characters first..last, clipped to the text; empty when first > last.
  std::string Part(std::size_t first, std::size_t last) const;
  // Same rules and errors as StrReplacePart.
  void Replace(std::size_t first, std::size_t last, std::string_view replacement);
  std::string ToString() const;

 private:
  void MoveGapTo(std::size_t index);
  void ReserveGap(std::size_t size);

  std::string buffer_;
  std::size_t gapStart_ = 0;  // 0-based, first byte of the gap
  std::size_t gapEnd_ = 0;    // 0-based, first byte after the gap
};

// Throws the StrReplacePart error unless first..last is a valid range.
void CheckReplaceRange(std::size_t length, std::size_t first, std::size_t last);

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Sign, digits with an optional decimal separator, optional exponent; the
// whole text must be the number. Throws ECalcError otherwise.
long double ReadCalcNumber(std::string_view text, char decimalSeparator);

// "$" + text read as a 64-bit signed hexadecimal integer.
long double ReadCalcHex(std::string_view text);

// Applies operator `op` of the internal form to two operand values.
long double ApplyCalcOperator(char op, long double left, long double right);

// Precedence class 0..4 of an internal-form operator, -1 for other characters.
int CalcOperatorClass(char c);

}  // namespace calc_detail
