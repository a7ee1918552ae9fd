#include "platform/script/Engine.h"

#include "platform/script/Ast.h"
#include "platform/script/Checker.h"
#include "platform/script/Compiler.h"
#include "platform/script/Lexer.h"
#include "platform/script/Limits.h"
#include "platform/script/Parser.h"

namespace vorline::script {

std::optional<CompileError> Engine::compile(std::string_view source,
                                            const std::vector<ContextMethod>* context) {
  program_ = std::make_unique<Program>();
  if (static_cast<int64_t>(source.size()) > kMaxSourceBytes) {
    return CompileError{kErrTooLarge, 1, "The script is too large"};
  }
  std::optional<CompileError> error = stages(source, context);
  // An error raised where no statement is at hand (the end of the script, the prologue of the
  // main code) still names a line of the script.
  if (error && error->line < 1) error->line = 1;
  return error;
}

std::optional<CompileError> Engine::stages(std::string_view source,
                                           const std::vector<ContextMethod>* context) {
  Script script;
  std::vector<Token> tokens = Lexer(source, script.symbols, script.strings).tokenize();
  if (auto e = Parser(tokens, script).parse()) return e;
  if (auto e = Checker(script, context).check()) return e;
  return Compiler(script, *program_).compile();
}

}  // namespace vorline::script
