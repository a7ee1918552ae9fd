// Limits: every script ends in a compile or run-time error, never a crash or a hang.
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "platform/script/ScriptRunner.h"
#include "platform/script/TestContext.h"

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

// A flat chain of operators is not nesting: a pasted column of numbers compiles and runs,
// however long, without a deep stack in any stage.
TEST(ScriptLimits, LongOperatorChainsCompile) {
  struct Case {
    std::string source;
    std::string output;
  } cases[] = {
      {"print str(1" + repeat("+1", 9999) + ")", "10000"},
      {"print 1" + repeat(" + 1", 100000), "100001"},
      {"print str(1.5" + repeat(" - 1", 100000) + ")", "-99998.5"},
      {"dim v as variant = 1\nprint str(v" + repeat(" + 1", 100000) + ")", "100001"},
      {"dim s as string\ns = \"\"" + repeat(" + \"ab\"", 50000) + "\nprint str(len(s))", "100000"},
      {"dim t as string = \"x\"\nprint str(len(t" + repeat(" + t", 50000) + "))", "50001"},
      {"print str(true" + repeat(" and true", 100000) + ")", "True"},
      {"print str(false" + repeat(" or false", 100000) + " or true)", "True"},
      {"if 1 = 1" + repeat(" and 1 < 2", 100000) + " then print \"yes\"", "yes"},
      {"print str(2" + repeat(" * 1", 100000) + " + 3 * 4)", "14"},
  };
  for (const Case& c : cases) {
    RunResult r = runScript(c.source);
    EXPECT_EQ(r.compileErrors, 0) << c.source.substr(0, 60) << ": " << r.errorInfo;
    EXPECT_EQ(r.output(), c.output) << c.source.substr(0, 60);
  }
}

// Nesting past the depth limit is a compile error at its line.
TEST(ScriptLimits, DeepNestingIsACompileErrorAtItsLine) {
  const std::string cases[] = {
      "print " + repeat("(", 500) + "1" + repeat(")", 500),
      "print 1" + repeat(" + (1", 500) + repeat(")", 500),
      "print " + repeat("abs(", 500) + "1" + repeat(")", 500),
      "print " + repeat("-", 500) + "1",
      "print str(2" + repeat(" ^ 2", 500) + ")",
  };
  for (const std::string& source : cases) {
    RunResult r = runScript("dim a as integer\n\n" + source);
    EXPECT_EQ(r.errorCode, 30) << source.substr(0, 40);
    EXPECT_EQ(r.errorLine, 3) << source.substr(0, 40);
  }
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
  RunResult r = runScript(
      "function f(n as double) as double\n  return f(n + 1) + 1\nend function\nprint f(0)", nullptr,
      [](ScriptEngine& s) { s.Limits.maxCallDepth = 50; });
  EXPECT_EQ(r.errorNumber, ErrorNumberOf(RuntimeErrorCode::StackOverflow));
  EXPECT_EQ(r.errorMessage, "Stack overflow: recursion deeper than 50");
}

