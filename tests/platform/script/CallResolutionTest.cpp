// A call's overload is chosen once per name and argument types and reused for the next calls
// of that name: every call still gets the overload of its own argument types, in any letter
// case, and a call that does not fit still fails at its own line.
#include <gtest/gtest.h>

#include "platform/script/ScriptRunner.h"
#include "platform/script/TestContext.h"

namespace vorline::test {
namespace {

struct ResolutionCase {
  const char* name;
  const char* source;
  const char* log;     // the context calls, as TestContext logs them
  const char* output;  // the printed lines joined with "|"
  int64_t code = 0;    // for a script that must not compile: the error's code and line
  int64_t line = 0;
};

class CallResolution : public testing::TestWithParam<ResolutionCase> {};

TEST_P(CallResolution, EachCallIsResolvedByItsOwnArguments) {
  const ResolutionCase& c = GetParam();
  TestContext ctx;
  RunResult r = runScript(c.source, &ctx);
  EXPECT_EQ(r.compileErrors, c.code ? 1 : 0) << r.errorInfo;
  EXPECT_EQ(r.errorCode, c.code) << r.errorInfo;
  EXPECT_EQ(r.errorLine, c.line) << r.errorInfo;
  ASSERT_EQ(r.runtimeErrors, 0) << r.errorNumber << " " << r.errorMessage;
  EXPECT_EQ(ctx.log(), c.log);
  EXPECT_EQ(r.output(), c.output);
}

std::string caseName(const testing::TestParamInfo<ResolutionCase>& info) { return info.param.name; }

const ResolutionCase kResolutions[] = {
    {"TypesAlternateUnderOneName",
     "printAny 1\nprintAny 1.5\nprintAny \"a\"\nprintAny 2\nprintAny 2.5\nprintAny \"b\"",
     "printAny Int64 1 | printAny Double 1.5 | printAny String a | printAny Int64 2 | "
     "printAny Double 2.5 | printAny String b",
     ""},
    {"LetterCaseDoesNotCount", "PrintAny 1\nprintany 1.5\nPRINTANY \"a\"\nprintAny 2",
     "printAny Int64 1 | printAny Double 1.5 | printAny String a | printAny Int64 2", ""},
    {"SecondArgumentDecides",
     "setVar \"a\", 1\nsetVar \"b\", 1.5\nsetVar \"c\", \"t\"\nsetVar \"d\", 2",
     "setVar a Int64 1 | setVar b Double 1.5 | setVar c String t | setVar d Int64 2", ""},
    {"VariablesOfEachType",
     "dim n as integer = 3\ndim d as double = 4\ndim s as string = \"x\"\n"
     "printAny d\nprintAny n\nprintAny s\nprintAny n\nprintAny d",
     "printAny Double 4 | printAny Int64 3 | printAny String x | printAny Int64 3 | "
     "printAny Double 4",
     ""},
    {"ReusedResolutionStillConvertsTheArgument", "tagLine 2.0\ntagLine 3.0\ntagLine 4",
     "tagLine Int64 2 | tagLine Int64 3 | tagLine Int64 4", ""},
    {"ArgumentCountDecides",
     "function f(a as double) as string\nreturn \"one\"\nend function\n"
     "function f(a as double, b as double) as string\nreturn \"two\"\nend function\n"
     "print f(1)\nprint f(1, 2)\nprint F(3)\nprint f(3, 4)",
     "", "one|two|one|two"},
    {"ArrayOrScalarDecides",
     "function f(a() as double) as string\nreturn \"array\"\nend function\n"
     "function f(a as double) as string\nreturn \"scalar\"\nend function\n"
     "dim a(1) as double\nprint f(a)\nprint f(1.5)\nprint f(a)\nprint f(a(0))",
     "", "array|scalar|array|scalar"},
    {"SameTypesInsideAFunctionAndOutside",
     "sub show(x as double)\nprintAny x\nprintAny 1\nend sub\nprintAny 1\nshow 2\nprintAny 3.5",
     "printAny Int64 1 | printAny Double 2 | printAny Int64 1 | printAny Double 3.5", ""},
    {"FourthArgumentDecides",
     "function f(a as double, b as double, c as double, d as string) as string\n"
     "return \"text\"\nend function\n"
     "function f(a as double, b as double, c as double, d() as double) as string\n"
     "return \"array\"\nend function\n"
     "dim d(1) as double\nprint f(1, 2, 3, \"e\")\nprint f(1, 2, 3, d)\nprint f(1, 2, 3, \"e\")",
     "", "text|array|text"},
    {"ManyArgumentsDecideToo",
     "function f(a as double, b as double, c as double, d as double, e as string) as string\n"
     "return \"text\"\nend function\n"
     "function f(a as double, b as double, c as double, d as double, e as double) as string\n"
     "return \"number\"\nend function\n"
     "print f(1, 2, 3, 4, \"e\")\nprint f(1, 2, 3, 4, 5)\nprint f(1, 2, 3, 4, \"e\")",
     "", "text|number|text"},
    {"ScriptFunctionNamedStrReplacesTheConversion",
     "function str(x as double) as string\nreturn \"mine\"\nend function\n"
     "print str(1.5)\nprint str(2)",
     "", "mine|mine"},
};
INSTANTIATE_TEST_SUITE_P(Calls, CallResolution, testing::ValuesIn(kResolutions), caseName);

// A script that does not compile runs nothing: no context call, no print.
const ResolutionCase kResolutionErrors[] = {
    {"MoreArgumentsAfterAFittingCall", "printAny 1\nprintAny 2\nprintAny 1, 2", "", "", 6, 3},
    {"FewerArgumentsAfterAFittingCall", "setVar \"a\", 1\nsetVar \"a\"", "", "", 7, 2},
    {"TypeThatFitsNoOverloadAfterOneThatFits", "printAny 1\ndim b as boolean\nprintAny b", "", "",
     9, 3},
    {"OtherCaseAfterAFittingCall", "tagLine 1\nTAGLINE \"a\"", "", "", 9, 2},
    {"ArrayAfterAScalar",
     "function f(a as double) as double\nreturn a\nend function\n"
     "dim a(1) as double\nprint f(1)\nprint f(a)",
     "", "", 9, 6},
    {"UboundOfAScalarAfterUboundOfAnArray",
     "dim a(2) as double\ndim x as double\nprint ubound(a)\nprint ubound(x)", "", "", 9, 4},
    {"SubAsAValueAfterItsStatement", "sub s(x as double)\nend sub\ns 1\ndim y as double\ny = s(2)",
     "", "", 33, 5},
};
INSTANTIATE_TEST_SUITE_P(Errors, CallResolution, testing::ValuesIn(kResolutionErrors), caseName);

}  // namespace
}  // namespace vorline::test
