#include "tools/OvCalc.h"

#include <algorithm>
#include <numbers>

#include "support/Utf8.h"
#include "tools/OvCalcParts.h"

using calc_detail::CalcText;
using calc_detail::IsDigit;

namespace {

constexpr int kLastOperatorClass = 4;

bool IsNumberChar(char c, char decimalSeparator) {
  return IsDigit(c) || c == 'E' || c == 'e' || c == decimalSeparator;
}

bool IsRightOperandChar(char c, char decimalSeparator) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f') || c == decimalSeparator;
}

bool IsOperatorChar(char c) {
  static constexpr std::string_view kOperators = "!$%&*+-/:<>^acist~\\|\xA4";
  return kOperators.find(c) != std::string_view::npos;
}

bool IsExponentMark(char c) {
  return c == 'E' || c == 'e';
}
bool IsSign(char c) {
  return c == '+' || c == '-';
}

// Typed characters that become the prefix-function form "0" + letter.
bool IsPrefixFunction(char c) {
  static constexpr std::string_view kPrefixes = "$%NSTacinst";
  return kPrefixes.find(c) != std::string_view::npos;
}

// First operator of `operatorClass` at or after `from`; one preceded by an
// exponent mark is a sign of the exponent, not an operator. 0 when none.
std::size_t FindOperator(const CalcText& text, int operatorClass, std::size_t from) {
  for (std::size_t p = std::max<std::size_t>(from, 2); p <= text.Length(); ++p) {
    if (calc_detail::CalcOperatorClass(text.At(p)) == operatorClass &&
        !IsExponentMark(text.At(p - 1))) {
      return p;
    }
  }
  return 0;
}

std::size_t LeftOperandStart(const CalcText& text, std::size_t p, char decimalSeparator) {
  std::size_t q = p - 1;
  while (q > 1) {
    char c = text.At(q - 1);
    if (IsNumberChar(c, decimalSeparator)) {
      --q;
    } else if (IsSign(c) && q > 2 &&
               (IsExponentMark(text.At(q - 2)) || IsOperatorChar(text.At(q - 2)))) {
      --q;  // an exponent's sign, or a sign right after an operator
    } else if (IsSign(c) && q == 2) {
      q = 1;
    } else {
      break;
    }
  }
  return q;
}

// The character right after the operator always belongs to the right
// operand, so a sign there is kept.
std::size_t RightOperandEnd(const CalcText& text, std::size_t p, char decimalSeparator) {
  std::size_t r = p + 1;
  while (r < text.Length()) {
    char next = text.At(r + 1);
    if (!IsRightOperandChar(next, decimalSeparator) &&
        !(IsSign(next) && IsExponentMark(text.At(r)))) {
      break;
    }
    ++r;
  }
  return r;
}

long double EvaluateOperator(const CalcText& text, std::size_t q, std::size_t p, std::size_t r,
                             char decimalSeparator) {
  char op = text.At(p);
  std::string right = text.Part(p + 1, r);
  if (op == '$') return calc_detail::ReadCalcHex(right);
  if (op == '%') return BinStrToInt(right);
  long double leftValue = calc_detail::ReadCalcNumber(text.Part(q, p - 1), decimalSeparator);
  long double rightValue = calc_detail::ReadCalcNumber(right, decimalSeparator);
  return calc_detail::ApplyCalcOperator(op, leftValue, rightValue);
}

void ReduceFlat(CalcText& text, char decimalSeparator) {
  for (int operatorClass = 0; operatorClass <= kLastOperatorClass; ++operatorClass) {
    // Nothing before the replaced operand can have become an operator, so the
    // search resumes there instead of from the start; the result is the same.
    for (std::size_t p = FindOperator(text, operatorClass, 2); p != 0;) {
      std::size_t q = LeftOperandStart(text, p, decimalSeparator);
      std::size_t r = RightOperandEnd(text, p, decimalSeparator);
      long double value = EvaluateOperator(text, q, p, r, decimalSeparator);
      text.Replace(q, r, FormatCalcNumber(value, decimalSeparator));
      p = FindOperator(text, operatorClass, q);
    }
  }
}

