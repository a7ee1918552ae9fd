#include "platform/text/DecimalDigits.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace vorline {
namespace {

__extension__ using Uint128 = unsigned __int128;

// 10^0 to 10^22: every one is exact in a Double.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxQuickPlaces = 22;

constexpr auto kWidePowersOfTen = [] {
  std::array<Uint128, 23> powers{};
  Uint128 p = 1;
  for (Uint128& power : powers) {
    power = p;
    p *= 10;
  }
  return powers;
}();

constexpr uint64_t kFifteenDigitsStart = 100'000'000'000'000;  // 10^14
constexpr uint64_t kFifteenDigitsEnd = 1'000'000'000'000'000;  // 10^15

constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The last `count` digits of v (an even count), two at a time, ending before end.
void writeDigitPairs(char* end, uint32_t v, int count) {
  for (; count > 0; count -= 2) {
    std::memcpy(end -= 2, &kDigitPairs[2 * (v % 100)], 2);
    v /= 100;
  }
}

// The fifteen digits of n, from 10^14 to 10^15, trailing zeros dropped; the first stands at
// 10^exponent.
void setFifteenDigits(DecimalDigits& out, uint64_t n, int exponent) {
  const auto high = static_cast<uint32_t>(n / 100'000'000);  // seven digits
  const auto low = static_cast<uint32_t>(n % 100'000'000);
  out.digits[0] = static_cast<char>('0' + high / 1'000'000);
  writeDigitPairs(out.digits + 7, high % 1'000'000, 6);
  writeDigitPairs(out.digits + 15, low, 8);
  out.count = 15;
  while (out.digits[out.count - 1] == '0') --out.count;
  out.exponent = exponent;
}

// FifteenDigits for 1e-5 <= magnitude < 1e15, the display form's plain range, from the exact
// binary value: magnitude * 10^k is mantissa * 10^k / 2^shift, whose whole part and remainder
// 128-bit integers hold. False for an exact tie, which the general path rounds.
bool fifteenDigitsExactly(double magnitude, DecimalDigits& out) {
  if (!(magnitude >= 1e-5 && magnitude < 1e15)) return false;
  const auto bits = std::bit_cast<uint64_t>(magnitude);
  const int biased = static_cast<int>(bits >> 52);
  const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
  const int shift = 1075 - biased;  // from 3 to 70 in this range
  const Uint128 half = Uint128{1} << (shift - 1);
  // floor(log10(2^e)) for the binary exponent e: the decimal exponent or one less.
  int exponent = ((biased - 1023) * 78913) >> 18;
  for (;;) {
    const Uint128 product =
        Uint128{mantissa} * kWidePowersOfTen[static_cast<size_t>(14 - exponent)];
    const Uint128 whole = product >> shift;
    if (whole >= kFifteenDigitsEnd) {
      ++exponent;
      continue;
    }
    const Uint128 rest = product & ((half << 1) - 1);
    if (rest == half) return false;
    uint64_t n = static_cast<uint64_t>(whole) + (rest > half ? 1 : 0);
    if (n == kFifteenDigitsEnd) {
      n = kFifteenDigitsStart;
      ++exponent;
    }
    setFifteenDigits(out, n, exponent);
    return true;
  }
}

}  // namespace

DecimalDigits FifteenDigits(double magnitude) {
  DecimalDigits out;
  if (fifteenDigitsExactly(magnitude, out)) return out;
  return FifteenDigitsByToChars(magnitude);
}

DecimalDigits FifteenDigitsByToChars(double magnitude) {
  // "d.dddddddddddddde+XX", already rounded.
  char buf[32];
  const char* end =
      std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14).ptr;
  const std::string_view text(buf, static_cast<size_t>(end - buf));
  const size_t e = text.find('e');
  DecimalDigits out;
  for (size_t i = 0; i < e; ++i)
    if (text[i] != '.') out.digits[out.count++] = text[i];
  while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
  for (size_t i = e + 2; i < text.size(); ++i) out.exponent = out.exponent * 10 + (text[i] - '0');
  if (text[e + 1] == '-') out.exponent = -out.exponent;
  return out;
}

// With x = |value| * 10^places below 2^50, the values that read back as value span less than a
// quarter of 10^-places: so one decimal of `places` digits at most reads back as value, within
// an eighth of x once scaled (x's own rounding adds a sixteenth at most). That decimal is then
// round(x), and the shortest decimal is it with its trailing zeros dropped.
int FitsPlaces(double value, int64_t places, int64_t& scaled) {
  if (places < 0 || places > kMaxQuickPlaces) return -1;
  const double scale = kPowersOfTen[static_cast<size_t>(places)];
  const double magnitude = std::fabs(value);
  const double x = magnitude * scale;
  if (!(x < 0x1p50)) return -1;
  const auto m = static_cast<int64_t>(x + 0.5);
  if (static_cast<double>(m) / scale != magnitude) return 0;
  scaled = value < 0 ? -m : m;
  return 1;
}

}  // namespace vorline
