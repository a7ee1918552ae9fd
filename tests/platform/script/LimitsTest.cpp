// Limits: every script ends in a compile or run-time error, never a crash or a hang.
#include <gtest/gtest.h>

#include <string>

#include "platform/script/ScriptRunner.h"

namespace vorline::test {
namespace {

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(ScriptLimits, DeepParenthesesAreACompileError) {
  RunResult r = runScript("print " + repeat("(", 20000) + "1" + repeat(")", 20000));
  EXPECT_EQ(r.compileErrors, 1);
  EXPECT_EQ(r.errorCode, 30);
}

TEST(ScriptLimits, LongOperatorChainIsACompileErrorNotAStackOverflow) {
  RunResult r = runScript("print 1" + repeat(" + 1", 100000));
  EXPECT_EQ(r.compileErrors, 1);
  EXPECT_EQ(r.errorCode, 30);
  RunResult fine = runScript("print 1" + repeat(" + 1", 300));
  EXPECT_EQ(fine.output(), "301");
}

TEST(ScriptLimits, DeeplyNestedBlocksAreACompileError) {
  RunResult r = runScript(repeat("if true then\n", 5000) + repeat("end if\n", 5000));
  EXPECT_EQ(r.compileErrors, 1);
  EXPECT_EQ(r.errorCode, 30);
}

TEST(ScriptLimits, ManyUnaryOperatorsAreACompileError) {
  RunResult r = runScript("print " + repeat("-", 50000) + "1");
  EXPECT_EQ(r.errorCode, 30);
  RunResult n = runScript("print " + repeat("not ", 50000) + "true");
  EXPECT_EQ(n.errorCode, 30);
}

TEST(ScriptLimits, CallDepth) {
  RunResult r = runScript("function f(n as double) as double\n  return f(n + 1) + 1\nend function\nprint f(0)", nullptr,
                          [](XojoScript& s) { s.Limits.maxCallDepth = 50; });
  EXPECT_EQ(r.errorNumber, 5);
  EXPECT_EQ(r.errorMessage, "Stack overflow: recursion deeper than 50");
}

TEST(ScriptLimits, StringSize) {
  auto small = [](XojoScript& s) { s.Limits.maxStringBytes = 1000; };
  const char* doubling = "dim s as string = \"x\"\nwhile true\n  s = s + s\nwend";
  RunResult r = runScript(doubling, nullptr, small);
  EXPECT_EQ(r.errorNumber, 6);
  RunResult concat = runScript("dim s as string = \"x\"\ndim t as string\nwhile true\n  t = s + s\n  s = t\nwend", nullptr, small);
  EXPECT_EQ(concat.errorNumber, 6);
  RunResult replace = runScript("dim s as string = \"aaaaaaaaaaaaaaaaaaaa\"\nwhile true\n  s = replaceall(s, \"a\", \"aaaa\")\nwend",
                                nullptr, small);
  EXPECT_EQ(replace.errorNumber, 6);
}

TEST(ScriptLimits, ArraySize) {
  auto small = [](XojoScript& s) { s.Limits.maxArrayElements = 100; };
  EXPECT_EQ(runScript("dim a(100) as double", nullptr, small).errorNumber, 6);
  EXPECT_EQ(runScript("dim a(99) as double\nprint a.count", nullptr, small).output(), "100");
  EXPECT_EQ(runScript("dim a() as string\nwhile true\n  a.append \"x\"\nwend", nullptr, small).errorNumber, 6);
  EXPECT_EQ(runScript("dim a() as string\nredim a(1000)", nullptr, small).errorNumber, 6);
}

TEST(ScriptLimits, AllocationBudget) {
  RunResult r = runScript("dim a() as string\ndim s as string = \"0123456789\"\nwhile true\n  a.append s + s\nwend", nullptr,
                          [](XojoScript& s) { s.Limits.maxAllocatedBytes = 100000; });
  EXPECT_EQ(r.errorNumber, 6);
}

TEST(ScriptLimits, StepBudget) {
  RunResult r = runScript("print 1\nwhile true\nwend", nullptr, [](XojoScript& s) { s.Limits.maxSteps = 100000; });
  EXPECT_EQ(r.errorNumber, 8);
  EXPECT_EQ(r.output(), "1");
}

TEST(ScriptHostHook, StopsARunawayLoop) {
  int calls = 0;
  RunResult r = runScript("dim n as integer\nwhile true\n  n = n + 1\nwend", nullptr, [&calls](XojoScript& s) {
    s.ShouldStop = [&calls]() { return ++calls == 3; };
  });
  EXPECT_EQ(r.errorNumber, 8);
  EXPECT_EQ(r.errorMessage, "Stopped");
  EXPECT_EQ(calls, 3);
}

TEST(ScriptHostHook, StopsRecursionAndForLoops) {
  auto stop = [](XojoScript& s) { s.ShouldStop = []() { return true; }; };
  RunResult rec = runScript("function f(n as integer) as integer\n  if n = 0 then return 0\n  return f(n - 1) + f(n - 1)\n"
                            "end function\nprint f(60)",
                            nullptr, stop);
  EXPECT_EQ(rec.errorNumber, 8);
  RunResult loop = runScript("for i as integer = 1 to 9223372036854775807\nnext", nullptr, stop);
  EXPECT_EQ(loop.errorNumber, 8);
}

TEST(ScriptLimits, ForLoopToTheLargestIntegerEnds) {
  RunResult r = runScript("dim n as integer\nfor i as integer = 9223372036854775806 to 9223372036854775807\n  n = n + 1\nnext\nprint n");
  EXPECT_EQ(r.output(), "2");
}

}  // namespace
}  // namespace vorline::test
