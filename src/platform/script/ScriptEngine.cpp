#include "platform/script/ScriptEngine.h"

#include "platform/script/Engine.h"
#include "platform/script/Vm.h"

namespace vorline {

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
  try {
    vm.run();
  } catch (const RuntimeException& e) {
    if (RuntimeError) RuntimeError(e);
  }
}

}  // namespace vorline
