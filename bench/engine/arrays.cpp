// arrays: a sieve of Eratosthenes over a vector of 0..1,000,000; the number of primes and their sum
#include <cstdint>
#include <cstdio>
#include <vector>

int main() {
  const int64_t n = 1000000;
  std::vector<int64_t> flags(n + 1, 0);
  int64_t count = 0, total = 0;
  for (int64_t i = 2; i <= n; ++i) {
    if (flags[i] != 0) continue;
    ++count;
    total += i;
    for (int64_t j = i * i; j <= n; j += i) flags[j] = 1;
  }
  std::printf("%lld %lld\n", static_cast<long long>(count), static_cast<long long>(total));
}
