// strings: str(i) for i = 1 to 200,000 joined with ",", its length and the non-overlapping "99"
#include <cstdio>
#include <string>

int main() {
  std::string s;
  for (int i = 1; i <= 200000; ++i) {
    if (i > 1) s += ',';
    s += std::to_string(i);
  }
  size_t count = 0;
  for (size_t pos = s.find("99"); pos != std::string::npos; pos = s.find("99", pos + 2)) ++count;
  std::printf("%zu %zu\n", s.size(), count);
}
