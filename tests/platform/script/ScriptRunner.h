// Runs a script through ScriptEngine and gathers what its events report.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/script/ScriptContext.h"
#include "platform/script/ScriptEngine.h"

namespace vorline::test {

struct RunResult {
  std::vector<std::string> printed;
  int compileErrors = 0;  // how many times CompilerError fired
  int64_t errorLine = 0;
  int64_t errorCode = 0;
  std::string errorInfo;
  int runtimeErrors = 0;
  int64_t errorNumber = 0;
  std::string errorMessage;
  int beeps = 0;

  // The printed texts joined with "|".
  std::string output() const;
};

RunResult runScript(const std::string& source, ScriptContext* context = nullptr,
                    const std::function<void(ScriptEngine&)>& setup = {});

}  // namespace vorline::test
