// Calls from scripts into the context's method table: statement and expression forms,
// overloads chosen by argument type, Variants dispatched by what they hold, zero-argument
// methods without parentheses, objects, and failures raised by methods.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/script/ScriptRunner.h"
#include "platform/script/TestContext.h"

namespace vorline::test {
namespace {

using T = ScriptType;

class ContextBinding : public testing::Test {
 protected:
  ContextBinding() {
    ctx.add({"now", {}, T::Double, [](const Variant*, size_t) { return Variant::Double(42.5); }});
    ctx.add({"time", {}, T::Double, [](const Variant*, size_t) { return Variant::Double(7); }});
    ctx.add({"day", {T::Double}, T::Int64, [](const Variant* a, size_t) {
               return Variant::Int64(static_cast<int64_t>(a[0].doubleValue()) % 31);
             }});
    ctx.add({"BitwiseShiftLeft", {T::UInt64, T::Int64}, T::UInt64, [](const Variant* a, size_t) {
               return Variant::UInt64(a[0].uint64Value() << a[1].int64Value());
             }});
    ctx.add({"BitwiseOnesComplement", {T::UInt64}, T::UInt64, [](const Variant* a, size_t) {
               return Variant::UInt64(~a[0].uint64Value());
             }});
    ctx.add({"printAny1", {T::Variant}, T::Void, [this](const Variant* a, size_t) {
               ctx.calls.push_back("printAny1 " + TestContext::describe(a[0]));
               return Variant();
             }});
    ctx.add({"rgex", {T::String, T::String, T::Boolean}, T::Boolean, [](const Variant* a, size_t) {
               return Variant::Boolean(a[2].booleanValue() &&
                                       a[0].stringValue() == a[1].stringValue());
             }});
    ctx.add({"pathToFolderitem", {T::String}, T::Object, [](const Variant* a, size_t) {
               return a[0].stringValue().empty() ? Variant()
                                                 : Variant::Object(std::make_shared<TestFolder>());
             }});
    ctx.add({"isFolder", {T::Object}, T::Boolean, [](const Variant* a, size_t) {
               return Variant::Boolean(!a[0].isNil());
             }});
    ctx.add({"failWith", {T::Int64}, T::Void, [](const Variant* a, size_t) -> Variant {
               if (a[0].int64Value() == 0) throw std::runtime_error("plain failure");
               throw RuntimeException(a[0].int64Value(), "raised by the method");
             }});
  }
  RunResult run(const std::string& source) { return runScript(source, &ctx); }

