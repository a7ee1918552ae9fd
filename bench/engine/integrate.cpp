// integrate: the midpoint rule for 4/(1+x^2) over 0..1 with 2,000,000 calls of a function
#include <cstdio>

// Kept out of line, so that the calls are made.
__attribute__((noinline)) double f(double x) { return 4 / (1 + x * x); }

int main() {
  const int n = 2000000;
  const double h = 1.0 / n;
  double s = 0;
  for (int k = 0; k < n; ++k) s = s + f((k + 0.5) * h);
  std::printf("%.15g\n", s * h);
}
