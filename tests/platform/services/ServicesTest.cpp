// The small services: regular expressions, URL encoding, random numbers and bit shifts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>

#include "platform/services/Bitwise.h"
#include "platform/services/Random.h"
#include "platform/services/RegEx.h"
#include "platform/text/EncodeURLComponent.h"
#include "platform/values/RegExException.h"

namespace vorline {
namespace {

bool matches(const char* subject, const char* pattern, bool caseSensitive) {
  RegEx re;
  re.Options.CaseSensitive = caseSensitive;
  re.SearchPattern = pattern;
  return re.Search(subject).has_value();
}

TEST(RegEx, SearchesWithOrWithoutLetterCase) {
  EXPECT_TRUE(matches("ABC", "b", false));
  EXPECT_FALSE(matches("ABC", "b", true));
  EXPECT_TRUE(matches("größe", "GRÖSSE|GRÖßE", false));
  EXPECT_TRUE(matches("x = 42", "\\d+$", true));
  EXPECT_FALSE(matches("", "a", true));
}

TEST(RegEx, ABadPatternRaisesWithTheEnginesMessage) {
  RegEx re;
  re.SearchPattern = "(ab";
  try {
    re.Search("abc");
    FAIL() << "no exception";
  } catch (const RegExException& e) {
    EXPECT_NE(e.Message.find("missing closing parenthesis"), std::string::npos) << e.Message;
  }
}

TEST(EncodeURLComponent, KeepsOnlyUnreservedCharacters) {
  EXPECT_EQ(EncodeURLComponent("a b&c=d/e?f"), "a%20b%26c%3Dd%2Fe%3Ff");
  EXPECT_EQ(EncodeURLComponent("AZaz09-._~"), "AZaz09-._~");
  EXPECT_EQ(EncodeURLComponent("é"), "%C3%A9");
  EXPECT_EQ(EncodeURLComponent(""), "");
}

TEST(Random, InRangeIncludesBothBoundsInEitherOrder) {
  Random r;
  std::set<int64_t> seen;
  for (int i = 0; i < 2000; ++i) {
    int64_t v = r.InRange(3, 1);
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 3);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(r.InRange(5, 5), 5);
  r.InRange(INT64_MIN, INT64_MAX);  // the whole span is allowed
}

TEST(Random, GaussianHasMeanZeroAndSpreadOne) {
  Random r;
  double sum = 0, squares = 0;
  const int n = 20000;
  for (int i = 0; i < n; ++i) {
    double v = r.Gaussian();
    sum += v;
    squares += v * v;
  }
  EXPECT_NEAR(sum / n, 0, 0.05);
  EXPECT_NEAR(std::sqrt(squares / n), 1, 0.05);
}

struct ShiftCase {
  uint64_t value;
  int64_t count, width;
  uint64_t left, right;
};

TEST(Bitwise, ShiftsWithinTheirWidth) {
  const ShiftCase cases[] = {
      {1, 3, 64, 8, 0},
      {8, 3, 64, 64, 1},
      {0x80, 1, 8, 0, 0x40},      // the top bit leaves an 8-bit width
      {0x1FF, 1, 8, 0xFE, 0x7F},  // the value is cut to the width first
      {0xFFFFFFFFFFFFFFFFull, 4, 32, 0xFFFFFFF0ull, 0x0FFFFFFFull},
      {5, 64, 64, 0, 0},  // a count of the width clears everything
      {5, 0, 16, 5, 5},
  };
  for (const ShiftCase& c : cases) {
    EXPECT_EQ(Bitwise::ShiftLeft(c.value, c.count, c.width), c.left) << c.value << " " << c.count;
    EXPECT_EQ(Bitwise::ShiftRight(c.value, c.count, c.width), c.right) << c.value << " " << c.count;
  }
  EXPECT_EQ(Bitwise::OnesComplement(0), UINT64_MAX);
}

TEST(Bitwise, UnsupportedWidthsAndNegativeCountsRaise) {
  EXPECT_THROW(Bitwise::ShiftLeft(1, 1, 12), RuntimeException);
  EXPECT_THROW(Bitwise::ShiftRight(1, 1, 0), RuntimeException);
  EXPECT_THROW(Bitwise::ShiftLeft(1, -1, 64), RuntimeException);
}

}  // namespace
}  // namespace vorline
