#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/text/Format.h"

namespace vorline {
namespace {

struct FormatCase {
  const char* name;
  double value;
  const char* mask;
  const char* expected;
};

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesTheMask) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(Format(c.value, c.mask), c.expected) << c.value << " with " << c.mask;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Masks, FormatTest,
    ::testing::Values(
        // The number-output masks: "-0." and up to 14 "#", with and without "e".
        FormatCase{"Pi4", 3.1416, "-0.####", "3.1416"},
        FormatCase{"WholeDropsPoint", 6, "-0.####", "6"},
        FormatCase{"TrailingZerosDrop", 2.5, "-0.####", "2.5"},
        FormatCase{"NegativeZero", -0.0, "-0.####", "0"},
        FormatCase{"NegativeRoundsToZero", -0.00001, "-0.####", "0"},
        FormatCase{"NegativeKeepsSign", -1.25, "-0.##", "-1.25"},
        FormatCase{"NoFractionMask", 7.6, "-0", "8"},
        FormatCase{"HalfAwayFromZero", 2.5, "-0", "3"},
        FormatCase{"NegativeHalfAwayFromZero", -2.5, "-0", "-3"},
        FormatCase{"ExactBinaryHalf", 0.125, "-0.##", "0.13"},
        // 1.005 is 1.00499999999999989... in binary, but its shortest decimal is 1.005: the
        // digits past it count as zeros, so the half rounds up.
        FormatCase{"HalfOfTheShortestDecimal", 1.005, "-0.##", "1.01"},
        FormatCase{"SmallLeadsWithZero", 0.5, "-0.#", "0.5"},
        FormatCase{"FourteenDigits", 0.12345678901234, "-0.##############", "0.12345678901234"},
        FormatCase{"LargeWhole", 1e22, "-0", "10000000000000000000000"},
        FormatCase{"Scientific", 3.1416, "-0.####e", "3.1416e+0"},
        FormatCase{"ScientificRounds", 12345.68, "-0.##e", "1.23e+4"},
        FormatCase{"ScientificNegativeExponent", 0.00012, "-0.####e", "1.2e-4"},
        FormatCase{"ScientificCarry", 9.9996, "-0.###e", "1e+1"},
        FormatCase{"ScientificHalfUp", 2.5, "-0e", "3e+0"},
        FormatCase{"ScientificZero", 0, "-0.##e", "0e+0"},
        FormatCase{"ScientificNegative", -1234, "-0.#e", "-1.2e+3"},
        // No digit past the shortest round-trip decimal: the places after it are zeros.
        FormatCase{"HugeWholeHasNoBinaryDigits", 6.02e23, "-0.##", "602000000000000000000000"},
        FormatCase{"PowerOfTenWhole", 1e23, "-0", "100000000000000000000000"},
        FormatCase{"TwelvePlacesKeepShortFraction", 1234567.1, "-0.############", "1234567.1"},
        FormatCase{"TwelvePlacesFullFraction", 123456789.123456, "-0.############",
                   "123456789.123456"},
        FormatCase{"FourteenPlacesOfSumRoundsItsTail", 0.1 + 0.2, "-0.##############", "0.3"},
        FormatCase{"ZerosForcedPastTheDigits", 0.1, "0.0000000000000000000000",
                   "0.1000000000000000000000"},
        FormatCase{"HalfAtTheFirstDigit", 0.5, "-0", "1"},
        FormatCase{"BelowHalfAtTheFirstDigit", 0.04, "-0.#", "0"},
        FormatCase{"HalfBelowTheFirstPlace", 0.05, "-0.#", "0.1"},
        FormatCase{"FarBelowThePlaces", 0.0004, "-0", "0"},
        FormatCase{"CarryGrowsTheWholePart", 999.9996, "-0.###", "1000"},
        FormatCase{"NegativeCarry", -9.5, "-0", "-10"},
        FormatCase{"SubnormalScientific", 5e-324, "-0.##e", "5e-324"},
        FormatCase{"SubnormalFixed", 5e-324, "-0.##############", "0"},
        FormatCase{"ScientificTiny", 1.6e-19, "-0.############e", "1.6e-19"},
        FormatCase{"ScientificThird", 1.0 / 3, "-0.####e", "3.3333e-1"},
        FormatCase{"ScientificSmallNegative", -0.00004, "-0.####e", "-4e-5"},
        FormatCase{"ScientificHuge", 6.02e23, "-0.####e", "6.02e+23"},
        FormatCase{"ScientificLargest", 1.7976931348623157e308, "-0.##e", "1.8e+308"},
        FormatCase{"ScientificNegativeZero", -0.0, "-0.##e", "0e+0"},
        // The date masks.
        FormatCase{"TwoDigitsPad", 5, "00", "05"}, FormatCase{"TwoDigitsNoCut", 123, "00", "123"},
        FormatCase{"FourteenZeros", 1796756709, "00000000000000", "00001796756709"},
        FormatCase{"FourteenZerosRoundsFraction", 12.5, "00000000000000", "00000000000013"},
        // The rest of the mask language.
        FormatCase{"Grouping", 1234567.891, "#,##0.00", "1,234,567.89"},
        FormatCase{"GroupingSmall", 12, "#,##0", "12"},
        FormatCase{"ForcedFraction", 2, "0.00", "2.00"},
        FormatCase{"HashBeforePointDropsZero", 0.5, "#.##", ".5"},
        FormatCase{"ZeroLeftOfHash", 5, "0#", "05"}, FormatCase{"HashLeftOfZero", 5, "#0", "5"},
        FormatCase{"PlusSign", 7, "+0", "+7"}, FormatCase{"PlusSignNegative", -7, "+0", "-7"},
        FormatCase{"NoSignCharKeepsMinus", -5, "0", "-5"},
        FormatCase{"NegativeSection", -5, "0;(0)", "(5)"},
        FormatCase{"ZeroSection", 0, "0;(0);zero", "zero"},
        FormatCase{"NegativeRoundingToZeroUsesZeroSection", -0.001, "0;(0);zero", "zero"},
        FormatCase{"Percent", 0.256, "0.0%", "25.6%"},
        FormatCase{"PercentOfTheDecimal", 0.145, "0%", "15%"},  // 0.145 * 100 is 14.4999...
        FormatCase{"PercentBeyondTheDoubleRange", 1e307, "0.0e%", "1.0e+309%"},
        FormatCase{"EscapedLiteral", 42, "\\#0", "#42"},
        FormatCase{"LiteralText", 3, "0 kg", "3 kg"},
        FormatCase{"ExponentDigits", 1.5e-7, "0.00e+00", "1.50e-07"},
        FormatCase{"ExponentMinusOnly", 2.5e10, "0.0E-0", "2.5E10"},
        FormatCase{"Infinity", kInf, "-0.####", "INF"},
        FormatCase{"MinusInfinity", -kInf, "-0.####", "-INF"},
        FormatCase{"NotANumber", std::nan(""), "-0", "NAN"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

// Every precision of the number output keeps its digits: the mask's "#" count caps them.
TEST(FormatPrecision, EachDigitCountRoundsThere) {
  const char* expected[] = {"1", "1.2", "1.23", "1.235", "1.2346", "1.23457", "1.234568"};
  std::string mask = "-0.";
  for (int p = 0; p <= 6; ++p) {
    std::string m = p == 0 ? "-0" : mask + std::string(static_cast<size_t>(p), '#');
    EXPECT_EQ(Format(1.2345678, m), expected[p]) << m;
  }
}

// The number output's masks ("-0", "-0." and "#"s) are written by a shorter path; "-#0.##"
// means the same through the general one, so both must agree for every kind of value. Short
// decimals take a quicker path still, up to scaled values near 2^50.
TEST(FormatPrecision, NumberOutputMasksAgreeWithTheGeneralPath) {
  const double values[] = {0.0,
                           -0.0,
                           1.0,
                           -1.0,
                           0.5,
                           -0.5,
                           0.05,
                           0.95,
                           9.5,
                           99.5,
                           999.9999,
                           -999.9999,
                           1.005,
                           2.675,
                           0.125,
                           1e-7,
                           -1e-7,
                           4.9e-15,
                           5e-15,
                           1.5e-14,
                           123456789012345.0,
                           1e15,
                           1e20,
                           -1e22,
                           1.7976931348623157e308,
                           5e-324,
                           1.0 / 3.0,
                           -2.0 / 3.0,
                           0.1 + 0.2,
                           9.999999999999999,
                           0.00049999,
                           0.0005,
                           12345.678901234567,
                           -0.000000000000004,
                           6.02214076e23,
                           42.0,
                           -7.0,
                           1e14,
                           999999999999999.0,
                           -999999999999999.0,
                           1e15 + 2,
                           4503599627370497.0,
                           -123456.0,
                           2.75,
                           -1.375,
                           0.3,
                           123.456,
                           1e-22,
                           1125899906842.623,
                           112589990684262.3,
                           11258999068426.25,
                           -1125899906842623.0 / 1024};
  for (double v : values) {
    for (int p = 0; p <= 14; ++p) {
      std::string places(static_cast<size_t>(p), '#');
      std::string plain = p == 0 ? "-0" : "-0." + places;
      EXPECT_EQ(Format(v, plain), Format(v, "-#0." + places)) << v << " with " << plain;
    }
  }
  // Values spread over the magnitudes, with many digits.
  double v = 1e-17;
  for (int i = 0; i < 400; ++i, v *= -1.37) {
    for (int p : {0, 1, 2, 5, 10, 14}) {
      std::string places(static_cast<size_t>(p), '#');
      std::string plain = p == 0 ? "-0" : "-0." + places;
      EXPECT_EQ(Format(v, plain), Format(v, "-#0." + places)) << v << " with " << plain;
    }
  }
  EXPECT_EQ(Format(-0.0004, "-0.###"), "0");
  EXPECT_EQ(Format(-0.0005, "-0.###"), "-0.001");
  EXPECT_EQ(Format(-1e20, "-0."), "-100000000000000000000");
}

}  // namespace
}  // namespace vorline
