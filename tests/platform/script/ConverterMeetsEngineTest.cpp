// The converter meets the engine: the scripts of the converter's own cases, and a small pad
// converted and run, checking what the test context received.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "converter/ConverterCases.h"
#include "converter/FakeConverterOwner.h"
#include "converter/ckScriptConverter.h"
#include "platform/script/ScriptRunner.h"
#include "platform/script/TestContext.h"

namespace vorline::test {
namespace {

// Declares, among the memory declarations, the names the cases' pads read without assigning,
// as a memory of earlier runs would.
std::string withMemory(std::string script) {
  size_t at = script.find("\ndim ans as double = 0\n");
  if (at == std::string::npos) return script;
  std::string extra;
  for (std::string n : {"a", "b", "c", "x", "y", "n", "m", "z"}) {
    bool declared = script.find("\ndim " + n + " as ") != std::string::npos ||
                    script.find("\ndim " + n + "(") != std::string::npos;
    if (!declared) extra += "dim " + n + " as double = 1\n";
  }
  return script.insert(at + 1, extra);
}

struct Outcome {
  int64_t code;  // compile error code; 0: compiles and runs to its end
  int64_t line;
};

// Cases whose pads are not valid on purpose, and what the engine says of them.
const std::map<std::string, Outcome> kExpected = {
    {"StringFieldTokens", {1, 12}},  // stringField(3)6
    {"StringFieldHigherNumbersFirst", {1, 12}},
    {"IncludeModeTagsAnEmptyLineAndRegistersNothing", {1, 18}},  // "2+3" passes as script text
    {"OnlyABlankEndsTheFirstWord", {1, 12}},                     // print str(print<tab>x)
    {"GreaterOrEqualIsAnAssignment", {1, 11}},                   // dim x > as double
    {"TwoEqualsSignsMakeAnExpression", {1, 12}},
    {"CommentCutsInsideQuotes", {1, 12}},
    {"ReturnEndExitBeepAreNotRegistered", {11, 16}},  // endx
    {"PadMarkerSwitchesIncludeModeOn", {15, 14}},     // a bare "b" line in include mode
    {"MarkersCountOnlyAsWholeLines", {15, 14}},
    {"IncludeBlocksNest", {15, 12}},
    {"EndMarkerOutsideEveryBlockChangesNothing", {15, 12}},
    {"IntegerPrefixInsideAConditional", {2, 12}},  // if 1 then
    {"EmptyNameIsRegisteredAsWritten", {1, 11}},
    {"EmptyValue", {1, 12}},
    {"DimStatements", {1, 12}},
    {"CommaInsideQuotesEndsAnElement", {1, 13}},
    {"ArrayKeepsItsTypePrefixAndTwoLiteralsDeclareTwice", {1, 11}},
    {"DefinitionEndsAtTheNextDef", {11, 2}},
    {"ConditionEndsAtItsFirstBlank", {1, 13}},
    {"ConditionEndsAtAnEqualsSign", {1, 11}},
    {"SemicolonInsideQuotesSplitsTheBody", {1, 13}},
    {"NestedConditionals", {2, 19}},  // if a then, a Double
    {"BodyStatementRules", {2, 12}},
    {"DirectivesAreNotDirectivesInBodies", {1, 13}},
    {"ArrayLiteralInsideABody", {2, 13}},
    {"PlotLines", {1, 21}},  // "plotY = " of an empty plot
};

TEST(ConverterMeetsEngine, EveryCaseScriptCompilesOrFailsWhereExpected) {
  for (const ConverterCase& c : kConverterCases) {
    SCOPED_TRACE(c.name);
    std::string script = withMemory(c.script);
    TestContext ctx;
    RunResult r = runScript(script, &ctx);
    int64_t lines = std::count(script.begin(), script.end(), '\n') + 1;
    auto known = kExpected.find(c.name);
    if (known == kExpected.end()) {
      // A case added since: it must compile and run, or fail at a line of its script.
      if (r.compileErrors) {
        EXPECT_TRUE(r.errorLine >= 1 && r.errorLine <= lines) << r.errorInfo;
      }
      continue;
    }
    if (known->second.code == 0) {
      EXPECT_EQ(r.compileErrors, 0)
          << "line " << r.errorLine << " [" << r.errorCode << "] " << r.errorInfo;
      EXPECT_EQ(r.runtimeErrors, 0) << r.errorMessage;
    } else {
      EXPECT_EQ(r.compileErrors, 1);
      EXPECT_EQ(r.errorCode, known->second.code) << r.errorInfo;
      EXPECT_EQ(r.errorLine, known->second.line) << r.errorInfo;
      EXPECT_TRUE(ctx.calls.empty());
    }
  }
}

TEST(ConverterMeetsEngine, ValidCaseScriptsRunToTheirEnd) {
  int ran = 0;
  for (const ConverterCase& c : kConverterCases) {
    if (kExpected.count(c.name)) continue;
    SCOPED_TRACE(c.name);
    RunResult r = runScript(withMemory(c.script));
    EXPECT_EQ(r.compileErrors, 0) << "line " << r.errorLine << " [" << r.errorCode << "] "
                                  << r.errorInfo;
    EXPECT_EQ(r.runtimeErrors, 0) << r.errorMessage;
    ++ran;
  }
  EXPECT_GE(ran, 20);
}

class PadThroughConverterAndEngine : public testing::Test {
 protected:
  PadThroughConverterAndEngine() { converter.owner = &owner; }
  RunResult run(const std::string& pad) {
    script = converter.convertSource("#start_include\n\n#end_include\n" + pad);
    return runScript(script, &ctx);
  }

