// Every built-in, every overload: a call whose arguments are held in Variants (a dim'd
// Variant, an element of a Variant array as array literals make) gives what the same call
// with typed arguments gives, value or error.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/script/Builtins.h"
#include "platform/script/ScriptRunner.h"

namespace vorline::test {
namespace {

using script::BaseType;
using script::BuiltinDef;

const std::vector<std::string> kNumbers = {"-3",
                                           "0",
                                           "7",
                                           "811330",
                                           "9223372036854775807",
                                           "(-9223372036854775807 - 1)",
                                           "-2.5",
                                           "11.8",
                                           "0.5",
                                           "1.1e22",
                                           "(0/0)",
                                           "1e999",
                                           "-0.0"};
const std::vector<std::string> kTexts = {"\"\"", "\"abc\"", "\"a,b\"", "\"ü\""};

// Built-ins whose value is not a function of their arguments.
bool variesByItself(const BuiltinDef& b) { return b.params.empty(); }

const std::vector<std::string>& pool(script::Type t) {
  return t.base == BaseType::String ? kTexts : kNumbers;
}

// Every combination of the pools of the parameters.
std::vector<std::vector<std::string>> combinations(const BuiltinDef& b) {
  std::vector<std::vector<std::string>> out = {{}};
  for (script::Type p : b.params) {
    std::vector<std::vector<std::string>> next;
    for (const auto& head : out) {
      for (const std::string& v : pool(p)) {
        next.push_back(head);
        next.back().push_back(v);
      }
    }
    out = std::move(next);
  }
  return out;
}

// The call, with the arguments whose bit is set in `held` in Variants: dim'd ones, or
// elements of one Variant array.
std::string source(const std::string& name, const std::vector<std::string>& args, unsigned held,
                   bool inArray) {
  std::string decl, call;
  if (inArray && held) decl = "dim v(" + std::to_string(args.size()) + ") as variant\n";
  for (size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    if (held & (1u << i)) {
      std::string k = std::to_string(i);
      if (inArray) {
        decl += "v(" + k + ") = " + arg + "\n";
        arg = "v(" + k + ")";
      } else {
        decl += "dim a" + k + " as variant = " + arg + "\n";
        arg = "a" + k;
      }
    }
    call += (i ? ", " : "") + arg;
  }
  return decl + "print str(" + name + "(" + call + "))";
}

std::string outcome(const RunResult& r) {
  if (r.compileErrors) return "compile error [" + std::to_string(r.errorCode) + "] " + r.errorInfo;
  std::string s = r.output();
  if (r.runtimeErrors) s += " error " + std::to_string(r.errorNumber) + " " + r.errorMessage;
  return s;
}

TEST(VariantArguments, EveryBuiltinGivesTheTypedCallsValueOrError) {
  std::set<std::string> seen;
  int compared = 0;
  for (const BuiltinDef& b : script::builtins()) {
    if (variesByItself(b)) continue;
    for (const std::vector<std::string>& args : combinations(b)) {
      std::string typedSource = source(b.name, args, 0, false);
      if (!seen.insert(typedSource).second) continue;
      RunResult typed = runScript(typedSource);
      ASSERT_EQ(typed.compileErrors, 0) << typedSource << "\n" << typed.errorInfo;
      const std::string expected = outcome(typed);
      for (unsigned held = 1; held < (1u << args.size()); ++held) {
        for (bool inArray : {false, true}) {
          std::string heldSource = source(b.name, args, held, inArray);
          EXPECT_EQ(outcome(runScript(heldSource)), expected) << heldSource;
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 10000);
}

}  // namespace
}  // namespace vorline::test
