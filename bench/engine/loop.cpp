// loop: i = 1 to 20,000,000 (integer), s = s + i*0.5 - (i mod 7) (double)
#include <cstdint>
#include <cstdio>

int main() {
  double s = 0;
  for (int64_t i = 1; i <= 20000000; ++i)
    s = s + static_cast<double>(i) * 0.5 - static_cast<double>(i % 7);
  std::printf("%.15g\n", s);
}