TEST(ScriptLimits, StringSize) {
  auto small = [](ScriptEngine& s) { s.Limits.maxStringBytes = 1000; };
  const char* doubling = "dim s as string = \"x\"\nwhile true\n  s = s + s\nwend";
  RunResult r = runScript(doubling, nullptr, small);
  EXPECT_EQ(r.errorNumber, ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
  RunResult concat =
      runScript("dim s as string = \"x\"\ndim t as string\nwhile true\n  t = s + s\n  s = t\nwend",
                nullptr, small);
  EXPECT_EQ(concat.errorNumber, ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
  RunResult replace = runScript(
      "dim s as string = \"aaaaaaaaaaaaaaaaaaaa\"\nwhile true\n  s = replaceall(s, \"a\", "
      "\"aaaa\")\nwend",
      nullptr, small);
  EXPECT_EQ(replace.errorNumber, ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
}

TEST(ScriptLimits, ArraySize) {
  auto small = [](ScriptEngine& s) { s.Limits.maxArrayElements = 100; };
  EXPECT_EQ(runScript("dim a(100) as double", nullptr, small).errorNumber,
            ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
  EXPECT_EQ(runScript("dim a(99) as double\nprint a.count", nullptr, small).output(), "100");
  EXPECT_EQ(runScript("dim a() as string\nwhile true\n  a.append \"x\"\nwend", nullptr, small)
                .errorNumber,
            ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
  EXPECT_EQ(runScript("dim a() as string\nredim a(1000)", nullptr, small).errorNumber,
            ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
}

TEST(ScriptLimits, AllocationBudget) {
  RunResult r = runScript(
      "dim a() as string\ndim s as string = \"0123456789\"\nwhile true\n  a.append s + s\nwend",
      nullptr, [](ScriptEngine& s) { s.Limits.maxAllocatedBytes = 100000; });
  EXPECT_EQ(r.errorNumber, ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
}

// The budget counts what a run holds at once: a recursion that keeps an array per call ends
// with "Out of memory", memory given back counts no more, and Strings that share one text
// count it once.
TEST(ScriptLimits, MemoryBudgetCountsWhatTheRunHolds) {
  auto budget = [](ScriptEngine& s) { s.Limits.maxAllocatedBytes = 4 * 1024 * 1024; };
  RunResult deep = runScript(
      "function deep(n as integer) as integer\n  dim a(100000) as double\n  a(0) = n\n  if n = 0 "
      "then return 0\n"
      "  return deep(n - 1) + 1\nend function\nprint \"start\"\nprint str(deep(1000))",
      nullptr, budget);
  EXPECT_EQ(deep.errorNumber, ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
  EXPECT_EQ(deep.output(), "start");
  EXPECT_EQ(deep.errorMessage.rfind("Out of memory", 0), 0u) << deep.errorMessage;

  struct Case {
    const char* name;
    const char* source;
    const char* output;
  } cases[] = {
      {"ArraysMadeAndDropped",
       "dim n as integer\nfor i as integer = 1 to 200\n  dim a(100000) as double\n  a(5) = i\n  n "
       "= n + a(5)\nnext\n"
       "print str(n)",
       "20100"},
      {"RecursionThatFits",
       "function deep(n as integer) as integer\n  dim a(10000) as double\n  if n = 0 then return "
       "0\n"
       "  return deep(n - 1) + 1\nend function\nprint str(deep(20))",
       "20"},
      {"SharedStringInEveryElement",
       "dim s as string = \"x\"\nwhile len(s) < 1000000\n  s = s + s\nwend\ndim a(1000) as string "
       "= s\n"
       "for i as integer = 0 to 1000\n  a(i) = s\nnext\nprint str(len(a(1000)))",
       "1048576"},
      {"StringsCalledAndReturned",
       "function f(p as string) as string\n  return p\nend function\ndim s as string = \"x\"\n"
       "while len(s) < 1000000\n  s = s + s\nwend\ndim n as integer\nfor i as integer = 1 to 1000\n"
       "  n = n + len(f(s))\nnext\nprint str(n)",
       "1048576000"},
  };
  for (const Case& c : cases) {
    RunResult r = runScript(c.source, nullptr, budget);
    EXPECT_EQ(r.runtimeErrors, 0) << c.name << ": " << r.errorMessage;
    EXPECT_EQ(r.output(), c.output) << c.name;
  }

  RunResult variants = runScript(
      "dim s as string = \"x\"\nwhile len(s) < 100000\n  s = s + s\nwend\ndim v(1000) as variant\n"
      "for i as integer = 0 to 1000\n  v(i) = s\nnext",
      nullptr, budget);
  EXPECT_EQ(variants.errorNumber, ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
  RunResult growing =
      runScript("dim s as string = \"x\"\nwhile true\n  s = s + s\nwend", nullptr, budget);
  EXPECT_EQ(growing.errorNumber, ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
  RunResult copies = runScript(
      "dim s as string = \"x\"\nwhile len(s) < 100000\n  s = s + s\nwend\ndim a() as string\nwhile "
      "true\n"
      "  a.append s + \"!\"\nwend",
      nullptr, budget);
  EXPECT_EQ(copies.errorNumber, ErrorNumberOf(RuntimeErrorCode::OutOfMemory));
}

TEST(ScriptLimits, StepBudget) {
  RunResult r = runScript("print 1\nwhile true\nwend", nullptr,
                          [](ScriptEngine& s) { s.Limits.maxSteps = 100000; });
  EXPECT_EQ(r.errorNumber, ErrorNumberOf(RuntimeErrorCode::Stopped));
  EXPECT_EQ(r.output(), "1");
}

TEST(ScriptHostHook, StopsARunawayLoop) {
  int calls = 0;
  RunResult r =
      runScript("dim n as integer\nwhile true\n  n = n + 1\nwend", nullptr,
                [&calls](ScriptEngine& s) { s.ShouldStop = [&calls]() { return ++calls == 3; }; });
  EXPECT_EQ(r.errorNumber, ErrorNumberOf(RuntimeErrorCode::Stopped));
  EXPECT_EQ(r.errorMessage, "Stopped");
  EXPECT_EQ(calls, 3);
}

TEST(ScriptHostHook, StopsRecursionAndForLoops) {
  auto stop = [](ScriptEngine& s) { s.ShouldStop = []() { return true; }; };
  RunResult rec = runScript(
      "function f(n as integer) as integer\n  if n = 0 then return 0\n  return f(n - 1) + f(n - "
      "1)\n"
      "end function\nprint f(60)",
      nullptr, stop);
  EXPECT_EQ(rec.errorNumber, ErrorNumberOf(RuntimeErrorCode::Stopped));
  RunResult loop = runScript("for i as integer = 1 to 9223372036854775807\nnext", nullptr, stop);
  EXPECT_EQ(loop.errorNumber, ErrorNumberOf(RuntimeErrorCode::Stopped));
}

// No register or constant limit below the size of the stacks.
TEST(ScriptLimits, ManyDistinctLiteralsAndCaseArms) {
  std::string pad = "dim x as integer\n";
  int64_t sum = 0;
  for (int i = 0; i < 70000; ++i) {
    pad += "x = x + " + std::to_string(100000 + i) + "\n";
    sum += 100000 + i;
  }
  RunResult literals = runScript(pad + "print str(x)");
  EXPECT_EQ(literals.compileErrors, 0) << literals.errorLine << " " << literals.errorInfo;
  EXPECT_EQ(literals.output(), std::to_string(sum));

  std::string select = "dim r as integer\nfunction pick(x as integer) as integer\nselect case x\n";
  for (int i = 0; i < 100000; ++i)
    select += "case " + std::to_string(i) + "\n  return " + std::to_string(3 * i) + "\n";
  select += "case else\n  return -1\nend select\nend function\n";
  RunResult arms = runScript(
      select + "print str(pick(0)) + \" \" + str(pick(99999)) + \" \" + str(pick(100000))");
  EXPECT_EQ(arms.compileErrors, 0) << arms.errorLine << " " << arms.errorInfo;
  EXPECT_EQ(arms.output(), "0 299997 -1");

  std::string vars;
  for (int i = 0; i < 70000; ++i)
    vars += "dim v" + std::to_string(i) + " as integer = " + std::to_string(i) + "\n";
  RunResult names = runScript(vars + "print str(v0 + v69999)");
  EXPECT_EQ(names.output(), "69999");
}

// Every compile error names a line of the script, from 1.
TEST(ScriptLimits, CompileErrorsNameALineFromOne) {
  const std::string cases[] = {"",
                               "print",
                               "x = ",
                               "\"abc",
                               "function f(\n",
                               "if true then\n",
                               "print (1",
                               "end function",
                               "dim a as nosuch",
                               "for i = 1 to 2\n"};
  for (const std::string& source : cases) {
    RunResult r = runScript(source);
    if (r.compileErrors == 0) continue;
    EXPECT_GE(r.errorLine, 1) << source;
  }
}

TEST(ScriptLimits, ForLoopToTheLargestIntegerEnds) {
  RunResult r = runScript(
      "dim n as integer\nfor i as integer = 9223372036854775806 to 9223372036854775807\n  n = n + "
      "1\nnext\nprint n");
  EXPECT_EQ(r.output(), "2");
}

}  // namespace
}  // namespace vorline::test

namespace vorline::test {
namespace {

// What the context takes on for the run (a host's printed text, stored values) counts toward
// the same budget as the run's own values, only while the run lasts, and what it gives back
// counts no more.
TEST(ScriptLimits, WhatTheContextHoldsCountsTowardTheBudget) {
  TestContext context;
  int64_t held = 0;
  context.add({"hold", {ScriptType::Int64}, ScriptType::Void, [&](const Variant* a, size_t) {
                 context.chargeRun(a[0].int64Value());
                 held += a[0].int64Value();
                 return Variant();
               }});
  auto budget = [](ScriptEngine& s) { s.Limits.maxAllocatedBytes = 1 << 20; };
  RunResult endless = runScript("while true\n  hold 1000\nwend", &context, budget);
  EXPECT_EQ(endless.errorNumber, 6);
  EXPECT_EQ(endless.errorMessage.rfind("Out of memory", 0), 0u) << endless.errorMessage;
  EXPECT_LT(held, 1 << 20);

  RunResult givenBack =
      runScript("for i as integer = 1 to 10000\n  hold 1000\n  hold -1000\nnext\nprint \"done\"",
                &context, budget);
  EXPECT_EQ(givenBack.runtimeErrors, 0);
  EXPECT_EQ(givenBack.output(), "done");
  EXPECT_NO_THROW(context.chargeRun(int64_t{1} << 40)) << "no run, no budget";
}

TEST(ScriptLimits, AnAllocationThatFailsInAHandlerEndsTheRunOutOfMemory) {
  RunResult r = runScript("print 1\nprint 2", nullptr, [](ScriptEngine& s) {
    s.Print = [](const std::string& t) {
      if (t == "2") throw std::bad_alloc();
    };
  });
  EXPECT_EQ(r.runtimeErrors, 1);
  EXPECT_EQ(r.errorNumber, 6);
}

}  // namespace
}  // namespace vorline::test
