// strbuild: a string built from 300,000 pieces that a function makes, then its length and the
// number of "<99>" in it
#include <cstdio>
#include <string>

[[gnu::noinline]] static std::string item(int i) { return "<" + std::to_string(i % 1000) + ">"; }

int main() {
  std::string s;
  for (int i = 1; i <= 300000; ++i) s += item(i);
  size_t count = 0;
  for (size_t at = s.find("<99>"); at != std::string::npos; at = s.find("<99>", at + 4)) ++count;
  std::printf("%zu %zu\n", s.size(), count);
}
