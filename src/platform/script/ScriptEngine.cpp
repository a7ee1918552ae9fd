#include "platform/script/ScriptEngine.h"

#include <new>

#include "platform/script/Engine.h"
#include "platform/script/Limits.h"
#include "platform/script/MemoryBudget.h"
#include "platform/script/Vm.h"

namespace vorline {

static_assert(ScriptEngine::kMaxSourceBytes == script::kMaxSourceBytes);

ScriptEngine::ScriptEngine() = default;
ScriptEngine::~ScriptEngine() = default;

// Compile errors are reported once, with the generated script's line; run-time errors end the
// run with what ran before kept.
void ScriptEngine::Run() {
  engine_ = std::make_unique<script::Engine>();
  const std::vector<ContextMethod>* methods = Context ? &Context->methods() : nullptr;
  std::optional<script::CompileError> error;
  try {
    error = engine_->compile(Source, methods);
  } catch (const std::bad_alloc&) {
    error = script::CompileError{script::kErrTooLarge, 1, "The script is too large to compile"};
  }
  if (error) {
    if (CompilerError) CompilerError(ScriptLocation{error->line, 0}, error->code, error->message);
    return;
  }
  script::VmHost host{Print, Beep, ShouldStop, methods};
  script::Vm vm(engine_->program(), std::move(host), Limits);
  RunCharge charge(Context, *vm.memory());
  try {
    vm.run();
  } catch (const RuntimeException& e) {
    // The run gives every failure as a run-time error; an allocation that the budget did not
    // see (the system's own limits, a host's copy) is "Out of memory".
    if (RuntimeError) RuntimeError(e);
  }
}

// The context charges the run's budget for as long as the run lasts, and only then.
ScriptEngine::RunCharge::RunCharge(ScriptContext* context, script::MemoryBudget& budget)
    : context_(context) {
  if (!context_) return;
  context_->charge_ = [&budget](int64_t bytes) {
    if (bytes >= 0)
      budget.charge(static_cast<uint64_t>(bytes));
    else
      budget.credit(static_cast<uint64_t>(-bytes));
  };
}

ScriptEngine::RunCharge::~RunCharge() {
  if (context_) context_->charge_ = nullptr;
}

}  // namespace vorline
