// The quick paths of the number digits agree with the digits of std::to_chars: the display
// form's fifteen digits, and whether the shortest round-trip decimal fits a number of places.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/DecimalDigits.h"

namespace vorline {
namespace {

std::string text(const DecimalDigits& d) {
  return std::string(d.digits, static_cast<size_t>(d.count)) + "e" + std::to_string(d.exponent);
}

// Places after the point of the shortest decimal that reads back as value.
int shortestPlaces(double value) {
  char buf[400];  // room for the smallest subnormal's 324 places
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  const std::string_view t(buf, static_cast<size_t>(r.ptr - buf));
  const size_t point = t.find('.');
  return point == std::string_view::npos ? 0 : static_cast<int>(t.size() - point - 1);
}

// Values where rounding or the choice of path is easy to get wrong.
std::vector<double> trickyValues() {
  std::vector<double> v = {0.1 + 0.2,
                           1.0 / 3,
                           2.0 / 3,
                           0.1,
                           0.125,
                           1.005,
                           2.675,
                           9007199254740991.0,
                           9007199254740993.0,
                           4503599627370497.5,
                           123456789012345.6,
                           999999999999999.4,
                           999999999999999.5,
                           999999999999999.9,
                           99999999999999.95,
                           0.000099999999999999995,
                           0.00001,
                           9.999999999999995e-6,
                           1e-5,
                           1e15,
                           1e16,
                           1e21,
                           1e22,
                           1e23,
                           5e-324,
                           2.2250738585072014e-308,
                           2.2250738585072009e-308,
                           1.7976931348623157e308,
                           42857.0 + 1.0 / 7,
                           0.5,
                           1.5,
                           2.5,
                           0.000012345678901234567,
                           1234567.8901234567};
  // Ties and near-ties at the sixteenth digit, the boundaries of the powers of ten.
  for (int k = -7; k <= 16; ++k) {
    const double p = std::pow(10.0, k);
    double below = p, above = p;
    for (int i = 0; i < 8; ++i) {
      v.push_back(below = std::nextafter(below, 0.0));
      v.push_back(above = std::nextafter(above, 1e300));
    }
    v.push_back(p * (1 - 5e-16));
    v.push_back(1.234567890123455 * p);
    v.push_back(1.000000000000005 * p);
  }
  for (int i = 1; i <= 64; ++i) v.push_back(std::ldexp(static_cast<double>(2 * i + 1), -i));
  return v;
}

// Many values over the magnitudes, from a fixed seed: every bit pattern of the mantissa.
std::vector<double> spreadValues() {
  std::vector<double> v;
  std::mt19937_64 random(20260101);
  for (int i = 0; i < 200000; ++i) {
    const uint64_t exponent = 990 + random() % 90;  // 2^-33 to 2^56
    const uint64_t bits = (random() & ((uint64_t{1} << 52) - 1)) | (exponent << 52);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    v.push_back(d);
  }
  for (int i = 1; i <= 100000; ++i) {
    v.push_back(i / 7.0);
    v.push_back(i * 0.001);
  }
  return v;
}

TEST(FifteenDigits, AgreesWithToChars) {
  for (const std::vector<double>& values : {trickyValues(), spreadValues()}) {
    for (double value : values) {
      const double magnitude = std::fabs(value);
      ASSERT_EQ(text(FifteenDigits(magnitude)), text(FifteenDigitsByToChars(magnitude))) << value;
    }
  }
}

TEST(FitsPlaces, AgreesWithTheShortestDecimal) {
  std::vector<double> values = trickyValues();
  for (double v : spreadValues()) values.push_back(v);
  // Short decimals at every scale the quick test covers, and their neighbours.
  for (int places = 0; places <= 22; ++places) {
    for (double m : {1.0, 3.0, 125.0, 999999.0, 123456789.0, 1125899906842623.0}) {
      const double d = m / std::pow(10.0, places);
      values.insert(values.end(), {d, -d, std::nextafter(d, 0.0), std::nextafter(d, 1e300)});
    }
  }
  for (double value : values) {
    const int shortest = shortestPlaces(value);
    for (int places = 0; places <= 24; ++places) {
      int64_t scaled = 0;
      const int fits = FitsPlaces(value, places, scaled);
      if (fits < 0) continue;
      ASSERT_EQ(fits == 1, shortest <= places) << value << " at " << places;
      if (fits == 1) {
        ASSERT_EQ(static_cast<double>(scaled) / std::pow(10.0, places), value) << value;
      }
    }
  }
}

TEST(FitsPlaces, LeavesWhatItCannotTellQuickly) {
  int64_t scaled = 0;
  EXPECT_EQ(FitsPlaces(0.5, 23, scaled), -1);
  EXPECT_EQ(FitsPlaces(0.5, -1, scaled), -1);
  EXPECT_EQ(FitsPlaces(1e15, 1, scaled), -1);
  EXPECT_EQ(FitsPlaces(std::nan(""), 2, scaled), -1);
  EXPECT_EQ(FitsPlaces(-std::numeric_limits<double>::infinity(), 2, scaled), -1);
  EXPECT_EQ(FitsPlaces(-2.5, 1, scaled), 1);
  EXPECT_EQ(scaled, -25);
  EXPECT_EQ(FitsPlaces(-0.0, 0, scaled), 1);
  EXPECT_EQ(scaled, 0);
}

}  // namespace
}  // namespace vorline
