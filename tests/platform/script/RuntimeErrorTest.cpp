// Failures while a script runs: each ends the run through RuntimeError with its number and
// message, and what was printed before stays printed.
#include <gtest/gtest.h>

#include "platform/script/ScriptRunner.h"

namespace vorline::test {
namespace {

struct RuntimeCase {
  const char* name;
  const char* source;
  RuntimeErrorCode code;
  const char* message;  // the start of the message
  const char* printed;  // what ran before the failure
};

class RuntimeErrors : public testing::TestWithParam<RuntimeCase> {};

TEST_P(RuntimeErrors, EndTheRunKeepingWhatRan) {
  const RuntimeCase& c = GetParam();
  RunResult r = runScript(c.source);
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(r.runtimeErrors, 1);
  EXPECT_EQ(r.errorNumber, ErrorNumberOf(c.code)) << r.errorMessage;
  EXPECT_EQ(r.errorMessage.rfind(c.message, 0), 0u) << r.errorMessage;
  EXPECT_EQ(r.output(), c.printed);
}

std::string caseName(const testing::TestParamInfo<RuntimeCase>& info) { return info.param.name; }

const RuntimeCase kCases[] = {
    {"IntegerOverflowOnAdd", "dim i as integer = 9223372036854775807\nprint 1\ni = i + 1\nprint 2",
     RuntimeErrorCode::IntegerOverflow, "Integer overflow", "1"},
    {"IntegerOverflowOnMultiply", "dim i as integer = 4611686018427387904\ni = i * 2",
     RuntimeErrorCode::IntegerOverflow, "Integer overflow", ""},
    {"IntegerOverflowOnNegate", "dim i as integer = -9223372036854775807\ni = i - 1\ni = -i",
     RuntimeErrorCode::IntegerOverflow, "Integer overflow", ""},
    {"IntegerOverflowInVariants", "dim v as variant = 9223372036854775807\nv = v + 1",
     RuntimeErrorCode::IntegerOverflow, "Integer overflow", ""},
    {"DoubleTooLargeForInteger", "dim i as integer\ni = 1e300", RuntimeErrorCode::IntegerOverflow,
     "Integer overflow", ""},
    {"NaNToInteger", "dim i as integer\ni = (0/0)", RuntimeErrorCode::IntegerOverflow,
     "Integer overflow", ""},
    // A UInt64 past the Int64 range does not turn negative in a 64-bit signed integer.
    {"UInt64TooLargeForInteger",
     "dim u as uint64 = 1\nu = u * 4611686018427387904 * 2\nprint u\ndim i as integer = u",
     RuntimeErrorCode::IntegerOverflow, "Integer overflow: 9223372036854775808 does not fit",
     "9223372036854775808"},
    {"HeldUInt64TooLargeForInt64",
     "dim u as uint64 = 1\nu = u * 4611686018427387904 * 2\ndim v as variant = u\n"
     "dim k as int64 = v",
     RuntimeErrorCode::IntegerOverflow, "Integer overflow: 9223372036854775808 does not fit", ""},
    {"UInt64TooLargeForAnIntegerParameter",
     "function f(x as integer) as integer\n  return x\nend function\ndim u as uint64 = 1\n"
     "u = u * 4611686018427387904 * 2\nprint f(u)",
     RuntimeErrorCode::IntegerOverflow, "Integer overflow", ""},
    {"IntegerDivisionByZero", "dim z as integer\nprint 1\nprint 1 \\ z",
     RuntimeErrorCode::DivisionByZero, "Integer division by zero", "1"},
    {"ModByZero", "dim z as integer\nprint 5 mod z", RuntimeErrorCode::DivisionByZero,
     "Integer division by zero", ""},
    {"VariantDivisionByZero", "dim a as variant = 1\ndim b as variant = 0\nprint a \\ b",
     RuntimeErrorCode::DivisionByZero, "Integer division by zero", ""},
    {"IndexPastTheEnd", "dim a(2) as double\nprint a(5)", RuntimeErrorCode::OutOfBounds,
     "Out of bounds: index 5 of an array of 3", ""},
    {"NegativeIndex", "dim a(2) as double\ndim i as integer = -1\na(i) = 1",
     RuntimeErrorCode::OutOfBounds, "Out of bounds", ""},
    {"SecondDimension", "dim m(1, 1) as double\nprint m(0, 2)", RuntimeErrorCode::OutOfBounds,
     "Out of bounds: index 2 of an array of 2", ""},
    {"RemoveFromEmpty", "dim a() as double\na.remove 0", RuntimeErrorCode::OutOfBounds,
     "Out of bounds", ""},
    {"ArrayNeverMade", "sub f()\n  a(0) = 1\nend sub\nf\ndim a(1) as double",
     RuntimeErrorCode::NilObject, "Nil object", ""},
    {"DeepRecursion",
     "function f(n as double) as double\n  return f(n + 1)\nend function\nprint f(0)",
     RuntimeErrorCode::StackOverflow, "Stack overflow", ""},
    {"DeepRecursionWithStrings",
     "function f(s as string) as string\n  return f(s + \"x\")\nend function\nprint f(\"\")",
     RuntimeErrorCode::StackOverflow, "Stack overflow", ""},
    {"HugeArray", "dim a(100000000000) as double", RuntimeErrorCode::OutOfMemory, "Out of memory",
     ""},
    {"HugeTwoDimensionalArray", "dim a(4000000000, 4000000000) as double",
     RuntimeErrorCode::OutOfMemory, "Out of memory", ""},
    {"ZeroStep", "for i as integer = 1 to 10 step 0\nnext", RuntimeErrorCode::ZeroStep,
     "Step of a for loop is zero", ""},
    {"ZeroDoubleStep", "dim s as double\nfor x as double = 0 to 1 step s\nnext",
     RuntimeErrorCode::ZeroStep, "Step of a for loop is zero", ""},
};
INSTANTIATE_TEST_SUITE_P(Engine, RuntimeErrors, testing::ValuesIn(kCases), caseName);

TEST(RuntimeErrorsInEvents, APrintHandlerThatThrowsEndsTheRun) {
  RunResult r = runScript("print 1\nprint 2", nullptr, [](ScriptEngine& s) {
    s.Print = [](const std::string& t) {
      if (t == "2") throw std::runtime_error("no room");
    };
  });
  EXPECT_EQ(r.runtimeErrors, 1);
  EXPECT_EQ(r.errorNumber,
            ErrorNumberOf(
                RuntimeErrorCode::Failure));  // a failure of no kind of its own, as from a method
  EXPECT_EQ(r.errorMessage, "no room");
}

}  // namespace
}  // namespace vorline::test
