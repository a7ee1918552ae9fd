// Converting pads of 1,000, 10,000 and 100,000 mixed lines: the time per line must not grow
// with the size of the pad. Each run checks the script's size against the first run's, so a
// change in what is converted shows.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <unordered_set>

#include "converter/ckConverterOwner.h"
#include "converter/ckScriptConverter.h"

namespace vorline {
namespace {

// A host as cheap as the window's: a hashed memory and a counter of registered lines.
class BenchOwner : public ckConverterOwner {
 public:
  bool msg_memory_has_symbol(std::string_view name) override {
    return memory.count(std::string(name)) > 0;
  }
  void msg_memory_create_symbol(const std::string& name, const std::string&) override {
    memory.insert(name);
  }
  int64_t msg_append_source_line(std::string_view line) override {
    bytes += line.size();
    return lines++;
  }
  std::string msg_memory_get_symbol_declares() override { return "dim ans as double = 0\n"; }
  std::string msg_memory_get_array_declares() override { return {}; }
  std::string msg_get_current_path() override { return "/nonexistent/"; }
  void msg_memory_reset() override { memory.clear(); }
  void msg_set_debug_flag(bool) override {}

  std::unordered_set<std::string> memory{"ans"};
  int64_t lines = 0;
  size_t bytes = 0;
};

// A pad of the given number of lines, mixing every kind of line a pad holds.
std::string mixedPad(int64_t lines) {
  static const char* const kinds[] = {
      "x%d = %d*3 + ans // 42",
      "x%d + 1",
      "print x%d",
      "",
      "def f%d(a, b) c = a+b; return c*%d",
      "if x%d>0 print x%d; y = 5",
      "# a comment %d",
      "v%d = {1, 2, {3, %d}}",
      "$s%d = \"text [%d] $1\"",
      "dim q%d",
      "when (x%d > 2) z = %d",
      "sqrt(x%d) * 2 - %d",
  };
  std::string pad = "#start_include\ndef half(x) return x/2\nk = 7\n#end_include\n";
  char line[128];
  const int64_t kindCount = sizeof kinds / sizeof kinds[0];
  for (int64_t i = 0; i < lines; ++i) {
    const int n = static_cast<int>(i);
    std::snprintf(line, sizeof line, kinds[i % kindCount], n, n);
    pad += line;
    if (i + 1 < lines) pad += '\n';
  }
  return pad;
}

void BM_ConvertMixedPad(benchmark::State& state) {
  const std::string pad = mixedPad(state.range(0));
  size_t expectedSize = 0;
  for (auto _ : state) {
    BenchOwner owner;
    ckScriptConverter converter;
    converter.owner = &owner;
    const std::string script = converter.convertSource(pad);
    if (expectedSize == 0) expectedSize = script.size();
    if (script.size() != expectedSize) state.SkipWithError("the script changed between runs");
    benchmark::DoNotOptimize(script.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["ns_per_line"] =
      benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_ConvertMixedPad)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorline

BENCHMARK_MAIN();
