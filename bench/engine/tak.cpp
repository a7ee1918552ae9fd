// tak: the Takeuchi function on 64-bit integers, tak(26, 18, 9): deep recursion with three
// arguments
#include <cstdint>
#include <cstdio>

static int64_t tak(int64_t x, int64_t y, int64_t z) {
  return y < x ? tak(tak(x - 1, y, z), tak(y - 1, z, x), tak(z - 1, x, y)) : z;
}

int main(int argc, char**) {
  volatile int64_t x = 26 + (argc - 1);  // not a constant the compiler could fold
  std::printf("%lld\n", static_cast<long long>(tak(x, 18, 9)));
}