  FakeConverterOwner owner;
  ckScriptConverter converter;
  TestContext ctx;
  std::string script;
};

TEST_F(PadThroughConverterAndEngine, ContextReceivesTagsStoresAndPrints) {
  RunResult r =
      run("x = 2*3\nx + 1\nprint x\n$s = \"hi\"\nif x>5 y = x*2\nv = {1, 2.5}\nprint v(0) + v(1)\n"
          "def sq(a) return a*a\nz = sq(3)\n# note");
  ASSERT_EQ(r.compileErrors, 0) << "line " << r.errorLine << " [" << r.errorCode << "] "
                                << r.errorInfo << "\n"
                                << script;
  ASSERT_EQ(r.runtimeErrors, 0) << r.errorMessage;
  EXPECT_EQ(r.output(), "7|6|3.5");
  EXPECT_EQ(
      ctx.log(),
      "tagLine Int64 0 | setVar x Double 6 | printAny Double 6 | tagLine Int64 1 | tagLine Int64 2 "
      "| "
      "tagLine Int64 3 | setVar s String hi | printAny String hi | tagLine Int64 4 | setVar y "
      "Double 12 | "
      "tagLine Int64 5 | tagLine Int64 6 | tagLine Int64 7 | tagLine Int64 8 | setVar z Double 9 | "
      "printAny Double 9 | tagLine Int64 9");
}

TEST_F(PadThroughConverterAndEngine, PlotWithAPrefixOfItsOwn) {
  std::string prefix =
      "plotXMax = 1\nplotXMin = -1\nplotYMax = 1\nplotYMin = 0\nplotXStep = 2\nplotTicks = "
      "1\nplotX = 0\nplotY = 0\n"
      "@sub graphNextPlot(a as double, b as double, c as double, d as double, e as double, f as "
      "double)\n@end sub\n"
      "@sub graphPlotPoint(x as double, y as double)\n@print str(x) + \":\" + str(y)\n@end sub\n"
      "@sub graphShow()\n@end sub\n";
  script =
      converter.convertSource("#start_include\n" + prefix + "\n#end_include\nplot plotX*plotX");
  RunResult r = runScript(script, &ctx);
  ASSERT_EQ(r.compileErrors, 0) << "line " << r.errorLine << " [" << r.errorCode << "] "
                                << r.errorInfo << "\n"
                                << script;
  EXPECT_EQ(r.output(), "-1:1|0:0|1:1");
}

TEST_F(PadThroughConverterAndEngine, ErrorLinesCountTheGeneratedScript) {
  RunResult r = run("def f(a) return a\nx = 1\ns = \"a\" + 1");
  EXPECT_EQ(r.compileErrors, 1);
  EXPECT_EQ(r.errorCode, 2);
  // The function (3 lines), the empty line, 3 declarations, 6 body lines: s = "a" + 1 is 14.
  EXPECT_EQ(r.errorLine, 14) << script;
}

}  // namespace
}  // namespace vorline::test
