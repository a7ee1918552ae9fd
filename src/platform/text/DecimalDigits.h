// Decimal digits of a Double for the number texts. Each has a quick exact path for the common
// magnitudes, in integer arithmetic, and otherwise reads the digits std::to_chars writes; both
// give the same digits for every value.
#pragma once

#include <cstdint>

namespace vorline {

// A positive decimal d.ddd times 10^exponent: count digits, the last one not 0.
struct DecimalDigits {
  char digits[20];
  int count = 0;
  int exponent = 0;
};

// A finite magnitude above 0 rounded to fifteen significant digits, as printf's "%.14e" rounds
// it (to nearest, a tie to even), trailing zeros dropped.
DecimalDigits FifteenDigits(double magnitude);
// The same from the digits of std::to_chars alone: the reference the quick path agrees with.
DecimalDigits FifteenDigitsByToChars(double magnitude);

// Whether the shortest decimal that reads back as value has at most `places` digits after the
// point: 1, with scaled = that decimal times 10^places; 0 when it has more; -1 when the quick
// test does not apply (places past 22, or |value| times 10^places from 2^50 on, NaN, infinity).
int FitsPlaces(double value, int64_t places, int64_t& scaled);

}  // namespace vorline
