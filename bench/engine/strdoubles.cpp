// strdoubles: str(i / 7) for i = 1 to 300,000; the total length of the texts and the last one
#include <cstdio>

int main() {
  long total = 0;
  char text[32];
  for (int i = 1; i <= 300000; ++i) total += std::snprintf(text, sizeof text, "%.15g", i / 7.0);
  std::printf("%ld %.15g\n", total, 300000 / 7.0);
}
