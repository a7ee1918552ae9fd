// The framework's Random: numbers from the system's well-seeded generator (no seed is set).
#pragma once

#include <cstdint>

namespace vorline {

class Random {
 public:
  // A whole number from low to high, both included; the bounds may come in either order.
  int64_t InRange(int64_t low, int64_t high);
  // A normally distributed number with mean 0 and standard deviation 1.
  double Gaussian();
};

}  // namespace vorline
