#include <gtest/gtest.h>

#include <string>

#include "tools/OvCalc.h"

namespace {

// What Calculate Selection puts in place of the selection, or "<unchanged>".
std::string Calc(const std::string& selection, char separator = '.') {
  return CalculateSelection(selection, separator).value_or("<unchanged>");
}

std::string ResultOf(const std::string& expression, char separator = '.') {
  long double value = 0;
  if (!CalcExpression(expression, value, separator)) return "<fails>";
  return FormatCalcNumber(value, separator);
}

std::string ErrorOf(const std::string& expression) {
  try {
    CalcBrackets(expression, '.');
  } catch (const ECalcError& error) {
    return error.what();
  }
  return "<no error>";
}

TEST(OvCalcTest, PrecedenceBracketsAndImplicitMultiplication) {
  EXPECT_EQ(Calc("2+3*4"), "2+3*4 = 14");
  EXPECT_EQ(ResultOf("(2+3)*4"), "20");
  EXPECT_EQ(ResultOf("2(3+1)"), "8");
  EXPECT_EQ(ResultOf("(2)(3)"), "6");
  EXPECT_EQ(Calc("(2)3"), "<unchanged>");
  EXPECT_EQ(ErrorOf("(2)3"), "Syntax Error: Number after Bracket!");
  EXPECT_EQ(ResultOf("((1+2)*(3+4))/7"), "3");
  // Within a class strictly left to right.
  EXPECT_EQ(ResultOf("8/2*2"), "8");
  EXPECT_EQ(ResultOf("1-2+3"), "2");
  EXPECT_EQ(ResultOf("2*3^2"), "18");
  EXPECT_EQ(ResultOf("7\\2*2"), "6");
}

TEST(OvCalcTest, SignsAndPowers) {
  EXPECT_EQ(ResultOf("-2^2"), "4");
  EXPECT_EQ(ResultOf("2^-1"), "0.5");
  EXPECT_EQ(ResultOf("2^3^2"), "64");
  EXPECT_EQ(ResultOf("2--3"), "5");
  EXPECT_EQ(ResultOf("2+-3"), "-1");
  EXPECT_EQ(ResultOf("3*-2^2"), "12");
  EXPECT_EQ(PrepareCalcString("1+++2", '.'), "(1++2)");
  EXPECT_EQ(ResultOf("(-2)^3"), "-8");
  EXPECT_EQ(ResultOf("(-8)^0.5"), "<fails>");
  EXPECT_EQ(ResultOf("0^-1"), "<fails>");
  EXPECT_EQ(ResultOf("0^0"), "1");
  EXPECT_EQ(ResultOf("2^0.5"), "1.41421356237309505");
}

TEST(OvCalcTest, FunctionsBindTighterThanPowers) {
  EXPECT_EQ(ResultOf("s30"), "0.5");
  EXPECT_EQ(ResultOf("s(10+20)"), "0.5");
  EXPECT_EQ(ResultOf("s30^2"), "0.25");
  EXPECT_EQ(ResultOf("2s30"), "0.5");
  EXPECT_EQ(ResultOf("c60"), "0.5");
  EXPECT_EQ(ResultOf("t45"), "1");
  EXPECT_EQ(ResultOf("S0.5"), "30");
  EXPECT_EQ(ResultOf("T1"), "45");
  EXPECT_EQ(ResultOf("S2"), "<fails>");
  EXPECT_EQ(ResultOf("a-3.5"), "3.5");
  EXPECT_EQ(ResultOf("i-2.5"), "-2");
  EXPECT_EQ(ResultOf("N0"), "4294967295");
  EXPECT_EQ(ResultOf("n0"), "-1");
  EXPECT_EQ(ResultOf("N-1"), "0");
}

TEST(OvCalcTest, Factorials) {
  EXPECT_EQ(ResultOf("5!"), "120");
  EXPECT_EQ(ResultOf("3!!"), "720");
  EXPECT_EQ(ResultOf("5.9!"), "120");
  EXPECT_EQ(ResultOf("0!"), "1");
  EXPECT_EQ(ResultOf("1755!"), "<fails>");
  EXPECT_EQ(ErrorOf("1755!"), "Factorial base value is too high");
  EXPECT_NE(ResultOf("1754!"), "<fails>");
  // A negative operand is a huge 16-bit value: it must fail, and quickly.
  EXPECT_EQ(ErrorOf("(-1)!"), "Factorial base value is too high");
  EXPECT_EQ(ErrorOf("-3!"), "Factorial base value is too high");
  EXPECT_EQ(ResultOf("1E30!"), "<fails>");
  EXPECT_EQ(CalcFactorial(10), 3628800.0L);
  EXPECT_THROW(CalcFactorial(1755), ECalcError);
}

TEST(OvCalcTest, HexadecimalAndBinaryPrefixes) {
  EXPECT_EQ(ResultOf("$FF"), "255");
  EXPECT_EQ(ResultOf("$ff"), "255");
  EXPECT_EQ(ResultOf("$ac"), "2572");  // a and c are function letters: $0a0c
  EXPECT_EQ(ResultOf("%1010"), "10");
  EXPECT_EQ(ResultOf("$FFFFFFFFFFFFFFFF"), "-1");
  EXPECT_EQ(ResultOf("$10000000000000000"), "<fails>");
  EXPECT_EQ(ResultOf("$1.5"), "<fails>");
  EXPECT_EQ(ResultOf("$"), "<fails>");
  EXPECT_EQ(BinStrToInt("1x1"), 5u);
  EXPECT_EQ(BinStrToInt(std::string(40, '1')), 0xFFFFFFFFu);
  EXPECT_EQ(BinStrToInt("1" + std::string(32, '0')), 0u);
}

TEST(OvCalcTest, IntegerAndModuloOperators) {
  EXPECT_EQ(ResultOf("7|3"), "1");
  EXPECT_EQ(ResultOf("-7|3"), "-1");
  EXPECT_EQ(ResultOf("7.5|2"), "1.5");
  EXPECT_EQ(ResultOf("7|0"), "<fails>");
  EXPECT_EQ(ResultOf("7\\2"), "3");
  EXPECT_EQ(ResultOf("-7\\2"), "-3");
  EXPECT_EQ(ResultOf("7\\0"), "<fails>");
  EXPECT_EQ(ResultOf("(0-9223372036854775807-1)\\-1"), "<fails>");
  EXPECT_EQ(ResultOf("1<4"), "16");
  EXPECT_EQ(ResultOf("256>4"), "16");
  EXPECT_EQ(ResultOf("1<64"), "0");
  EXPECT_EQ(ResultOf("1<127"), "0");
  EXPECT_EQ(ResultOf("1<-1"), "2147483648");               // -1 as a byte: its low five bits, 31
  EXPECT_EQ(ResultOf("1<63"), "-9.22337203685477581E18");  // 19 digits need the E form
  EXPECT_EQ(ResultOf("-1>60"), "15");                      // zeros are shifted in
  EXPECT_EQ(ResultOf("5~3"), "6");
  EXPECT_EQ(ResultOf("6&3"), "2");
  EXPECT_EQ(ResultOf("5\xA4"
                     "2"),
            "7");
  EXPECT_EQ(ResultOf("1E19&1"), "<fails>");  // beyond a 64-bit integer
}

TEST(OvCalcTest, RootsPiAndHalfSign) {
  EXPECT_EQ(ResultOf("16:2"), "4");
  EXPECT_EQ(ResultOf("27:3"), "3");
  EXPECT_EQ(ResultOf("16:0"), "<fails>");
  EXPECT_EQ(ResultOf("-16:2"), "<fails>");
  EXPECT_EQ(ResultOf("P"), "3.14159265358979324");
  EXPECT_EQ(ResultOf("1\xBD"), "1.5");
  EXPECT_EQ(ResultOf("2*\xBD"), "1");
  EXPECT_EQ(ResultOf("1\xE9+1"), "2");  // other high bytes are dropped
}

TEST(OvCalcTest, EmptyAndFailingSelections) {
  EXPECT_EQ(Calc("   "), "    = 0");
  EXPECT_EQ(Calc(""), "<unchanged>");
  EXPECT_EQ(ErrorOf("((1)"), "Syntax Error: Uneven # of Bracket (1)");
  EXPECT_EQ(ErrorOf("(1))"), "Syntax Error: Uneven # of Bracket (-1)");
  EXPECT_EQ(Calc("1/0"), "<unchanged>");
  EXPECT_EQ(Calc("0/0"), "<unchanged>");
  EXPECT_EQ(Calc("abc"), "<unchanged>");
  EXPECT_EQ(Calc("2+"), "<unchanged>");
  EXPECT_EQ(Calc("2**3"), "<unchanged>");
  EXPECT_EQ(Calc("()"), "<unchanged>");
  EXPECT_EQ(Calc("1E4932*10"), "<unchanged>");
  EXPECT_EQ(Calc("1E99999"), "<unchanged>");
}

TEST(OvCalcTest, BracketsBalancedInCountButNotInOrderFail) {
  for (const char* typed : {")(", "1)+(2", "))((", ")1(", "(1))+((2)"}) {
    EXPECT_EQ(Calc(typed), "<unchanged>") << typed;
  }
}

TEST(OvCalcTest, CommaAsDecimalSeparator) {
  EXPECT_EQ(ResultOf("1,5*2", ','), "3");
  EXPECT_EQ(ResultOf("1.5*2", ','), "<fails>");
  EXPECT_EQ(ResultOf("1/4", ','), "0,25");
  EXPECT_EQ(ResultOf("P", ','), "3,14159265358979324");
  EXPECT_EQ(ResultOf("1\xBD", ','), "1,5");
}

TEST(OvCalcTest, IntermediateResultsAreRoundedTo18Digits) {
  EXPECT_EQ(ResultOf("1/3"), "0.333333333333333333");
  EXPECT_EQ(ResultOf("1/3*3"), "0.999999999999999999");
  EXPECT_EQ(ResultOf("1E2+1"), "101");
  EXPECT_EQ(ResultOf("2E-3*2"), "0.004");
  EXPECT_EQ(ResultOf("1E+3-1"), "999");
  EXPECT_EQ(ResultOf("1E-4940*1"), "0");  // too small to read back: zero, not a failure
}

TEST(OvCalcTest, FormatCalcNumber) {
  EXPECT_EQ(FormatCalcNumber(0, '.'), "0");
  EXPECT_EQ(FormatCalcNumber(-0.0L, '.'), "0");
  EXPECT_EQ(FormatCalcNumber(0.0001L, '.'), "0.0001");
  EXPECT_EQ(FormatCalcNumber(0.00001L, '.'), "1E-5");
  EXPECT_EQ(FormatCalcNumber(1e18L, '.'), "1E18");
  EXPECT_EQ(FormatCalcNumber(1e17L, '.'), "100000000000000000");
  EXPECT_EQ(FormatCalcNumber(-1.5e20L, '.'), "-1.5E20");
  EXPECT_EQ(FormatCalcNumber(123.25L, ','), "123,25");
  EXPECT_EQ(FormatCalcNumber(-0.5L, '.'), "-0.5");
  EXPECT_EQ(FormatCalcNumber(1e-300L, '.'), "1E-300");
  EXPECT_EQ(FormatCalcNumber(999999999999999999.6L, '.'), "1E18");
  // Found by fuzzing: the exponent was read past the digits actually written.
  EXPECT_EQ(FormatCalcNumber(2.5e1746L, '.'), "2.5E1746");
  EXPECT_EQ(FormatCalcNumber(-2.5e-1746L, '.'), "-2.5E-1746");
  EXPECT_EQ(ResultOf("3!!!"), "2.6012189435657951E1746");
}

TEST(OvCalcTest, StrReplacePart) {
  std::string text = "abcdef";
  StrReplacePart(text, 2, 4, "XY");
  EXPECT_EQ(text, "aXYef");
  StrReplacePart(text, 3, 2, "*");  // an empty range inserts
  EXPECT_EQ(text, "aX*Yef");
  EXPECT_THROW(StrReplacePart(text, 7, 7, "z"), ECalcError);
  EXPECT_THROW(StrReplacePart(text, 2, 9, "z"), ECalcError);
  EXPECT_THROW(StrReplacePart(text, 0, 1, "z"), ECalcError);
  try {
    StrReplacePart(text, 2, 9, "z");
  } catch (const ECalcError& error) {
    EXPECT_STREQ(error.what(), "StrReplacePart() - Invalid parameters passed");
  }
  EXPECT_EQ(text, "aX*Yef");
}

TEST(OvCalcTest, CalcFlatAndPrepareForms) {
  EXPECT_EQ(PrepareCalcString("5! + $a", '.'), "(5!0+0$0a)");
  EXPECT_EQ(PrepareCalcString("(1)(2)", '.'), "((1)*(2))");
  EXPECT_EQ(PrepareCalcString("", '.'), "()");
  std::string flat = "2+3*4-1";
  CalcFlat(flat, '.');
  EXPECT_EQ(flat, "13");
  std::string withExponent = "1E-2+1";
  CalcFlat(withExponent, '.');
  EXPECT_EQ(withExponent, "1.01");
}

TEST(OvCalcTest, LongExpressionsStayIterative) {
  std::string sum = "0";
  for (int i = 0; i < 50000; ++i) sum += "+1";
  EXPECT_EQ(ResultOf(sum), "50000");
  std::string nested(20000, '(');
  nested += "1";
  nested += std::string(20000, ')');
  EXPECT_EQ(ResultOf(nested), "1");
  std::string products;
  for (int i = 0; i < 20000; ++i) products += "(2)";
  EXPECT_EQ(ResultOf(products + "/" + products), "<fails>");  // 2^20000 overflows
  EXPECT_EQ(ResultOf("2^1E18"), "<fails>");
  EXPECT_EQ(ResultOf("1^-1E18"), "1");
  EXPECT_EQ(ResultOf(std::string(100000, '9') + "/1"), "<fails>");
}

}  // namespace
