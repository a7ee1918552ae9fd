#include "platform/services/Bitwise.h"

#include <string>

#include "platform/values/UnsupportedFormatException.h"

namespace vorline {
namespace {

// The mask of the width's bits, after checking the width and the count.
uint64_t widthMask(int64_t count, int64_t width) {
  if (width != 8 && width != 16 && width != 32 && width != 64)
    throw UnsupportedFormatException("a shift width of " + std::to_string(width) + " bits");
  if (count < 0) throw UnsupportedFormatException("a negative shift count");
  return width == 64 ? ~0ull : (1ull << width) - 1;
}

}  // namespace

uint64_t Bitwise::ShiftLeft(uint64_t value, int64_t count, int64_t width) {
  uint64_t mask = widthMask(count, width);
  if (count >= width) return 0;
  return ((value & mask) << count) & mask;
}

uint64_t Bitwise::ShiftRight(uint64_t value, int64_t count, int64_t width) {
  uint64_t mask = widthMask(count, width);
  if (count >= width) return 0;
  return (value & mask) >> count;
}

}  // namespace vorline
