// Variables, line tags, printing and the number output.
#include <charconv>
#include <cmath>
#include <limits>

#include "glue/GlueTestSupport.h"
#include "platform/values/NilObjectException.h"

namespace vorline::gluetest {
namespace {

using vorline::Variant;

struct NumberCase {
  double value;
  int64_t precision;
  int64_t mode;
  const char* expected;
};

class PrintNumberTest : public GlueFixture, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(PrintNumberTest, RoundsToThePrecisionAndWritesTheMode) {
  const NumberCase& c = GetParam();
  owner.opPrecision = c.precision;
  owner.opViewMode = c.mode;
  EXPECT_EQ(glue.printNumber(Variant::Double(c.value)), c.expected)
      << c.value << " precision " << c.precision << " mode " << c.mode;
}

constexpr double kPi = 3.14159265358979;
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Precisions, PrintNumberTest,
    ::testing::Values(
        NumberCase{kPi, 0, 0, "3"}, NumberCase{kPi, 1, 0, "3.1"}, NumberCase{kPi, 2, 0, "3.14"},
        NumberCase{kPi, 3, 0, "3.142"}, NumberCase{kPi, 4, 0, "3.1416"},
        NumberCase{kPi, 5, 0, "3.14159"}, NumberCase{kPi, 6, 0, "3.141593"},
        NumberCase{kPi, 7, 0, "3.1415927"}, NumberCase{kPi, 8, 0, "3.14159265"},
        NumberCase{kPi, 9, 0, "3.141592654"}, NumberCase{kPi, 10, 0, "3.1415926536"},
        NumberCase{kPi, 11, 0, "3.14159265359"}, NumberCase{kPi, 12, 0, "3.14159265359"},
        NumberCase{kPi, 0, 1, "3e+0"}, NumberCase{kPi, 1, 1, "3.1e+0"},
        NumberCase{kPi, 4, 1, "3.1416e+0"}, NumberCase{kPi, 8, 1, "3.14159265e+0"},
        NumberCase{kPi, 12, 1, "3.14159265359e+0"}, NumberCase{3.14159265, 4, 0, "3.1416"},
        NumberCase{7.6, 0, 0, "8"}, NumberCase{6, 4, 0, "6"}, NumberCase{6, 4, 1, "6e+0"},
        NumberCase{-0.00001, 4, 0, "0"}, NumberCase{-0.00001, 4, 1, "-1e-5"},
        NumberCase{2.5, 0, 0, "3"}, NumberCase{-2.5, 0, 0, "-3"},
        NumberCase{1.0 / 3, 12, 0, "0.333333333333"},
        NumberCase{2.0 / 3, 12, 1, "6.666666666667e-1"}, NumberCase{-1234.56789, 0, 0, "-1235"},
        NumberCase{-1234.56789, 2, 0, "-1234.57"}, NumberCase{-1234.56789, 12, 0, "-1234.56789"},
        NumberCase{-1234.56789, 2, 1, "-1.23e+3"}, NumberCase{-1234.56789, 0, 1, "-1e+3"},
        NumberCase{0.000123456, 2, 0, "0"}, NumberCase{0.000123456, 4, 0, "0.0001"},
        NumberCase{0.000123456, 4, 1, "1.2346e-4"}, NumberCase{0.000123456, 12, 1, "1.23456e-4"},
        NumberCase{1e20, 4, 0, "100000000000000000000"}, NumberCase{1e20, 4, 1, "1e+20"},
        NumberCase{1e305, 12, 1, "1e+305"},  // scaling overflows
        NumberCase{kInf, 4, 0, "INF"}, NumberCase{-kInf, 4, 1, "-INF"},
        NumberCase{std::nan(""), 4, 0, "NAN"}));

// Both modes at the precisions 0, 4 and 12, for values tiny, huge, negative and non-finite.
// Mode 0 rounds to the places first; mode 1 keeps the value and rounds its mantissa, so a tiny
// value never shows as 0e+0. No mode shows digits past the value's shortest decimal.
INSTANTIATE_TEST_SUITE_P(
    Modes, PrintNumberTest,
    ::testing::Values(
        NumberCase{1.6e-19, 0, 0, "0"}, NumberCase{1.6e-19, 4, 0, "0"},
        NumberCase{1.6e-19, 12, 0, "0"}, NumberCase{1.6e-19, 0, 1, "2e-19"},
        NumberCase{1.6e-19, 4, 1, "1.6e-19"}, NumberCase{1.6e-19, 12, 1, "1.6e-19"},
        NumberCase{1.0 / 3, 0, 0, "0"}, NumberCase{1.0 / 3, 4, 0, "0.3333"},
        NumberCase{1.0 / 3, 12, 0, "0.333333333333"}, NumberCase{1.0 / 3, 0, 1, "3e-1"},
        NumberCase{1.0 / 3, 4, 1, "3.3333e-1"}, NumberCase{1.0 / 3, 12, 1, "3.333333333333e-1"},
        NumberCase{-0.00004, 0, 0, "0"}, NumberCase{-0.00004, 4, 0, "0"},
        NumberCase{-0.00004, 12, 0, "-0.00004"}, NumberCase{-0.00004, 0, 1, "-4e-5"},
        NumberCase{-0.00004, 4, 1, "-4e-5"}, NumberCase{-0.00004, 12, 1, "-4e-5"},
        NumberCase{6.02e23, 0, 0, "602000000000000000000000"},
        NumberCase{6.02e23, 2, 0, "602000000000000000000000"},
        NumberCase{6.02e23, 4, 0, "602000000000000000000000"},
        NumberCase{6.02e23, 12, 0, "602000000000000000000000"}, NumberCase{6.02e23, 0, 1, "6e+23"},
        NumberCase{6.02e23, 4, 1, "6.02e+23"}, NumberCase{6.02e23, 12, 1, "6.02e+23"},
        NumberCase{-6.02e23, 4, 1, "-6.02e+23"}, NumberCase{1234567.1, 12, 0, "1234567.1"},
        NumberCase{1234567.1, 12, 1, "1.2345671e+6"},
        NumberCase{123456789.123456, 12, 0, "123456789.123456"},
        NumberCase{123456789.123456, 4, 0, "123456789.1235"},
        NumberCase{123456789.123456, 12, 1, "1.234567891235e+8"},
        NumberCase{-1e300, 0, 1, "-1e+300"}, NumberCase{1e-300, 12, 1, "1e-300"},
        NumberCase{0, 12, 1, "0e+0"}, NumberCase{-0.0, 4, 0, "0"}, NumberCase{-0.0, 4, 1, "0e+0"},
        NumberCase{kInf, 0, 0, "INF"}, NumberCase{kInf, 12, 1, "INF"},
        NumberCase{-kInf, 0, 0, "-INF"}, NumberCase{-kInf, 12, 1, "-INF"},
        NumberCase{std::nan(""), 0, 1, "NAN"}, NumberCase{std::nan(""), 12, 0, "NAN"}));

// Past 2^53 for the value scaled by 10^precision, rounding by multiplying and dividing in
// doubles would bring in digits the value does not hold; below it the rounding is the same
// as ever (1.005 is a little under 1.005, so it rounds down).
INSTANTIATE_TEST_SUITE_P(
    ScaledPastWholeDoubles, PrintNumberTest,
    ::testing::Values(NumberCase{989714256950687, 4, 0, "989714256950687"},
                      NumberCase{3722864671804.69, 4, 0, "3722864671804.69"},
                      NumberCase{123456789012345, 12, 0, "123456789012345"},
                      NumberCase{-989714256950687, 4, 0, "-989714256950687"},
                      NumberCase{9007199254740993.0, 0, 0, "9007199254740992"},
                      NumberCase{989714256950687, 4, 1, "9.8971e+14"},
                      NumberCase{3722864671804.69, 12, 1, "3.722864671805e+12"},
                      NumberCase{1.005, 2, 0, "1"}, NumberCase{0.125, 2, 0, "0.13"},
                      NumberCase{1234567.891, 2, 0, "1234567.89"},
                      NumberCase{900719925.4740993, 6, 0, "900719925.474099"}));

// Every whole number and every value of two places between 10^12 and 10^15 that a Double
// holds shows as its own decimal, at every precision that keeps its places.
TEST_F(GlueFixture, PrintNumberShowsTheDigitsAValueOfFewPlacesHolds) {
  uint64_t state = 12345;
  auto next = [&state] {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return state >> 11;
  };
  int wrong = 0;
  for (int i = 0; i < 4000; ++i) {
    const int64_t whole = 1000000000000 + static_cast<int64_t>(next() % 999000000000000);
    const int64_t cents = static_cast<int64_t>(next() % 100);
    for (bool withCents : {false, true}) {
      const double value =
          withCents ? static_cast<double>(whole / 100) + cents / 100.0 : static_cast<double>(whole);
      char buf[64];
      auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
      const std::string expected(buf, r.ptr);
      for (int64_t p = withCents ? 2 : 0; p <= 12; p += 2) {
        owner.opPrecision = p;
        const std::string shown = glue.printNumber(Variant::Double(value));
        if (shown != expected && ++wrong <= 5)
          ADD_FAILURE() << expected << " at precision " << p << " shows " << shown;
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(GlueFixture, PrintNumberWritesAHugeWholeValueWithoutBinaryDigits) {
  const std::string expected = "1" + std::string(300, '0');  // not 1000000000000000052504...
  for (int64_t p : {0, 4, 12}) {
    owner.opPrecision = p;
    EXPECT_EQ(glue.printNumber(Variant::Double(1e300)), expected) << "precision " << p;
  }
}

TEST_F(GlueFixture, PrintNumberTakesAnyVariantAsADouble) {
  EXPECT_EQ(glue.printNumber(Variant::Int64(42)), "42");
  EXPECT_EQ(glue.printNumber(Variant::String("2.71828")), "2.7183");
  EXPECT_EQ(glue.printNumber(Variant::String("abc")), "0");
  EXPECT_EQ(glue.printNumber(Variant::Boolean(true)), "1");
}

TEST_F(GlueFixture, PrintAnyFormatsNumbersAndPassesStrings) {
  glue.printAny(3.14159265);
  glue.printAny(int64_t{9007199254740993});  // beyond 2^53: the nearest Double prints
  glue.printAny(std::string("x = 1.23456"));
  EXPECT_EQ(owner.printed, (std::vector<std::string>{"3.1416", "9007199254740992", "x = 1.23456"}));
}

TEST_F(GlueFixture, PrintAny1GoesByTheTypeCode) {
  owner.opPrecision = 0;
  owner.opViewMode = 1;
  glue.printAny1(Variant::String("text"));
  glue.printAny1(Variant::Integer(1234567));
  glue.printAny1(Variant::Double(1234.5));
  glue.printAny1(Variant::Single(2.5f));
  EXPECT_EQ(owner.printed, (std::vector<std::string>{"text", "1234567", "1e+3", "3e+0"}));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(GlueFixture, PrintAny1RejectsOtherTypesThroughRaiseERR) {
  const Variant rejected[] = {Variant::Int64(5), Variant::UInt64(5), Variant::Boolean(true),
                              Variant()};
  for (const Variant& v : rejected) glue.printAny1(v);
  EXPECT_TRUE(owner.printed.empty());
  EXPECT_EQ(ui.boxes,
            std::vector<std::string>(4, "Unsupported data type as argument for Print()."));
  EXPECT_EQ(owner.errors, 4);
}

TEST_F(GlueFixture, RaiseERRShowsTheMessageThenSignals) {
  glue.raiseERR("bad things");
  EXPECT_EQ(ui.boxes, std::vector<std::string>{"bad things"});
  EXPECT_EQ(owner.errors, 1);
}

TEST_F(GlueFixture, SetVarStoresEachTypeAndReplacesAnyEntry) {
  glue.setVar("x", 2.5);
  glue.setVar("n", int64_t{7});
  glue.setVar("s", std::string("hi"));
  glue.setVar("X", std::string("now a string"));
  ASSERT_EQ(owner.mem.Count(), 3);
  EXPECT_EQ(owner.mem.Value("x").type(), vorline::Variant::TypeString);
  EXPECT_EQ(owner.mem.Value("x").stringValue(), "now a string");
  EXPECT_EQ(owner.mem.Value("n").type(), vorline::Variant::TypeInt64);
  EXPECT_EQ(owner.mem.Value("n").int64Value(), 7);
  EXPECT_EQ(owner.mem.Value("s").stringValue(), "hi");
}

TEST_F(GlueFixture, TagLineStoresTheIndexUnchecked) {
  glue.tagLine(3);
  EXPECT_EQ(owner.exPrintLine, 3);
  glue.tagLine(1000000);
  EXPECT_EQ(owner.exPrintLine, 1000000);
}

TEST(GlueWithoutOwner, QuietMethodsDoNothingAndTheOthersFailWithNilObject) {
  RecordingUi ui;
  vorline::installUiServices(&ui);
  ckGlue glue;
  glue.setVar("x", 1.0);
  glue.setVar("x", int64_t{1});
  glue.setVar("x", std::string("1"));
  glue.tagLine(2);
  glue.printAny(1.0);
  glue.printAny(int64_t{1});
  glue.printAny(std::string("1"));
  glue.printAny1(Variant::Int64(1));
  glue.raiseERR("unseen");
  EXPECT_FALSE(glue.rgex("a", "(", true));
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(glue.path(), "");
  EXPECT_THROW(glue.printNumber(Variant::Double(1)), vorline::NilObjectException);
  EXPECT_THROW(glue.pathToFolderitem("x"), vorline::NilObjectException);
  EXPECT_THROW(glue.readFile("x"), vorline::NilObjectException);
  EXPECT_THROW(glue.writeFile("x", "y"), vorline::NilObjectException);
  vorline::installUiServices(nullptr);
}

}  // namespace
}  // namespace vorline::gluetest
