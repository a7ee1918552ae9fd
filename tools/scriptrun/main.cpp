// scriptrun FILE: compiles and runs a script file with a context that has no methods. Print
// texts go to standard output, one per line; a compile error goes to standard error as
// "Error at line: N" and "[code] text" (exit 1), a run-time error as "Runtime Error: N" and the
// message (exit 2).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/script/ScriptContext.h"
#include "platform/script/ScriptEngine.h"

namespace {

class EmptyContext : public vorline::ScriptContext {
 public:
  const std::vector<vorline::ContextMethod>& methods() const override { return methods_; }

 private:
  std::vector<vorline::ContextMethod> methods_;
};

bool readFile(const char* path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  out = text.str();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: scriptrun FILE\n";
    return 64;
  }
  std::string source;
  if (!readFile(argv[1], source)) {
    std::cerr << "scriptrun: cannot read " << argv[1] << "\n";
    return 66;
  }
  EmptyContext context;
  vorline::ScriptEngine script;
  script.Source = source;
  script.Context = &context;
  int status = 0;
  std::string out;
  script.Print = [&out](const std::string& text) {
    out += text;
    out += '\n';
    if (out.size() > 1 << 16) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  };
  script.CompilerError = [&status](const vorline::ScriptLocation& at, int64_t code,
                                   const std::string& info) {
    std::cerr << "Error at line: " << at.Line << "\n[" << code << "] " << info << "\n";
    status = 1;
    return false;
  };
  script.RuntimeError = [&status](const vorline::RuntimeException& e) {
    std::cerr << "Runtime Error: " << e.ErrorNumber << "\n" << e.Message << "\n";
    status = 2;
  };
  script.Run();
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
  return status;
}
