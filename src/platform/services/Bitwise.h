// The framework's Bitwise shifts on unsigned 64-bit values within a width of 8, 16, 32 or 64
// bits: the value is first cut to the width, bits shifted out of the width are lost, and a
// count of the width or more gives 0.
#pragma once

#include <cstdint>

namespace vorline {

class Bitwise {
 public:
  static uint64_t OnesComplement(uint64_t value) { return ~value; }
  // Throw UnsupportedFormatException for a width other than 8, 16, 32 or 64, or a negative count.
  static uint64_t ShiftLeft(uint64_t value, int64_t count, int64_t width = 64);
  static uint64_t ShiftRight(uint64_t value, int64_t count, int64_t width = 64);
};

}  // namespace vorline