// Counts must balance; beyond that a ")" may never close the outer bracket
// early, so the innermost bracket is always the last "(" and its ")" exists.
void CheckBrackets(const std::string& prepared) {
  long depth = std::count(prepared.begin(), prepared.end(), '(') -
               std::count(prepared.begin(), prepared.end(), ')');
  if (depth != 0) {
    throw ECalcError("Syntax Error: Uneven # of Bracket (" + std::to_string(depth) + ")");
  }
  for (std::size_t i = 0; i + 1 < prepared.size(); ++i) {
    depth += prepared[i] == '(' ? 1 : prepared[i] == ')' ? -1 : 0;
    if (depth <= 0) throw ECalcError("Syntax Error: Bracket closed before it was opened");
  }
}

std::size_t LastOpenBracket(const CalcText& text, std::size_t atOrBefore) {
  for (std::size_t o = atOrBefore; o >= 1; --o) {
    if (text.At(o) == '(') return o;
  }
  return 0;
}

std::size_t FirstCloseBracket(const CalcText& text, std::size_t from) {
  std::size_t e = from;
  while (text.At(e) != ')') ++e;
  return e;
}

}  // namespace

std::string PrepareCalcString(std::string_view typed, char decimalSeparator) {
  std::string out = "(";
  out.reserve(typed.size() + 2);
  for (std::size_t i = 0; i < typed.size(); ++i) {
    char c = typed[i];
    char next = i + 1 < typed.size() ? typed[i + 1] : '\0';
    auto byte = static_cast<unsigned char>(c);
    if (c == ' ' || (byte >= 0x80 && byte != 0xA4 && byte != 0xBD)) continue;
    if (c == '!') {
      out += "!0";
    } else if (IsPrefixFunction(c)) {
      out += '0';
      out += c;
    } else if (c == ')' && next == '(') {
      out += ")*(";
      ++i;
    } else if (IsSign(c) && IsSign(next)) {
      out += c == next ? '+' : '-';  // one pair collapsed at a time
      ++i;
    } else if (c == 'P') {
      out += FormatCalcNumber(std::numbers::pi_v<long double>, decimalSeparator);
    } else if (byte == 0xBD) {  // the half sign
      out += decimalSeparator;
      out += '5';
    } else {
      out += c;
    }
  }
  out += ')';
  return out;
}

void CalcFlat(std::string& text, char decimalSeparator) {
  CalcText flat(text);
  ReduceFlat(flat, decimalSeparator);
  text = flat.ToString();
}

long double CalcBrackets(std::string_view typed, char decimalSeparator) {
  std::string prepared = PrepareCalcString(typed, decimalSeparator);
  if (prepared == "()") return 0;
  CheckBrackets(prepared);
  CalcText text(prepared);
  for (std::size_t o = LastOpenBracket(text, text.Length()); o != 0;
       o = LastOpenBracket(text, o - 1)) {
    std::size_t e = FirstCloseBracket(text, o);
    if (e < text.Length() && IsDigit(text.At(e + 1))) {
      throw ECalcError("Syntax Error: Number after Bracket!");
    }
    std::string inner = text.Part(o + 1, e - 1);
    CalcFlat(inner, decimalSeparator);
    text.Replace(o, e, inner);
    // A number directly before a bracket multiplies it.
    if (o > 2 && IsDigit(text.At(o - 1))) text.Replace(o, o - 1, "*");
  }
  return calc_detail::ReadCalcNumber(text.ToString(), decimalSeparator);
}

bool CalcExpression(std::string_view text, long double& value, char decimalSeparator) {
  try {
    value = CalcBrackets(text, decimalSeparator);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

namespace {

// Only the currency sign (OR) and the half sign mean something beyond ASCII;
// a byte of another character could otherwise pass for one of them.
std::string CodePageExpression(std::string_view utf8Text) {
  std::string bytes;
  bytes.reserve(utf8Text.size());
  for (std::size_t at = 0; at < utf8Text.size(); at += utf8::CharLength(utf8Text, at)) {
    const char32_t c = utf8::SequenceLength(utf8Text, at) > 0 ? utf8::Decode(utf8Text, at) : 0x80;
    if (c < 0x80 || c == 0xA4 || c == 0xBD) bytes += static_cast<char>(c);
  }
  return bytes;
}

}  // namespace

std::optional<std::string> CalculateSelection(std::string_view selectedText, char decimalSeparator,
                                              bool utf8) {
  long double value = 0;
  const std::string expression =
      utf8 ? CodePageExpression(selectedText) : std::string(selectedText);
  if (selectedText.empty() || !CalcExpression(expression, value, decimalSeparator)) {
    return std::nullopt;
  }
  std::string replacement(selectedText);
  replacement += " = ";
  replacement += FormatCalcNumber(value, decimalSeparator);
  return replacement;
}
