// The script engine that the window runs: it compiles Source and runs it with Context as the
// object whose methods the script calls. Every event and context call of a run happens inside
// Run(), which returns after a compile error and after a run-time error alike.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/script/Limits.h"
#include "platform/script/ScriptContext.h"
#include "platform/values/RuntimeException.h"

namespace vorline {

struct ScriptLocation {
  int64_t Line = 0;    // line of the generated script, from 1
  int64_t Column = 0;  // from 1, 0 when unknown
};

namespace script {
class Engine;
class MemoryBudget;
}  // namespace script

class ScriptEngine {
 public:
  // The longest Source that compiles; a longer one is a compile error.
  static constexpr int64_t kMaxSourceBytes = 64ll * 1024 * 1024;

  ScriptEngine();
  ~ScriptEngine();
  ScriptEngine(const ScriptEngine&) = delete;
  ScriptEngine& operator=(const ScriptEngine&) = delete;

  std::string Source;
  ScriptContext* Context = nullptr;  // not owned

  // Events. Print: once per print statement. CompilerError: the first compile error, with its
  // code and a message (errorInfo); the answer is not used. RuntimeError: the failure that ended
  // the run. Beep: the script's beep statement.
  std::function<void(const std::string& text)> Print;
  std::function<bool(const ScriptLocation& location, int64_t code, const std::string& errorInfo)>
      CompilerError;
  std::function<void(const RuntimeException& error)> RuntimeError;
  std::function<void()> Beep;

  // Called by the running script at least every few milliseconds of execution; answering true
  // ends the run with the run-time error Stopped.
  std::function<bool()> ShouldStop;

  // Budgets of each run; the defaults suit pads.
  ScriptLimits Limits;

  // Compiles Source and runs it to its end.
  void Run();

 private:
  class RunCharge {
   public:
    RunCharge(ScriptContext* context, script::MemoryBudget& budget);
    ~RunCharge();
    RunCharge(const RunCharge&) = delete;
    RunCharge& operator=(const RunCharge&) = delete;

   private:
    ScriptContext* context_;
  };

  std::unique_ptr<script::Engine> engine_;
};

}  // namespace vorline
