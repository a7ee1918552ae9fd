// Micro-benchmarks of what every run of a pad does many times: printAny's number output,
// setVar into a memory of thousands of names, and date formatting.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "glue/ckGlue.h"
#include "platform/text/Format.h"
#include "platform/values/Dictionary.h"

namespace vorline {
namespace {

class BenchOwner : public ckGlueOwner {
 public:
  size_t printedBytes = 0;
  void doPrint(const std::string& text) override { printedBytes += text.size(); }
  void DoERR() override {}
  std::string msg_get_current_path() override { return "/tmp/"; }
};

void BM_PrintNumber(benchmark::State& state) {
  BenchOwner owner;
  owner.opPrecision = state.range(0);
  owner.opViewMode = state.range(1);
  ckGlue glue;
  glue.owner = &owner;
  double x = 3.14159265358979;
  for (auto _ : state) {
    glue.printAny(x);
    x += 1.0001;
  }
  benchmark::DoNotOptimize(owner.printedBytes);
}
BENCHMARK(BM_PrintNumber)->Args({4, 0})->Args({12, 0})->Args({4, 1});

void BM_FormatTwoDigits(benchmark::State& state) {
  double d = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vorline::Format(d, "00"));
    d = d >= 59 ? 0 : d + 1;
  }
}
BENCHMARK(BM_FormatTwoDigits);

// setVar of one name in a memory that already holds n names.
void BM_SetVarInLargeMemory(benchmark::State& state) {
  BenchOwner owner;
  std::vector<std::string> names;
  for (int64_t i = 0; i < state.range(0); ++i) {
    names.push_back("Variable_" + std::to_string(i));
    owner.mem.SetValue(names.back(), vorline::Variant::Int64(0));
  }
  ckGlue glue;
  glue.owner = &owner;
  size_t i = 0;
  for (auto _ : state) {
    glue.setVar(names[i], 1.5);
    i = (i + 7919) % names.size();
  }
}
BENCHMARK(BM_SetVarInLargeMemory)->Arg(100)->Arg(10000);

void BM_FormatDate(benchmark::State& state) {
  setenv("TZ", "UTC", 1);
  tzset();
  ckGlue glue;
  double t = 1796756709;
  for (auto _ : state) {
    benchmark::DoNotOptimize(glue.date_formatDate("Y-m-d H:i:s", t));
    t += 61;
  }
}
BENCHMARK(BM_FormatDate);

}  // namespace
}  // namespace vorline

BENCHMARK_MAIN();
