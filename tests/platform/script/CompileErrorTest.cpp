// Scripts that must not compile: the code and the line (of the script, from 1) reported once.
#include <gtest/gtest.h>

#include "platform/script/ScriptRunner.h"

namespace vorline::test {
namespace {

struct ErrorCase {
  const char* name;
  const char* source;
  int64_t code;
  int64_t line;
};

class CompileErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(CompileErrors, ReportsCodeAndLineOnce) {
  const ErrorCase& c = GetParam();
  RunResult r = runScript(c.source);
  EXPECT_EQ(r.compileErrors, 1);
  EXPECT_EQ(r.errorCode, c.code) << r.errorInfo;
  EXPECT_EQ(r.errorLine, c.line) << r.errorInfo;
  EXPECT_FALSE(r.errorInfo.empty());
  EXPECT_TRUE(r.printed.empty()) << "a script that does not compile must not run";
}

std::string caseName(const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; }

const ErrorCase kSyntax[] = {
    {"MissingValue", "print 1\nx = ", 1, 2},
    {"UnterminatedStringPointsAtItsLine", "print 1\nprint \"abc\nprint 2", 1, 2},
    {"ConverterCutStringInsideCall", "\ndim x as double\nprint str(\"a)\n", 1, 3},
    {"StrayOperator", "dim x as double\nprint str(> 0 print x)", 1, 2},
    {"UnknownCharacter", "dim x as double\nx = 1 # 2", 1, 2},
    {"IfWithoutEndIfReportsTheIf", "print 1\nif true then\nprint 2\n", 1, 2},
    {"ForWithoutNext", "for i as integer = 1 to 2\nprint i", 1, 1},
    {"FunctionInsideABlock", "if true then\nfunction f() as double\nend function\nend if", 1, 2},
    {"ReservedWordAsVariable", "dim next as double", 1, 1},
    {"ContinueOutsideLoop", "continue", 1, 1},
    {"ExitForOutsideFor", "while true\nexit for\nwend", 1, 2},
    {"TrailingTokens", "print 1 2", 1, 1},
    {"BlockStatementAfterThen", "if true then for i = 1 to 2", 1, 1},
    {"FirstErrorWins", "dim s as string\ns = 5\nx = 1\n", 2, 2},
    {"SyntaxErrorsComeBeforeTypeErrors", "dim s as string\ns = 5\nx = \n", 1, 3},
};
INSTANTIATE_TEST_SUITE_P(Syntax, CompileErrors, testing::ValuesIn(kSyntax), caseName);

const ErrorCase kTypes[] = {
    {"StringGetsNumber", "dim s as string\ns = 5", 2, 2},
    {"NumberGetsString", "dim x as double\nx = \"a\"", 2, 2},
    {"TextPlusNumber", "print \"a\" + 1", 2, 1},
    {"ConditionNotBoolean", "dim x as double = 1\nif x then\nend if", 2, 2},
    {"WhileConditionNotBoolean", "while 1\nwend", 2, 1},
    {"BooleanPlusNumber", "print true + 1", 2, 1},
    {"AndOnDoubles", "print 1.5 and 2.5", 13, 1},
    {"NotOnText", "print not \"a\"", 13, 1},
    {"BooleansHaveNoOrder", "print true < false", 12, 1},
    {"RedeclaredWithAnotherType", "dim x as double = 0\ndim x as string", 20, 2},
    {"SubHasNoValue", "sub s()\nend sub\ndim x as double\nx = s()", 33, 4},
    {"ArrayInArithmetic", "dim a(2) as double\nprint a + 1", 2, 2},
};
INSTANTIATE_TEST_SUITE_P(Types, CompileErrors, testing::ValuesIn(kTypes), caseName);

const ErrorCase kNamesAndCalls[] = {
    {"UndefinedVariable", "print y", 11, 1},
    {"AssignToUndeclared", "\ny = 2", 11, 2},
    {"UndefinedFunction", "print nosuch(1)", 11, 1},
    {"UnknownType", "dim x as widget", 11, 1},
    {"TooManyParameters", "print sqrt(1, 2)", 6, 1},
    {"NotEnoughParameters", "print left(\"a\")", 7, 1},
    {"WrongNumberAmongOverloads", "print mid(\"a\")", 7, 1},
    {"WrongCountBetweenOverloads",
     "function f(a as double) as double\nreturn a\nend function\n"
     "function f(a as double, b as double, c as double) as double\nreturn a\nend function\nprint "
     "f(1, 2)",
     8, 7},
    {"IncompatibleParameters", "print len(5)", 9, 1},
    {"AmbiguousOverloads",
     "sub f(a as integer, b as double)\nend sub\nsub f(a as double, b as integer)\nend sub\nf 1, 2",
     9, 5},
    {"VariableIsNotAMethod", "dim x as double\nx", 15, 2},
    {"IndexingAScalar", "dim x as double\nprint x(1)", 16, 2},
    {"TooFewSubscripts", "dim m(2, 2) as double\nprint m(1)", 17, 2},
    {"TooManySubscripts", "dim a(2) as double\nprint a(1, 1)", 18, 2},
    {"AssignToConstant", "const k = 1\nk = 2", 32, 2},
    {"LineCountsTheGeneratedScript",
     "\nfunction f(x as double) as double\nreturn x\nend function\n\ndim a as double\na = f(\"s\")",
     9, 7},
};
INSTANTIATE_TEST_SUITE_P(NamesAndCalls, CompileErrors, testing::ValuesIn(kNamesAndCalls), caseName);

}  // namespace
}  // namespace vorline::test
