// The statement forms that the converter writes, exactly as it writes them (with the empty
// first line, memory declarations, line tags, store and print lines), run with the test
// context.
#include <gtest/gtest.h>

#include "platform/script/ScriptRunner.h"
#include "platform/script/TestContext.h"

namespace vorline::test {
namespace {

struct FormCase {
  const char* name;
  const char* script;
  const char* printed;
  const char* calls;
};

class GeneratedForms : public testing::TestWithParam<FormCase> {};

TEST_P(GeneratedForms, RunAsWritten) {
  const FormCase& c = GetParam();
  TestContext ctx;
  RunResult r = runScript(c.script, &ctx);
  ASSERT_EQ(r.compileErrors, 0) << "line " << r.errorLine << " [" << r.errorCode << "] "
                                << r.errorInfo;
  ASSERT_EQ(r.runtimeErrors, 0) << r.errorMessage;
  EXPECT_EQ(r.output(), c.printed);
  EXPECT_EQ(ctx.log(), c.calls);
}

std::string caseName(const testing::TestParamInfo<FormCase>& info) { return info.param.name; }

const FormCase kForms[] = {
    {"WorkedExample",
     "\ndim ans as double = 0\ndim x as double\ntagLine 0\nx = 2*3\nsetVar \"x\", x\nprintAny "
     "x\ntagLine 1\n"
     "print str(x + 1)\ntagLine 2\nprint x\n\n",
     "7|6",
     "tagLine Int64 0 | setVar x Double 6 | printAny Double 6 | tagLine Int64 1 | tagLine Int64 2"},
    {"OneLineConditional",
     "\ndim ans as double = 0\ndim x as double = 5\ntagLine 0\nif x>0 then \nprint x\nend "
     "if\ntagLine 1\n"
     "if (x < 0) then \nprint x\nend if\n\n",
     "5", "tagLine Int64 0 | tagLine Int64 1"},
    {"ConditionalWithAssignment",
     "\ndim ans as double = 0\ndim a as double = 2\ndim b as double = 1\ndim m as double\ntagLine "
     "0\n"
     "if (a > b) then \nm = a\nsetVar \"m\", m\nprint m\nend if\n\n",
     "2", "tagLine Int64 0 | setVar m Double 2"},
    {"FunctionDefinitionsFirst",
     "function sq(x as double) as double\nreturn x*x\nend function\nfunction f(a as double, b as "
     "double) as double\n"
     "c = a+b\nsetVar \"c\", c\nreturn c*2\nend function\nfunction k() as double\nreturn 7\nend "
     "function\n"
     "\ndim ans as double = 0\ndim c as double\ndim y as double\ntagLine 0\ny = sq(3) + f(1, 2) + "
     "k\n"
     "setVar \"y\", y\nprintAny y\n\n",
     "", "tagLine Int64 0 | setVar c Double 3 | setVar y Double 22 | printAny Double 22"},
    {"BareExpressionInAFunctionPrints",
     "function show(x as double) as double\nprint str(x*2)\nend function\n\ndim ans as double = "
     "0\ntagLine 0\n"
     "print str(show(4))\n\n",
     "8|0", "tagLine Int64 0"},
    {"ParameterHidesMemoryVariable",
     "function f(x as double) as double\nreturn x+1\nend function\n\ndim ans as double = 0\ndim x "
     "as double = 10\n"
     "tagLine 0\nprint str(f(1) + x)\n\n",
     "12", "tagLine Int64 0"},
    {"ArrayLiterals",
     "\ndim ans as double = 0\ndim v(2) as variant\ndim m(2, 1) as variant\ntagLine 0\nv(0) = "
     "4\nv(1) =  5\nv(2) = 6\n"
     "tagLine 1\nm(0, 0) = 1\nm(0, 1) = 2\nm(1, 0) = 3\nm(1, 1) = 4\nm(2, 0) = 5\nm(2, 1) = 6\n"
     "tagLine 2\nprint str(v(0) + v(1) + m(2, 1))\n\n",
     "15", "tagLine Int64 0 | tagLine Int64 1 | tagLine Int64 2"},
    {"MemoryDeclarations",
     "\ndim ans as double = 0\ndim s as string = \"He said \"\"hi\"\"\"\ndim big as double = "
     "1e999\n"
     "dim small as double = -1e999\ndim bad as double = (0/0)\ndim r as double = 0.1\ndim n as "
     "double = 6\n"
     "dim t as string = \"a\" + chr(10) + \"b\" + chr(91) + chr(36) + \"5\"\ndim z as integer = 0\n"
     "tagLine 0\nprint s\nprint str(big)\nprint str(small)\nprint str(bad)\nprint str(r)\nprint "
     "str(len(t))\n"
     "setVar \"big\", big\nsetVar \"s\", s\n\n",
     "He said \"hi\"|INF|-INF|NAN|0.1|6",
     "tagLine Int64 0 | setVar big Double INF | setVar s String He said \"hi\""},
    {"PlotLoop",
     "sub graphNextPlot(a as double, b as double, c as double, d as double, e as double, f as "
     "double)\n"
     "print \"next\"\nend sub\nsub graphPlotPoint(x as double, y as double)\nprint str(x) + \",\" "
     "+ str(y)\nend sub\n"
     "sub graphShow()\nprint \"show\"\nend sub\n\ndim ans as double = 0\ndim plotXMax as double = "
     "2\n"
     "dim plotXMin as double = -2\ndim plotYMax as double = 4\ndim plotYMin as double = 0\ndim "
     "plotXStep as double = 4\n"
     "dim plotTicks as double = 1\ndim plotX as double\ndim plotY as double\ntagLine 0\n"
     "graphNextPlot(plotXMax, plotXMin, plotYMax, plotYMin, plotXStep, plotTicks)\n"
     "for plotX = plotXMin to plotXMax step ((plotXMax*2)/plotXStep)\nplotY = plotX*plotX\n"
     "graphPlotPoint plotX, plotY\nnext\ngraphShow()\n\n",
     "next|-2,4|-1,1|0,0|1,1|2,4|show", "tagLine Int64 0"},
    {"StringFieldTokens",
     "\ndim ans as double = 0\ntagLine 0\nprint str(stringField(3) + \"x\")\n\n", "x",
     "tagLine Int64 0 | stringField Int64 3"},
    {"CommentsEndExitBeep",
     "\ndim ans as double = 0\ntagLine 0\n// a comment\ntagLine 1\nprint "
     "str(1)\nbeep\nexit\ntagLine 2\nprint str(2)\n\n",
     "1", "tagLine Int64 0 | tagLine Int64 1"},
    {"EndLine", "\ndim ans as double = 0\ntagLine 0\nprint str(1)\nend\ntagLine 1\n\n", "1",
     "tagLine Int64 0"},
    {"IntegerNamesAndStringNames",
     "\ndim ans as double = 0\ndim n as integer\ndim s as string\ntagLine 0\nn = 7\nsetVar \"n\", "
     "n\nprintAny n\n"
     "tagLine 1\ns = \"hi\"\nsetVar \"s\", s\nprintAny s\n\n",
     "",
     "tagLine Int64 0 | setVar n Int64 7 | printAny Int64 7 | tagLine Int64 1 | setVar s String hi "
     "| printAny String hi"},
    {"RawScriptFunctionAfterTheBody",
     "\ndim ans as double = 0\ntagLine 0\nprint str(helper(2))\nfunction helper(x as double) as "
     "double\nreturn x+1\nend function\n\n",
     "3", "tagLine Int64 0"},
    {"RedefinedPrefixHelper",
     "function half(x as double) as double\nreturn x/2\nend function\nfunction half(x as double) "
     "as double\nreturn x/4\n"
     "end function\n\ndim ans as double = 0\ntagLine 0\nprint str(half(8))\n\n",
     "2", "tagLine Int64 0"},
    {"ReturnLineAtTopLevel",
     "\ndim ans as double = 0\ntagLine 0\nprint str(1)\nreturn\ntagLine 1\nprint str(2)\n\n", "1",
     "tagLine Int64 0"},
};
INSTANTIATE_TEST_SUITE_P(Converter, GeneratedForms, testing::ValuesIn(kForms), caseName);

struct BrokenCase {
  const char* name;
  const char* script;
  int64_t code;
  int64_t line;
};

class BrokenPadLines : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenPadLines, FailToCompileAtTheirScriptLine) {
  const BrokenCase& c = GetParam();
  TestContext ctx;
  RunResult r = runScript(c.script, &ctx);
  EXPECT_EQ(r.compileErrors, 1);
  EXPECT_EQ(r.errorCode, c.code) << r.errorInfo;
  EXPECT_EQ(r.errorLine, c.line) << r.errorInfo;
  EXPECT_TRUE(ctx.calls.empty());
}

std::string brokenName(const testing::TestParamInfo<BrokenCase>& info) { return info.param.name; }

const BrokenCase kBroken[] = {
    // "if x > 0 print x": the condition is x alone and the body "> 0 print x".
    {"ConditionCutAtABlank",
     "\ndim ans as double = 0\ndim x as double\ntagLine 0\nif x then \nprint str(> 0 print x)\nend "
     "if\n\n",
     1, 6},
    {"ConditionNotBoolean",
     "\ndim ans as double = 0\ndim x as double\ntagLine 0\nif x then \nprint x\nend if\n\n", 2, 5},
    // "x >= 3" is taken as an assignment to "x >".
    {"AssignmentToAnOperator",
     "\ndim ans as double = 0\ndim x > as double\ntagLine 0\nx > = 3\nsetVar \"x >\", x >\n\n", 1,
     3},
    // A "//" inside quotes cuts the line and leaves the string open.
    {"CutString", "\ndim ans as double = 0\ntagLine 0\nprint \"http:\n\n", 1, 4},
    {"StringVariableGetsANumber",
     "\ndim ans as double = 0\ndim s as string = \"a\"\ntagLine 0\ns = 5\nsetVar \"s\", s\n\n", 2,
     5},
    {"UnknownFunction", "\ndim ans as double = 0\ndim y as double\ntagLine 0\ny = foo(2)\n\n", 11,
     5},
    {"MemoryTypeChanged", "\ndim ans as double = 0\ndim x as double = 5\ndim x as string\n\n", 20,
     4},
};
INSTANTIATE_TEST_SUITE_P(Converter, BrokenPadLines, testing::ValuesIn(kBroken), brokenName);

}  // namespace
}  // namespace vorline::test
