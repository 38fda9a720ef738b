// The expression calculator. An expression is evaluated by rewriting its text:
// PrepareCalcString turns every operator, prefix function and postfix
// factorial into one binary operator character, then the innermost bracket is
// reduced operator by operator (CalcFlat), each result formatted back into the
// text with 18 significant digits, until one number is left.
//
// Positions passed to StrReplacePart are 1-based. Values are 80-bit extended
// (long double); bitwise and integer operators work on 64-bit signed integers
// truncated toward zero. The decimal separator is the user's (Locale service).
// The 18 significant digits rely on the 64-bit mantissa of x87 extended
// precision, which GCC and Clang give long double on x86; MSVC's long double
// is a plain double.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// Every failure of an evaluation: syntax, unreadable numbers, arithmetic faults.
class ECalcError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The internal form of a typed expression, always wrapped in "(" and ")".
std::string PrepareCalcString(std::string_view typed, char decimalSeparator);

// Evaluates a typed expression; throws ECalcError with the calculator's message.
long double CalcBrackets(std::string_view text, char decimalSeparator);

// Reduces a bracket-free internal-form text in place to one number.
void CalcFlat(std::string& text, char decimalSeparator);

// Replaces the characters first..last (1-based, inclusive) by `replacement`.
// last = first - 1 inserts. Throws "StrReplacePart() - Invalid parameters
// passed" when either lies beyond the text.
void StrReplacePart(std::string& text, std::size_t first, std::size_t last,
                    std::string_view replacement);

// General format with 18 significant digits ("0.333333333333333333", "1E-5").
std::string FormatCalcNumber(long double value, char decimalSeparator);

// True and the value when `text` evaluates; false on any error, reporting nothing.
bool CalcExpression(std::string_view text, long double& value, char decimalSeparator);

// n! in extended precision; throws "Factorial base value is too high" above 1754,
// the largest operand whose factorial fits.
long double CalcFactorial(unsigned n);

// x - int(x / y) * y; the sign follows x. Division by zero is an error.
long double CalcFloatMod(long double x, long double y);

// Binary digits to an unsigned 32-bit value; any character but "1" counts as 0
// and bits beyond 32 fall off.
std::uint32_t BinStrToInt(std::string_view text);

// The portable core of the Calculate Selection command: the text that replaces
// the selection ("2+3 = 5"), or nothing when the selection is empty or does not
// evaluate (the command then leaves the document alone and shows nothing).
// `utf8` text is read as the code page would hold it: the currency and half
// signs keep their meaning and every other non-ASCII character is dropped.
std::optional<std::string> CalculateSelection(std::string_view selectedText, char decimalSeparator,
                                              bool utf8 = false);
