// The engine's stages in order: lexer, parser, checker, compiler. One Engine compiles one
// source; ScriptEngine runs what it compiled.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/script/Bytecode.h"
#include "platform/script/CompileError.h"
#include "platform/script/ScriptContext.h"

namespace vorline::script {

class Engine {
 public:
  // Compiles the source against the context's method table (may be null); the first compile
  // error, if any.
  std::optional<CompileError> compile(std::string_view source,
                                      const std::vector<ContextMethod>* context);
  const Program& program() const { return *program_; }

 private:
  std::optional<CompileError> stages(std::string_view source,
                                     const std::vector<ContextMethod>* context);

  std::unique_ptr<Program> program_;
};

}  // namespace vorline::script