  TestContext ctx;
};

TEST_F(ContextBinding, StatementFormsWithAndWithoutParentheses) {
  RunResult r = run("tagLine 3\ntagLine(4)\nsetVar \"x\", 1.5");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(ctx.log(), "tagLine Int64 3 | tagLine Int64 4 | setVar x Double 1.5");
}

TEST_F(ContextBinding, OverloadsFollowTheArgumentType) {
  RunResult r =
      run("dim n as integer = 3\ndim d as double = 3\ndim s as string = \"3\"\n"
          "setVar \"n\", n\nsetVar \"d\", d\nsetVar \"s\", s\nprintAny n\nprintAny d\nprintAny s\n"
          "setVar \"k\", 5\nsetVar \"h\", 0.5");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(ctx.log(),
            "setVar n Int64 3 | setVar d Double 3 | setVar s String 3 | printAny Int64 3 | "
            "printAny Double 3 | "
            "printAny String 3 | setVar k Int64 5 | setVar h Double 0.5");
}

TEST_F(ContextBinding, VariantArgumentsPickTheOverloadAtRunTime) {
  RunResult r =
      run("dim v(2) as variant\nv(0) = 4\nv(1) = 2.5\nv(2) = \"t\"\n"
          "for i as integer = 0 to 2\n  setVar \"v\", v(i)\n  printAny v(i)\nnext");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(ctx.log(),
            "setVar v Int64 4 | printAny Int64 4 | setVar v Double 2.5 | printAny Double 2.5 | "
            "setVar v String t | "
            "printAny String t");
}

// Int64 does not hold every UInt64, Double does (to its precision): a UInt64 argument takes
// the Double overload rather than turn negative.
TEST_F(ContextBinding, UInt64ArgumentsTakeTheOverloadThatHoldsThem) {
  RunResult r =
      run("printAny BitwiseShiftLeft(1, 63)\nsetVar \"n\", BitwiseShiftLeft(1, 3)\n"
          "dim v as variant = BitwiseShiftLeft(1, 63)\nprintAny v");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(ctx.log(),
            "printAny Double 9.22337203685478e+18 | setVar n Double 8 | "
            "printAny Double 9.22337203685478e+18");
}

TEST_F(ContextBinding, VariantParameterGetsTheValueAsItStands) {
  RunResult r =
      run("dim n as integer = 2\ndim k as int64 = 2\nprintAny1 n\nprintAny1 k\nprintAny1 "
          "1.5\nprintAny1 \"s\"\nprintAny1 true");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(ctx.log(),
            "printAny1 Integer 2 | printAny1 Int64 2 | printAny1 Double 1.5 | printAny1 String s | "
            "printAny1 Boolean True");
}

TEST_F(ContextBinding, ZeroArgumentMethodsWithoutParentheses) {
  RunResult r =
      run("dim t as double\nt = now\nprint t\nprint day(now)\nprint now + 1\nprint now()");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(r.output(), "42.5|11|43.5|42.5");
}

TEST_F(ContextBinding, VariableNamedLikeAMethodIsTheVariable) {
  RunResult r =
      run("dim time as double = 5\ndim day as double = 1\nprint time\nprint time()\nprint "
          "day(40)\nprint day");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(r.output(), "5|7|9|1");
}

TEST_F(ContextBinding, UnsignedBitFunctions) {
  RunResult r =
      run("dim x as double\nx = BitwiseShiftLeft(1, 3)\nprint x\nprint BitwiseOnesComplement(0)\n"
          "print BitwiseShiftLeft(BitwiseOnesComplement(0), 63)");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(r.output(), "8|18446744073709551615|9223372036854775808");
}

TEST_F(ContextBinding, BooleanParametersAndResults) {
  RunResult r =
      run("if rgex(\"a\", \"a\", true) then print \"match\"\nprint rgex(\"a\", \"b\", true)");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(r.output(), "match|False");
}

TEST_F(ContextBinding, HostObjects) {
  RunResult r = run(
      "dim f as folderitem = pathToFolderitem(\"x\")\ndim g as folderitem = "
      "pathToFolderitem(\"\")\n"
      "print f = nil\nprint g = nil\nprint isFolder(f)\nprint isFolder(g)\nprint isFolder(nil)\n"
      "dim v as variant = f\nprint v <> nil");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(r.output(), "False|True|True|False|False|True");
}

TEST_F(ContextBinding, AnObjectIsNoNumber) {
  RunResult r = run("dim v as variant = pathToFolderitem(\"x\")\ndim d as double\nprint 1\nd = v");
  EXPECT_EQ(r.runtimeErrors, 1);
  EXPECT_EQ(r.errorNumber, ErrorNumberOf(RuntimeErrorCode::TypeConversion));
  EXPECT_EQ(r.output(), "1");
}

TEST_F(ContextBinding, MethodFailuresBecomeRunTimeErrors) {
  RunResult own = run("print 1\nfailWith 42\nprint 2");
  EXPECT_EQ(own.errorNumber, 42);
  EXPECT_EQ(own.errorMessage, "raised by the method");
  EXPECT_EQ(own.output(), "1");
  RunResult plain = run("failWith 0");
  EXPECT_EQ(plain.runtimeErrors, 1);
  EXPECT_EQ(plain.errorNumber, ErrorNumberOf(RuntimeErrorCode::Failure));
  EXPECT_EQ(plain.errorMessage, "plain failure");
}

TEST_F(ContextBinding, ScriptFunctionHidesTheMethodWithTheSameParameters) {
  RunResult r = run(
      "sub tagLine(n as int64)\n  print \"mine \" + str(n)\nend sub\ntagLine 1\nsetVar \"a\", 2");
  ASSERT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(r.output(), "mine 1");
  EXPECT_EQ(ctx.log(), "setVar a Int64 2");
}

TEST_F(ContextBinding, ArgumentErrorsAreCompileErrors) {
  EXPECT_EQ(run("tagLine").errorCode, 7);
  EXPECT_EQ(run("tagLine 1, 2").errorCode, 6);
  EXPECT_EQ(run("tagLine \"a\"").errorCode, 9);
  EXPECT_EQ(run("setVar \"a\"").errorCode, 7);
  EXPECT_EQ(run("dim b as boolean\nprintAny b").errorCode, 9);
  EXPECT_TRUE(ctx.calls.empty());
}

TEST(ContextBindingWithoutContext, MethodsAreUndefined) {
  ScriptEngine s;
  int64_t code = 0;
  s.Source = "tagLine 0";
  s.CompilerError = [&code](const ScriptLocation&, int64_t c, const std::string&) {
    code = c;
    return false;
  };
  s.Run();
  EXPECT_EQ(code, 11);
}

}  // namespace
}  // namespace vorline::test
