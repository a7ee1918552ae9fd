// plot: 1,000,001 points x = -10 + k*0.00002, y = sin(x)*cos(x/2) + sqrt(abs(x)); sum, min, max
#include <cmath>
#include <cstdio>

int main() {
  double sum = 0, mn = INFINITY, mx = -INFINITY;
  for (long k = 0; k <= 1000000; ++k) {
    double x = -10 + static_cast<double>(k) * 0.00002;
    double y = std::sin(x) * std::cos(x / 2) + std::sqrt(std::fabs(x));
    sum += y;
    if (y < mn) mn = y;
    if (y > mx) mx = y;
  }
  std::printf("%.15g %.15g %.15g\n", sum, mn, mx);
}
