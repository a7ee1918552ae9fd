// Whole numbers, random numbers, padding, field tokens and bit operations.
#include <set>

#include "glue/GlueTestSupport.h"
#include "platform/script/ScriptEngine.h"

namespace vorline::gluetest {
namespace {

TEST_F(GlueFixture, TruncRoundsTowardMinusInfinity) {
  const std::pair<double, double> cases[] = {{2.7, 2}, {-2.5, -3}, {-2, -2}, {0.2, 0}, {-0.2, -1}};
  for (auto [in, out] : cases) EXPECT_EQ(glue.trunc(in), out) << in;
  EXPECT_EQ(glue.intval(5), 5);
  EXPECT_EQ(glue.intval(INT64_MIN), INT64_MIN);
}

TEST_F(GlueFixture, StringPadAddsThePadWidthMinusLengthTimes) {
  struct Case {
    const char* text;
    const char* pad;
    int64_t width;
    bool right;
    const char* expected;
  } cases[] = {
      {"7", "0", 3, false, "007"},    {"7", "0", 3, true, "700"},   {"1234", "0", 3, false, "1234"},
      {"7", "ab", 3, false, "abab7"}, {"7", "", 9, false, "7"},     {"7", "0", 0, false, "7"},
      {"7", "0", -5, true, "7"},      {"äö", "·", 4, true, "äö··"}, {"", "x", 2, false, "xx"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(glue.stringPad(c.text, c.pad, c.width, c.right), c.expected)
        << c.text << "|" << c.pad;
    if (!c.right) {
      EXPECT_EQ(glue.stringPad(c.text, c.pad, c.width), c.expected);
    }
  }
}

TEST_F(GlueFixture, StringPadBeyondTheSizeLimitIsAnError) {
  EXPECT_THROW(glue.stringPad("", "ab", INT64_MAX), vorline::RuntimeException);
}

TEST_F(GlueFixture, StringFieldIsAlwaysEmpty) {
  for (int64_t n : {0, 1, 35, -1, 1000}) EXPECT_EQ(glue.stringField(n), "");
}

TEST_F(GlueFixture, BitOperations) {
  EXPECT_EQ(glue.BitwiseOnesComplement(0), UINT64_MAX);
  EXPECT_EQ(glue.BitwiseOnesComplement(0xF0F0F0F0F0F0F0F0ull), 0x0F0F0F0F0F0F0F0Full);
  EXPECT_EQ(glue.BitwiseShiftLeft(1, 3), 8u);
  EXPECT_EQ(glue.BitwiseShiftRight(8, 3), 1u);
  EXPECT_EQ(glue.BitwiseShiftLeft(1, 63), 0x8000000000000000ull);
  EXPECT_EQ(glue.BitwiseShiftLeft(1, 64), 0u);
  EXPECT_EQ(glue.BitwiseShiftLeftB(0xFF, 4, 8), 0xF0u);
  EXPECT_EQ(glue.BitwiseShiftRightB(0xFFFF, 4, 8), 0x0Fu);
  EXPECT_THROW(glue.BitwiseShiftLeftB(1, 1, 7), vorline::RuntimeException);
}

TEST_F(GlueFixture, RandomNumbersStayInTheirRange) {
  std::set<int64_t> seen;
  for (int i = 0; i < 500; ++i) {
    int64_t r = glue.rnd(-2, 2);
    ASSERT_GE(r, -2);
    ASSERT_LE(r, 2);
    seen.insert(r);
  }
  EXPECT_EQ(seen.size(), 5u);
  double a = glue.rndg(), b = glue.rndg();
  EXPECT_NE(a, b);
}

}  // namespace
}  // namespace vorline::gluetest
