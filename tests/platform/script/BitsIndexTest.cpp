// The compiler's constant pools find a number by its exact bit pattern: patterns that compare
// equal as numbers (0 and -0, 1 and 1.0) stay apart, and nothing is lost when the table grows
// or found after it is cleared.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

#include "platform/script/BitsIndex.h"

namespace vorline::test {
namespace {

using script::BitsIndex;

uint64_t bitsOf(double d) { return std::bit_cast<uint64_t>(d); }

TEST(BitsIndex, KeepsPatternsThatAreEqualNumbersApart) {
  const uint64_t patterns[] = {
      0,
      bitsOf(-0.0),
      1,
      bitsOf(1.0),
      bitsOf(std::numeric_limits<double>::quiet_NaN()),
      bitsOf(-std::numeric_limits<double>::quiet_NaN()),
      UINT64_MAX,
  };
  BitsIndex index;
  for (uint32_t i = 0; i < std::size(patterns); ++i)
    EXPECT_TRUE(index.insert(patterns[i], i).second) << i;
  for (uint32_t i = 0; i < std::size(patterns); ++i) {
    const uint32_t* found = index.find(patterns[i]);
    ASSERT_NE(found, nullptr) << i;
    EXPECT_EQ(*found, i);
    auto [kept, added] = index.insert(patterns[i], 99);
    EXPECT_FALSE(added);
    EXPECT_EQ(kept, i) << "a second insert keeps the first value";
  }
  EXPECT_EQ(index.size(), std::size(patterns));
}

// Whole Doubles differ only in their high bits, small integers only in their low ones: both
// must survive many doublings of the table.
TEST(BitsIndex, GrowingKeepsEveryEntry) {
  BitsIndex index;
  constexpr uint32_t kCount = 20000;
  for (uint32_t i = 0; i < kCount; ++i) {
    index.insert(bitsOf(10.0 * i), 2 * i);
    index.insert(5 * i + 1, 2 * i + 1);
  }
  EXPECT_EQ(index.size(), 2 * kCount);
  for (uint32_t i = 0; i < kCount; ++i) {
    const uint32_t* d = index.find(bitsOf(10.0 * i));
    const uint32_t* n = index.find(5 * i + 1);
    ASSERT_TRUE(d && n) << i;
    EXPECT_EQ(*d, 2 * i);
    EXPECT_EQ(*n, 2 * i + 1);
  }
  EXPECT_EQ(index.find(bitsOf(5.0)), nullptr);
}

TEST(BitsIndex, ClearForgetsEverything) {
  BitsIndex index;
  for (uint32_t i = 0; i < 100; ++i) index.insert(i, i);
  index.clear();
  EXPECT_EQ(index.size(), 0u);
  for (uint32_t i = 0; i < 100; ++i) EXPECT_EQ(index.find(i), nullptr) << i;
  EXPECT_TRUE(index.insert(7, 1).second);
}

}  // namespace
}  // namespace vorline::test
