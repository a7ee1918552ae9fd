// fib: recursive fib(30) on doubles
#include <cstdio>

static double fib(double n) { return n < 2 ? n : fib(n - 1) + fib(n - 2); }

int main(int argc, char**) {
  volatile double n = 30 + (argc - 1);  // not a constant the compiler could fold
  std::printf("%.15g\n", fib(n));
}
