// arraycalls: a vector of 0..100,000 read and written only through small functions; ten passes
// of running sums modulo 1,000,003, then the sum of the elements
#include <cstdint>
#include <cstdio>
#include <vector>

[[gnu::noinline]] static int64_t getAt(const std::vector<int64_t>& a, int64_t i) {
  return a[static_cast<size_t>(i)];
}
[[gnu::noinline]] static void setAt(std::vector<int64_t>& a, int64_t i, int64_t v) {
  a[static_cast<size_t>(i)] = v;
}

int main() {
  const int64_t n = 100000;
  std::vector<int64_t> a(static_cast<size_t>(n) + 1);
  for (int64_t i = 0; i <= n; ++i) setAt(a, i, (i * 7919) % 10007);
  for (int pass = 1; pass <= 10; ++pass)
    for (int64_t i = 1; i <= n; ++i) setAt(a, i, (getAt(a, i - 1) + getAt(a, i)) % 1000003);
  int64_t total = 0;
  for (int64_t i = 0; i <= n; ++i) total += getAt(a, i);
  std::printf("%lld\n", static_cast<long long>(total));
}
