#include "platform/script/ScriptRunner.h"

#include "platform/script/TestContext.h"

namespace vorline::test {

std::string RunResult::output() const {
  std::string s;
  for (size_t i = 0; i < printed.size(); ++i) s += (i ? "|" : "") + printed[i];
  return s;
}

RunResult runScript(const std::string& source, ScriptContext* context,
                    const std::function<void(ScriptEngine&)>& setup) {
  RunResult r;
  TestContext fallback;
  ScriptEngine script;
  script.Source = source;
  script.Context = context ? context : &fallback;
  script.Print = [&r](const std::string& text) { r.printed.push_back(text); };
  script.CompilerError = [&r](const ScriptLocation& at, int64_t code, const std::string& info) {
    ++r.compileErrors;
    r.errorLine = at.Line;
    r.errorCode = code;
    r.errorInfo = info;
    return false;
  };
  script.RuntimeError = [&r](const RuntimeException& e) {
    ++r.runtimeErrors;
    r.errorNumber = e.ErrorNumber;
    r.errorMessage = e.Message;
  };
  script.Beep = [&r]() { ++r.beeps; };
  if (setup) setup(script);
  script.Run();
  return r;
}

}  // namespace vorline::test
