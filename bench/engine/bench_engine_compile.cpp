// Compile time of a generated 10,000-line script (the target: under 20 ms), and of compiling and
// running it with a quiet context.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/script/Engine.h"
#include "platform/script/ScriptContext.h"
#include "platform/script/ScriptEngine.h"

namespace {

class QuietContext : public vorline::ScriptContext {
 public:
  QuietContext() {
    using T = vorline::ScriptType;
    auto quiet = [](const vorline::Variant*, std::size_t) { return vorline::Variant(); };
    methods_ = {{"setVar", {T::String, T::Double}, T::Void, quiet},
                {"tagLine", {T::Int64}, T::Void, quiet},
                {"setVar", {T::String, T::Int64}, T::Void, quiet},
                {"setVar", {T::String, T::String}, T::Void, quiet},
                {"printAny", {T::String}, T::Void, quiet},
                {"printAny", {T::Int64}, T::Void, quiet},
                {"printAny", {T::Double}, T::Void, quiet}};
  }
  const std::vector<vorline::ContextMethod>& methods() const override { return methods_; }

 private:
  std::vector<vorline::ContextMethod> methods_;
};

// A script as the converter writes it for a long pad: definitions, the memory declarations,
// then per pad line its tag and code; exactly `lines` lines.
std::string generatedScript(int lines) {
  std::string s =
      "function sq(x as double) as double\nreturn x*x\nend function\n"
      "function f(a as double, b as double) as double\nc = a+b\nsetVar \"c\", c\nreturn c*2\nend "
      "function\n"
      "\ndim ans as double = 0\ndim c as double\n";
  int n = 11;
  for (int k = 0; k < 300; ++k, ++n)
    s += "dim v" + std::to_string(k) + " as double = " + std::to_string(k) + ".25\n";
  for (int tag = 0; n < lines - 1; ++tag) {
    std::string v = "v" + std::to_string(tag % 300);
    std::string body;
    switch (tag % 4) {
      case 0:
        body = v + " = " + v + "*2 + sq(3) - f(1, 2)/4\nsetVar \"" + v + "\", " + v +
               "\nprintAny " + v + "\n";
        break;
      case 1:
        body = "print str(" + v + " + 1)\n";
        break;
      case 2:
        body = "if (" + v + " > 3) then \n" + v + " = " + v + " - 1\nsetVar \"" + v + "\", " + v +
               "\nend if\n";
        break;
      default:
        body = "// a comment\n";
        break;
    }
    std::string tagged = "tagLine " + std::to_string(tag) + "\n" + body;
    int count = 0;
    for (char ch : tagged) count += ch == '\n';
    if (n + count > lines - 1) break;
    s += tagged;
    n += count;
  }
  for (; n < lines; ++n) s += "\n";
  return s;
}

void BM_Compile10000Lines(benchmark::State& state) {
  std::string source = generatedScript(10000);
  QuietContext ctx;
  for (auto _ : state) {
    vorline::script::Engine engine;
    auto error = engine.compile(source, &ctx.methods());
    if (error) state.SkipWithError(error->message.c_str());
    benchmark::DoNotOptimize(engine.program().protos.size());
  }
}
BENCHMARK(BM_Compile10000Lines)->Unit(benchmark::kMillisecond);

void BM_CompileAndRun10000Lines(benchmark::State& state) {
  QuietContext ctx;
  vorline::ScriptEngine script;
  script.Source = generatedScript(10000);
  script.Context = &ctx;
  script.Print = [](const std::string&) {};
  for (auto _ : state) script.Run();
}
BENCHMARK(BM_CompileAndRun10000Lines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
