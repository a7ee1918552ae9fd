// andor: a 2,000 x 2,000 grid over [-1.5, 1.5) walked by nested while loops whose conditions
// join comparisons with and; points in a ring or a corner are counted by a test that joins
// them with and and or
#include <cstdint>
#include <cstdio>

int main(int argc, char**) {
  volatile double step = 0.0015 + (argc - 1);  // not a constant the compiler could fold
  int64_t count = 0;
  double y = -1.5;
  while (y < 1.5 && count >= 0) {
    double x = -1.5;
    while (x < 1.5 && count >= 0) {
      double r = x * x + y * y;
      if ((r < 1 && r > 0.25) || (x > 1.2 && y < -1.2)) ++count;
      x = x + step;
    }
    y = y + step;
  }
  std::printf("%lld\n", static_cast<long long>(count));
}
