// A 10,000-line pad through the headless calculator window, as padrun runs it: Calculator > Run
// (prefix block, conversion, engine, rebuild of the pad) and, apart, the conversion alone, so
// that the engine's share is the difference. The pad mixes assignments over 100 variables,
// bare expressions, prints, comments and blank lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "PadRunner.h"
#include "platform/ui/TextArea.h"
#include "shell/Globals.h"
#include "window/FrmMain.h"

namespace {

std::string tenThousandLines() {
  std::string pad;
  for (int i = 0; i < 10000; ++i) {
    const std::string x = "x" + std::to_string(i % 100);
    const std::string y = "x" + std::to_string((i + 7) % 100);
    switch (i % 5) {
      case 0:
        pad += x + " = " + std::to_string(i) + " * 1.5 + " + y + "\n";
        break;
      case 1:
        pad += x + " + " + y + " / 3\n";
        break;
      case 2:
        pad += "print " + x + "\n";
        break;
      case 3:
        pad += "# note " + std::to_string(i) + "\n";
        break;
      default:
        pad += "\n";
        break;
    }
  }
  return pad;
}

// Lines of the rebuilt pad, as a check that the whole pad ran.
int64_t lineCount(const std::string& text) {
  return static_cast<int64_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

void BM_PadRun10k(benchmark::State& state) {
  vorline::PadRunner runner(vorline::PadRunOptions{});
  const std::string pad = tenThousandLines();
  runner.RunText(pad);  // the memory holds every variable from now on, as in daily use
  for (auto _ : state) {
    runner.window().Sourcetxt()->SetText(pad);
    runner.window()._mnuRun_Action();
  }
  state.counters["lines"] = static_cast<double>(lineCount(runner.window().Sourcetxt()->Text()));
}
BENCHMARK(BM_PadRun10k)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_Convert10k(benchmark::State& state) {
  vorline::PadRunner runner(vorline::PadRunOptions{});
  const std::string pad = tenThousandLines();
  runner.RunText(pad);
  const std::string run =
      "#start_include\n" + vorline::Globals::prefixSource + "\n#end_include\n" + pad;
  for (auto _ : state) {
    runner.window().parseSource.clear();
    benchmark::DoNotOptimize(runner.window().myConverter->convertSource(run));
  }
}
BENCHMARK(BM_Convert10k)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
