// The calculator rewrites its text through a gap buffer and resumes each
// operator search where the last replacement began. This compares it with a
// plain reference that replaces in a std::string and searches from the start
// every time, on random expressions.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "tools/OvCalc.h"
#include "tools/OvCalcParts.h"

namespace {

using calc_detail::CalcOperatorClass;
using calc_detail::IsDigit;

char At(const std::string& s, std::size_t position) {
  return s[position - 1];
}
bool IsE(char c) {
  return c == 'E' || c == 'e';
}
bool IsSign(char c) {
  return c == '+' || c == '-';
}
bool IsNumberChar(char c) {
  return IsDigit(c) || IsE(c) || c == '.';
}
bool IsRightChar(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f') || c == '.';
}
bool IsOperatorChar(char c) {
  return std::string_view("!$%&*+-/:<>^acist~\\|\xA4").find(c) != std::string_view::npos;
}

void ReferenceFlat(std::string& s) {
  for (int operatorClass = 0; operatorClass <= 4; ++operatorClass) {
    for (;;) {
      std::size_t p = 2;
      while (p <= s.size() && !(CalcOperatorClass(At(s, p)) == operatorClass && !IsE(At(s, p - 1))))
        ++p;
      if (p > s.size()) break;
      std::size_t q = p - 1;
      while (q > 1) {
        char c = At(s, q - 1);
        if (IsNumberChar(c) ||
            (IsSign(c) && q > 2 && (IsE(At(s, q - 2)) || IsOperatorChar(At(s, q - 2))))) {
          --q;
        } else if (IsSign(c) && q == 2) {
          q = 1;
        } else {
          break;
        }
      }
      std::size_t r = p + 1;
      while (r < s.size() && (IsRightChar(At(s, r + 1)) || (IsSign(At(s, r + 1)) && IsE(At(s, r)))))
        ++r;
      std::string right = r <= s.size() ? s.substr(p, r - p) : s.substr(p);
      long double value;
      if (At(s, p) == '$') {
        value = calc_detail::ReadCalcHex(right);
      } else if (At(s, p) == '%') {
        value = BinStrToInt(right);
      } else {
        long double left = calc_detail::ReadCalcNumber(s.substr(q - 1, p - q), '.');
        value =
            calc_detail::ApplyCalcOperator(At(s, p), left, calc_detail::ReadCalcNumber(right, '.'));
      }
      StrReplacePart(s, q, r, FormatCalcNumber(value, '.'));
    }
  }
}

long double ReferenceBrackets(const std::string& typed) {
  std::string s = PrepareCalcString(typed, '.');
  if (s == "()") return 0;
  if (std::count(s.begin(), s.end(), '(') != std::count(s.begin(), s.end(), ')'))
    throw ECalcError("uneven");
  while (s.find_first_of("()") != std::string::npos) {
    std::size_t k =
        std::count_if(s.begin(), s.end(), [](char c) { return c == '(' || c == ')'; }) / 2;
    std::size_t o = 0;
    for (std::size_t seen = 0; seen < k; ++o) seen += s[o] == '(';
    std::size_t e = s.find(')', o - 1) + 1;
    if (e == 0) throw ECalcError("no closing bracket");
    if (e < s.size() && IsDigit(At(s, e + 1))) throw ECalcError("number after bracket");
    std::string inner = s.substr(o, e - o - 1);
    ReferenceFlat(inner);
    StrReplacePart(s, o, e, inner);
    if (o > 2 && IsDigit(At(s, o - 1))) StrReplacePart(s, o, o - 1, "*");
  }
  return calc_detail::ReadCalcNumber(s, '.');
}

std::string ReferenceResult(const std::string& typed) {
  try {
    return FormatCalcNumber(ReferenceBrackets(typed), '.');
  } catch (const ECalcError&) {
    return "<fails>";
  }
}

// Brackets in order: the reference, like the plain algorithm, does not check it.
bool BracketsInOrder(const std::string& typed) {
  long depth = 0;
  for (char c : typed) {
    depth += c == '(' ? 1 : c == ')' ? -1 : 0;
    if (depth < 0) return false;
  }
  return true;
}

TEST(OvCalcReferenceTest, RandomExpressionsMatchThePlainRewriting) {
  static const char* const kPieces[] = {
      "0", "1", "2", "3", "7", "9", "12", "0.5",  ".",  "E",  "e", "E-",   "+",    "-", "*",
      "/", "^", ":", "!", "$", "%", "&",  "<",    ">",  "\\", "|", "~",    "\xA4", "a", "c",
      "i", "s", "t", "N", "n", "S", "T",  "P",    "(",  ")",  " ", "\xBD", "A",    "F", "(",
      ")", "1", "2", "4", "5", "6", "8",  "3.25", "10", "11", "2", "3"};
  std::mt19937 random(20261208);
  int compared = 0, succeeded = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string typed;
    int pieces = 1 + static_cast<int>(random() % 16);
    for (int i = 0; i < pieces; ++i) typed += kPieces[random() % std::size(kPieces)];
    if (!BracketsInOrder(typed)) continue;
    long double value = 0;
    std::string actual =
        CalcExpression(typed, value, '.') ? FormatCalcNumber(value, '.') : "<fails>";
    ASSERT_EQ(actual, ReferenceResult(typed)) << "expression: " << typed;
    ++compared;
    succeeded += actual != "<fails>";
  }
  // The generator must reach both outcomes often enough to mean something.
  EXPECT_GT(compared, 5000);
  EXPECT_GT(succeeded, 1000);
}

}  // namespace
