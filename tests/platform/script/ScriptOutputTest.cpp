// Small scripts and what they print, one table per area of the language.
#include <gtest/gtest.h>

#include "platform/script/ScriptRunner.h"

namespace vorline::test {
namespace {

struct OutputCase {
  const char* name;
  const char* source;
  const char* expected;  // printed lines joined with "|"
};

class ScriptOutput : public testing::TestWithParam<OutputCase> {};

TEST_P(ScriptOutput, PrintsExpected) {
  const OutputCase& c = GetParam();
  RunResult r = runScript(c.source);
  ASSERT_EQ(r.compileErrors, 0) << "line " << r.errorLine << " [" << r.errorCode << "] "
                                << r.errorInfo;
  ASSERT_EQ(r.runtimeErrors, 0) << r.errorNumber << " " << r.errorMessage;
  EXPECT_EQ(r.output(), c.expected);
}

std::string caseName(const testing::TestParamInfo<OutputCase>& info) { return info.param.name; }

const OutputCase kNumbers[] = {
    {"Precedence", "print 1 + 2 * 3\nprint (1 + 2) * 3\nprint 10 - 4 - 3", "7|9|3"},
    {"PowerIsRightAssociativeAndAboveUnaryMinus", "print 2 ^ 3 ^ 2\nprint -2 ^ 2\nprint 2 ^ -1",
     "512|-4|0.5"},
    {"SlashIsAlwaysDouble", "print 7 / 2\nprint 6 / 3\nprint 1 / 3", "3.5|2|0.333333333333333"},
    {"IntegerDivisionAndMod",
     "print 7 \\ 2\nprint -7 \\ 2\nprint 7 mod 3\nprint -7 mod 3\nprint 7.9 \\ 2", "3|-3|1|-1|3"},
    {"DoubleModKeepsTheFraction", "print 7.5 mod 2", "1.5"},
    {"DisplayForm",
     "print 0.1 + 0.2\nprint 1e20\nprint 0.00001\nprint 123456789012345\nprint 1e15\nprint -0.0",
     "0.3|1e+20|0.00001|123456789012345|1e+15|0"},
    {"NonFiniteDoubles", "print 1e999\nprint -1e999\nprint (0/0)\nprint 1/0", "INF|-INF|NAN|INF"},
    {"IntegerLiterals",
     "print 9223372036854775807\nprint &hFF\nprint &b101\nprint &o17\nprint &hFFFFFFFFFFFFFFFF",
     "9223372036854775807|255|5|15|-1"},
    {"TooLargeIntegerLiteralIsDouble", "print 9223372036854775808", "9.22337203685478e+18"},
    {"MixedIntegerAndDouble",
     "dim i as integer = 7\ndim d as double = 0.5\nprint i * d\nprint i + 1\nprint d - i",
     "3.5|8|-6.5"},
    {"BitOperationsOnIntegers", "print 6 and 3\nprint 6 or 3\nprint 6 xor 3\nprint not 0",
     "2|7|5|-1"},
    {"DoubleStoredInIntegerTruncates", "dim i as integer\ni = 2.9\nprint i\ni = -2.9\nprint i",
     "2|-2"},
    {"SizedIntegersWrap",
     "dim b as uint8 = 250\nb = b + 10\nprint b\ndim s as int8 = 127\ns = s + 1\nprint s",
     "4|-128"},
    {"UInt64Wraps", "dim u as uint64 = 0\nu = u - 1\nprint u", "18446744073709551615"},
    {"SingleRoundsOnStore", "dim f as single = 0.1\nprint f\nprint f * 2 = 0.2", "0.1|False"},
    {"SingleShowsTheValueItHolds",
     "dim t as single = 16777217\nprint str(t)\nprint t + 0\nt = 1/3\nprint t",
     "16777216|16777216|0.33333334"},
    {"NegativeZeroLiteral", "dim z as double = -0.0\nprint 1/z\nz = -0\nprint 1/z", "-INF|INF"},
};
INSTANTIATE_TEST_SUITE_P(Numbers, ScriptOutput, testing::ValuesIn(kNumbers), caseName);

const OutputCase kTextAndLogic[] = {
    {"JoinAndDoubledQuotes", "print \"a\" + \"b\"\nprint \"He said \"\"hi\"\"\"",
     "ab|He said \"hi\""},
    {"StringsCompareIgnoringCase",
     "print \"abc\" = \"ABC\"\nprint \"a\" < \"B\"\nprint \"b\" <> \"B\"", "True|True|False"},
    {"Booleans",
     "print true and false\nprint true or false\nprint not true\nprint 3 > 2\nprint true = false",
     "False|True|False|True|False"},
    {"ShortCircuitSkipsTheRightSide",
     "function loud() as boolean\n  print \"called\"\n  return true\nend function\n"
     "print false and loud()\nprint true or loud()\nprint true and loud()",
     "False|True|called|True"},
    // A condition of if and while jumps on each part; as a value it is computed. Both must
    // agree for every input, and the right side of and / or runs only when it decides.
    {"ConditionsJumpAsTheirValuesSay",
     "dim bad, taken as integer\ndim v, w as boolean\n"
     "for i as integer = 0 to 2\n for j as integer = 0 to 2\n  for k as double = 0 to 2\n"
     "   v = i < j or j = k and k > i or not (i = 1)\n   w = false\n"
     "   if i < j or j = k and k > i or not (i = 1) then w = true\n"
     "   if v <> w then bad = bad + 1\n   if w then taken = taken + 1\n"
     "   v = (i = 0 or k < 1) and (j > 1 or k >= 2)\n   w = false\n"
     "   if (i = 0 or k < 1) and (j > 1 or k >= 2) then w = true\n"
     "   if v <> w then bad = bad + 1\n   if w then taken = taken + 1\n"
     "  next\n next\nnext\nprint bad\nprint taken",
     "0|28"},
    {"ShortCircuitInConditions",
     "function loud(b as boolean) as boolean\n  print \"called\"\n  return b\nend function\n"
     "if true or loud(true) then print \"a\"\nif false or loud(false) then print \"b\"\n"
     "if false and loud(true) or loud(true) then print \"c\"\n"
     "dim n as integer\nwhile n < 2 or loud(false)\n  n = n + 1\nwend\nprint n",
     "a|called|called|c|called|2"},
    {"StrOfEverything",
     "print str(3)\nprint str(3.0)\nprint str(true)\nprint str(\"x\")\nprint str(2.5e-7)",
     "3|3|True|x|2.5e-07"},
    {"ComparisonsOfNaN",
     "dim n as double = (0/0)\nprint n = n\nprint n <> n\nprint n < 1\nprint n > 1",
     "False|True|False|False"},
    {"CaseDoesNotCount", "DIM X AS DOUBLE = 2\nPrint x * X\nIF x = 2 THEN PRINT \"yes\"", "4|yes"},
    {"Comments", "print 1 // one\nprint 2 ' two\n' print 3\n// print 4", "1|2"},
};
INSTANTIATE_TEST_SUITE_P(TextAndLogic, ScriptOutput, testing::ValuesIn(kTextAndLogic), caseName);

const OutputCase kControl[] = {
    {"IfElseIfElse",
     "for i as integer = 1 to 3\n  if i = 1 then\n    print \"one\"\n  elseif i = 2 then\n    "
     "print \"two\"\n"
     "  else\n    print \"many\"\n  end if\nnext",
     "one|two|many"},
    {"InlineIfWithElse",
     "dim x as double = 5\nif x > 3 then print \"big\" else print \"small\"\n"
     "if x > 9 then print \"huge\" else print \"not huge\"",
     "big|not huge"},
    {"ForStepAndDownto",
     "for i as integer = 1 to 9 step 4\n  print i\nnext\nfor j as integer = 3 downto 1\n  print "
     "j\nnext",
     "1|5|9|3|2|1"},
    {"ForWithDoubleStep", "for x as double = 0 to 1 step 0.25\n  print x\nnext",
     "0|0.25|0.5|0.75|1"},
    {"ForNegativeStepRunsDown", "for i as integer = 3 to 1 step -1\n  print i\nnext", "3|2|1"},
    {"ForThatDoesNotStart", "for i as integer = 5 to 1\n  print i\nnext\nprint \"done\"", "done"},
    {"LoopVariableAfterTheLoop", "dim i as integer\nfor i = 1 to 3\nnext\nprint i", "4"},
    {"UndeclaredLoopVariableIsDeclared",
     "for k = 1 to 2\n  print k\nnext\nfor d = 0.5 to 1\n  print d\nnext", "1|2|0.5"},
    {"BodyAssignsTheLoopVariable", "for i as integer = 1 to 10\n  print i\n  i = i + 4\nnext",
     "1|6"},
    {"ExitAndContinue",
     "for i as integer = 1 to 10\n  if i mod 2 = 0 then continue\n  if i > 5 then exit\n  print "
     "i\nnext",
     "1|3|5"},
    {"ExitForFromAnInnerLoop",
     "for i as integer = 1 to 3\n  for j as integer = 1 to 3\n    if j = 2 then exit for\n    "
     "print str(i) + str(j)\n"
     "  next\nnext",
     "11|21|31"},
    {"WhileWend", "dim n as integer = 3\nwhile n > 0\n  print n\n  n = n - 1\nwend", "3|2|1"},
    {"DoLoopUntil", "dim n as integer = 0\ndo\n  n = n + 1\nloop until n >= 3\nprint n", "3"},
    {"DoUntilLoop", "dim n as integer = 5\ndo until n >= 3\n  n = n + 1\nloop\nprint n", "5"},
    {"DoLoopExitDo", "dim n as integer\ndo\n  n = n + 1\n  if n = 4 then exit do\nloop\nprint n",
     "4"},
    {"SelectCase",
     "for i as integer = 0 to 6\n  select case i\n  case 1, 2\n    print \"small\"\n  case 3 to "
     "4\n    print \"mid\"\n"
     "  case is >= 6\n    print \"big\"\n  case else\n    print \"other\"\n  end select\nnext",
     "other|small|small|mid|mid|other|big"},
    {"SelectCaseOnText",
     "dim s as string = \"B\"\nselect case s\ncase \"a\"\n  print 1\ncase \"b\"\n  print 2\nend "
     "select",
     "2"},
    {"EndStopsTheScript", "print 1\nend\nprint 2", "1"},
    {"TopLevelReturnStopsTheScript", "print 1\nreturn\nprint 2", "1"},
    {"ExitOutsideLoopsEndsTheScript", "print 1\nexit\nprint 2", "1"},
    {"ScriptWideLoopVariableInAFunction",
     "dim plotX as double\nsub walk()\n  for plotX = 1 to 3\n    print plotX\n  next\nend "
     "sub\nwalk\nprint plotX",
     "1|2|3|4"},
    {"SizedLoopVariable",
     "dim s as integer\nfor i as int32 = 1 to 4\n  s = s + i\nnext\nprint s\nprint i", "10|5"},
    {"EndInsideAFunctionEndsTheRun",
     "sub stop()\n  print \"in\"\n  end\nend sub\nstop\nprint \"after\"", "in"},
};
INSTANTIATE_TEST_SUITE_P(Control, ScriptOutput, testing::ValuesIn(kControl), caseName);

const OutputCase kFunctions[] = {
    {"Recursion",
     "function fib(n as double) as double\n  if n < 2 then\n    return n\n  end if\n"
     "  return fib(n - 1) + fib(n - 2)\nend function\nprint fib(20)",
     "6765"},
    {"CallableBeforeItStands",
     "print twice(4)\nfunction twice(x as double) as double\n  return x * 2\nend function", "8"},
    {"SubCalledWithAndWithoutParentheses",
     "sub show(a as double, b as string)\n  print b + str(a)\nend sub\nshow 1, \"x\"\nshow(2, "
     "\"y\")",
     "x1|y2"},
    {"ZeroArgumentFunctionWithoutParentheses",
     "function seven() as integer\n  return 7\nend function\nprint seven + 1\nprint seven()",
     "8|7"},
    {"DefaultResults",
     "function d() as double\nend function\nfunction s() as string\nend function\n"
     "function b() as boolean\nend function\nprint d()\nprint s() = \"\"\nprint b()",
     "0|True|False"},
    {"ResultMayBeDropped",
     "function f() as double\n  print \"ran\"\n  return 1\nend function\nf\nf()", "ran|ran"},
    {"OverloadsByParameterType",
     "function t(x as integer) as string\n  return \"int\"\nend function\n"
     "function t(x as double) as string\n  return \"dbl\"\nend function\n"
     "function t(x as string) as string\n  return \"str\"\nend function\n"
     "dim i as integer\ndim d as double\nprint t(i)\nprint t(d)\nprint t(\"a\")\nprint t(2)\nprint "
     "t(2.5)",
     "int|dbl|str|int|dbl"},
    // Each call site gets the overload of its own argument types, however often the same
    // name and types were resolved before, in the main code and in a function.
    {"RepeatedCallsKeepTheirOverloads",
     "function t(x as integer) as string\n  return \"int\"\nend function\n"
     "function t(x as double) as string\n  return \"dbl\"\nend function\n"
     "function g(x as double) as string\n  return t(x) + t(1)\nend function\n"
     "dim i as integer\ndim d as double\nprint t(i)\nprint t(d)\nprint t(i)\nprint t(d)\nprint "
     "g(1)\nprint t(i + 1)",
     "int|dbl|int|dbl|dblint|int"},
    {"ScriptStrHidesTheBuiltinEveryTime",
     "function str(x as double) as string\n  return \"mine\"\nend function\nprint str(1.5)\nprint "
     "str(2.5)",
     "mine|mine"},
    {"LaterSameDefinitionWins",
     "function f(x as double) as double\n  return 1\nend function\n"
     "function f(x as double) as double\n  return 2\nend function\nprint f(0)",
     "2"},
    {"ScriptFunctionHidesBuiltin",
     "function len(s as string) as integer\n  return 99\nend function\nprint len(\"abc\")", "99"},
    {"ExitFunctionReturnsDefault",
     "function f() as double\n  exit function\n  return 5\nend function\nprint f()", "0"},
    {"ParametersHideScriptWideVariables",
     "function f(x as double) as double\n  return x * 2\nend function\n"
     "dim x as double = 100\nprint f(3)\nprint x",
     "6|100"},
    {"FunctionsSeeDeclarationsThatStandAfterThem",
     "function bump() as double\n  total = total + 1\n  return total\nend function\n\ndim total as "
     "double = 10\nprint bump()\nprint total",
     "11|11"},
    // A callee's number registers begin at the arguments the caller put in place: the
    // caller's values below them, and the callee's locals above them, must come out right.
    {"RecursionWithSeveralIntegerArguments",
     "function tak(x as integer, y as integer, z as integer) as integer\n  if y < x then\n"
     "    return tak(tak(x - 1, y, z), tak(y - 1, z, x), tak(z - 1, x, y))\n  end if\n"
     "  return z\nend function\nprint tak(18, 12, 6)",
     "7"},
    {"CallsAmongLiveTemporaries",
     "function f(a as integer, b as integer, c as integer) as integer\n  dim t as integer\n"
     "  t = t + a * 100 + b * 10 + c\n  return t\nend function\n"
     "function g(x as double, y as double) as double\n  return x - y\nend function\n"
     "dim a as integer = 3\nprint a + f(a, f(1, 2, 3) mod 10, f(0, 0, a)) * 2 + a\n"
     "print g(g(10, 1), g(2, g(5, 4))) + g(1, 0) * 3",
     "672|11"},
    {"NumberAndStringFunctionsCallEachOther",
     "function lab(n as integer) as string\n  return \"n\" + str(sq(n) + n)\nend function\n"
     "function sq(n as integer) as integer\n  return n * n\nend function\n"
     "print lab(3) + lab(sq(2))",
     "n12n20"},
    {"LocalsStartAtZeroUnderRecursion",
     "function down(n as integer) as integer\n  dim t as integer\n"
     "  if n > 0 then t = down(n - 1)\n  t = t * 2 + n\n  return t\nend function\n"
     "print down(5)",
     "57"},
    // A numbers-only function leaves its caller's String registers in place; a deep one grows
    // the stacks on the way, and one that calls a String function returns by the general path.
    {"NumberFunctionsKeepTheCallersStrings",
     "function depth(n as integer) as integer\n  if n = 0 then return 0\n"
     "  return depth(n - 1) + 1\nend function\n"
     "function twice(s as string) as string\n  return s + s\nend function\n"
     "function both(n as integer) as integer\n  return len(twice(str(n))) + n\nend function\n"
     "dim s as string = \"a\"\nprint s + str(depth(3000)) + \"b\" + s\n"
     "print s + str(both(12)) + \"c\" + s",
     "a3000ba|a16ca"},
    {"NumberSubsKeepTheCallersStrings",
     "dim total as integer\nsub bump(x as integer)\n  total = total + x\nend sub\n"
     "function label(s as string) as string\n  dim t as string = s + \"!\"\n  bump(len(t))\n"
     "  return t + str(total)\nend function\nprint \"<\" + label(\"ab\") + \">\"",
     "<ab!3>"},
    {"LocalsAreFreshEachCall",
     "function f() as double\n  dim n as double\n  n = n + 1\n  return n\nend function\nprint "
     "f()\nprint f()",
     "1|1"},
    {"StringFunctionsAndParameters",
     "function greet(name as string) as string\n  return \"hi \" + name\nend function\nprint "
     "greet(\"bo\")",
     "hi bo"},
    {"StringResultOfRecursion",
     "function rep(n as integer) as string\n  if n = 0 then return \"\"\n  return \"ab\" + rep(n - "
     "1)\nend function\nprint rep(3)",
     "ababab"},
    // Functions whose String and array registers are only their parameters: a deep one grows
    // the stacks on the way, and one returns its String parameter.
    {"ParameterOnlyFunctions",
     "function count(a() as integer, n as integer) as integer\n  if n = 0 then return a(0)\n"
     "  a(0) = a(0) + 1\n  return count(a, n - 1)\nend function\n"
     "function pick(s as string, t as string, first as boolean) as string\n"
     "  if first then return s\n  return t\nend function\n"
     "sub put(a() as string, s as string, i as integer)\n  a(i) = s\nend sub\n"
     "dim a(0) as integer\ndim b(1) as string\ndim s as string = \"x\"\n"
     "put(b, pick(\"p\", s, false), 1)\nprint s + str(count(a, 3000)) + b(1) + s + str(a(0))",
     "x3000xx3000"},
    // A function whose only String, Variant or array registers are array parameters keeps its
    // caller's Strings in view, through a call of a function with Strings of its own.
    {"ArrayOnlyFunctionsKeepTheCallersStrings",
     "sub note(n as integer)\n  dim t as string = \"n\" + str(n)\n  print t\nend sub\n"
     "function first(a() as integer) as integer\n  note(a(0))\n  return a(0) + 1\nend function\n"
     "dim a(0) as integer\na(0) = 4\ndim s as string = \"x\"\nprint s + str(first(a)) + s",
     "n4|x5x"},
    // Number variables in a row as arguments: in order, swapped, one twice, beside others.
    {"NumberVariablesAsArguments",
     "function mix(x as integer, y as integer, z as double, w as integer) as double\n"
     "  return (x - y) * z + w\nend function\n"
     "dim a as integer = 7\ndim b as integer = 2\ndim d as double = 1.5\n"
     "print mix(a, b, d, a)\nprint mix(b, a, d, b)\nprint mix(a, a, d, 3)\nprint mix(1, b, d, a)",
     "14.5|-5.5|3|5.5"},
    // A function that only reads and sets elements reads its array through the caller's
    // variable: a script-wide one from the main code and from a function, a local one; and,
    // as a function that one call passes a made array, through its own register. Jumps across
    // the moves that such calls leave out still land.
    {"ArraysReadInPlace",
     "function at(a() as integer, i as integer) as integer\n  return a(i)\nend function\n"
     "sub put(a() as integer, i as integer, v as integer)\n  a(i) = v\nend sub\n"
     "function grown(a() as integer) as integer\n  redim a(3)\n  return ubound(a)\nend function\n"
     "function made() as integer()\n  dim m(1) as integer\n  m(1) = 9\n  return m\nend function\n"
     "function twice(a() as integer) as integer\n  return a(1) * 2\nend function\n"
     "dim g(2) as integer\n"
     "function viaGlobal() as integer\n  put(g, 0, 5)\n  return at(g, 0) + at(g, 1)\nend function\n"
     "function viaLocal() as integer\n  dim l(1) as integer\n  put(l, 1, 7)\n  return at(l, 1)\n"
     "end function\n"
     "put(g, 1, 3)\nprint at(g, 1)\nprint viaGlobal()\nprint viaLocal()\nprint grown(g)\n"
     "print ubound(g)\nprint at(g, 0)\nprint twice(g) + twice(made())\n"
     "dim s as integer = 0\nfor k as integer = 0 to 2\n  if k > 0 then\n"
     "    put(g, k, at(g, k - 1) + 1)\n  else\n    put(g, k, 1)\n  end if\n  s = s + at(g, k)\n"
     "next\nprint s",
     "3|8|7|3|3|5|24|6"},
    // A later argument's call replaces the script-wide array after the call has read it: the
    // callee still sees the array that was passed.
    {"ArrayReplacedWhileArgumentsAreComputed",
     "dim a(3) as integer\ndim b(3) as integer\n"
     "function swapped() as integer\n  a = b\n  return 1\nend function\n"
     "function first(x() as integer, i as integer) as integer\n  return x(0) + i\nend function\n"
     "a(0) = 5\nprint first(a, swapped())\nprint first(a, 0)",
     "6|0"},
    {"ArrayParameter",
     "function total(a() as double) as double\n  dim s as double\n  for each v as double in a\n"
     "    s = s + v\n  next\n  return s\nend function\ndim a(2) as double\na(0) = 1\na(1) = "
     "2\na(2) = 3\nprint total(a)",
     "6"},
};
INSTANTIATE_TEST_SUITE_P(Functions, ScriptOutput, testing::ValuesIn(kFunctions), caseName);

const OutputCase kNames[] = {
    {"VariablesNamedLikeBuiltins",
     "dim time as double = 5\ndim min as double = 2\ndim log as double = 3\n"
     "print time\nprint min(min, 1)\nprint log + log(1)",
     "5|1|3"},
    {"ContextWordsAreOrdinaryNames",
     "dim step as double = 0.5\ndim to as double = 1\ndim until as double = 2\n"
     "for x as double = 0 to to step step\n  print x\nnext\nprint until",
     "0|0.5|1|2"},
    {"RepeatedSameDimReinitialises",
     "dim x as double = 1\nprint x\ndim x as double\nprint x\nx = 3\nprint x", "1|0|3"},
    {"SeveralNamesInOneDim",
     "dim a, b as double\ndim c as integer = 2, d as string = \"q\"\na = 1\nb = a + c\nprint "
     "b\nprint d",
     "3|q"},
    {"Constants", "const k = 3\nconst name = \"n\"\nprint k * 2\nprint name", "6|n"},
    {"WindowsLineEnds", "dim x as double = 1\r\nprint x\r\n", "1"},
    {"DenormalAndUnderflowLiterals", "print 5e-324 > 0\nprint 1e-400\nprint .5 + 5.", "True|0|5.5"},
    {"UnicodeNames", "dim größe as double = 2\nprint GRÖßE * 2", "4"},
};
INSTANTIATE_TEST_SUITE_P(Names, ScriptOutput, testing::ValuesIn(kNames), caseName);

const OutputCase kArrays[] = {
    {"OneDimension",
     "dim a(2) as double\na(0) = 1.5\na(2) = 3\nprint a(0) + a(1) + a(2)\nprint ubound(a)\nprint "
     "a.ubound",
     "4.5|2|2"},
    {"TwoDimensions",
     "dim m(2, 1) as integer\nfor i as integer = 0 to 2\n  for j as integer = 0 to 1\n    m(i, j) "
     "= i * 10 + j\n"
     "  next\nnext\nprint m(2, 1)\nprint m(1, 0)",
     "21|10"},
    {"DimWithValueFillsEveryElement", "dim a(3) as double = 7\nprint a(0) + a(3)", "14"},
    {"EmptyArrayGrows",
     "dim e() as string\nprint e.count\nprint ubound(e)\ne.append \"x\"\ne.add(\"y\")\nprint "
     "e.count\nprint e(1)",
     "0|-1|2|y"},
    {"ForEach", "dim a() as integer\na.append 3\na.append 4\nfor each v in a\n  print v\nnext",
     "3|4"},
    {"Redim",
     "dim a(1) as double\na(1) = 5\nredim a(3)\nprint a.lastindex\nprint a(1)\nredim a(-1)\nprint "
     "a.count",
     "3|5|0"},
    {"InsertAndRemove",
     "dim a() as string\na.append \"a\"\na.append \"c\"\na.insert 1, \"b\"\na.remove 0\nprint a(0) "
     "+ a(1)",
     "bc"},
    {"ArraysAreShared", "dim a(0) as double\ndim b() as double\nb = a\nb(0) = 9\nprint a(0)", "9"},
    {"StringArrayElementsKeepTheirText",
     "dim s(1) as string\ns(0) = \"x\"\ns(1) = s(0) + \"y\"\nprint s(1)", "xy"},
};
INSTANTIATE_TEST_SUITE_P(Arrays, ScriptOutput, testing::ValuesIn(kArrays), caseName);

const OutputCase kVariants[] = {
    {"NumbersAddAsNumbers",
     "dim v(1) as variant\nv(0) = 4\nv(1) =  2\nprint v(0) + v(1)\nprint v(0) * v(1)", "6|8"},
    {"IntegersStayIntegers",
     "dim a as variant = 7\ndim b as variant = 2\nprint a \\ b\nprint a / b\nprint a mod b",
     "3|3.5|1"},
    {"PlusWithTextJoins",
     "dim a as variant = \"n=\"\ndim b as variant = 5\nprint a + b\nprint b + a", "n=5|5n="},
    {"OtherOperatorsReadTextAsNumber",
     "dim a as variant = \"12\"\ndim b as variant = 3\nprint a * b\nprint a - b", "36|9"},
    {"TextsCompareAsTexts",
     "dim a as variant = \"abc\"\ndim b as variant = \"ABC\"\nprint a = b\nprint a < \"b\"",
     "True|True"},
    {"ConvertsToAndFromTypes",
     "dim v as variant = 2.5\ndim d as double = v\ndim s as string = v\ndim i as integer = v\n"
     "print d * 2\nprint s\nprint i",
     "5|2.5|2"},
    {"NotANumberTextIsZero", "dim v as variant = \"abc\"\ndim d as double = v\nprint d", "0"},
    {"NilVariant", "dim v as variant\nprint v = nil\nprint str(v) = \"\"\nv = 1\nprint v = nil",
     "True|True|False"},
    {"BooleanCondition", "dim v as variant = true\nif v then print \"yes\"", "yes"},
    {"MixedLiteralArray",
     "dim v(2) as variant\nv(0) = 1\nv(1) = 2.5\nv(2) = \"a\"\nprint v(0) + v(1)\nprint v(2) + "
     "v(0)",
     "3.5|a1"},
};
INSTANTIATE_TEST_SUITE_P(Variants, ScriptOutput, testing::ValuesIn(kVariants), caseName);

// Overloads chosen by what Variant arguments hold never narrow a value that a wider overload
// takes whole, whether the other arguments are Variants or typed.
const OutputCase kVariantOverloads[] = {
    {"AbsOfHeldIntegerAndDouble",
     "dim v(1) as variant\nv(0) = -3\nv(1) = -2.5\nprint abs(v(0))\nprint abs(v(1))", "3|2.5"},
    {"MinMaxOfHeldIntegerAndDouble",
     "dim v(1) as variant\nv(0) = 811330\nv(1) = 11.8\nprint min(v(0), v(1))\n"
     "print max(v(0), v(1))",
     "11.8|811330"},
    {"TypedIntegerBesideHeldDouble",
     "dim v(0) as variant\nv(0) = 11.8\nprint max(v(0), 2)\nprint min(2, v(0))", "11.8|2"},
    {"TypedIntegerBesideHeldInteger", "dim a as variant = 5\nprint max(a, 2)\nprint max(a, 2) \\ 2",
     "5|2"},
    {"HeldNotANumberAndHugeDouble",
     "dim v(1) as variant\nv(0) = (0/0)\nv(1) = 1.1e22\nprint max(v(1), 2)\nprint min(v(0), 3)",
     "1.1e+22|3"},
};
INSTANTIATE_TEST_SUITE_P(VariantOverloads, ScriptOutput, testing::ValuesIn(kVariantOverloads),
                         caseName);

// A UInt64 converts to a 64-bit signed integer when the value fits; held in a Variant it
// computes as a typed UInt64 does; the narrower sized types wrap.
const OutputCase kUnsigned[] = {
    {"UInt64ThatFitsConverts", "dim u as uint64 = 7\ndim i as integer = u\nprint i * 2", "14"},
    {"BitDigitsOfTheWholePattern",
     "dim u as uint64 = 1\nu = u * 4611686018427387904 * 2\nprint hex(u)\nprint hex(-1)\n"
     "print oct(8)\nprint bin(2.5)",
     "8000000000000000|FFFFFFFFFFFFFFFF|10|10"},
    {"HeldUInt64ComputesUnsigned",
     "dim u as uint64 = 1\nu = u * 4611686018427387904 * 2\ndim v as variant = u\n"
     "print v + 1\nprint v \\ 2\nprint v mod 10\nprint v or 1\nprint v * 2",
     "9223372036854775809|4611686018427387904|8|9223372036854775809|0"},
    {"MathOfUInt64TakesDouble",
     "dim u as uint64 = 1\nu = u * 4611686018427387904 * 2\nprint abs(u)\nprint max(u, 1)",
     "9.22337203685478e+18|9.22337203685478e+18"},
    {"NarrowSizedTypesWrap",
     "dim u as uint64 = 300\ndim b as uint8 = u\ndim i as int16 = 40000\nprint b\nprint i",
     "44|-25536"},
    // UInt64 is the type of bit patterns: a negative integer becomes its two's complement.
    {"NegativeIntegerIntoUInt64KeepsItsBits",
     "dim i as integer = -1\ndim w as uint64 = i\nprint w\nprint hex(i)",
     "18446744073709551615|FFFFFFFFFFFFFFFF"},
};
INSTANTIATE_TEST_SUITE_P(Unsigned, ScriptOutput, testing::ValuesIn(kUnsigned), caseName);

const OutputCase kBuiltins[] = {
    {"Maths",
     "print abs(-3)\nprint abs(-2.5)\nprint sqrt(16)\nprint floor(-1.5)\nprint ceil(1.2)\nprint "
     "round(2.5)\n"
     "print round(-2.5)\nprint sign(-4)\nprint max(3, 7)\nprint min(2.5, 1)\nprint pow(2, "
     "10)\nprint exp(0)",
     "3|2.5|4|-2|2|3|-3|-1|7|1|1024|1"},
    {"Trigonometry",
     "print sin(0)\nprint cos(0)\nprint atan2(1, 1) * 4\nprint log(exp(2))\nprint log10(1000)",
     "0|1|3.14159265358979|2|3"},
    {"TextFunctions",
     "print len(\"héllo\")\nprint left(\"abcdef\", 2)\nprint right(\"abcdef\", 2)\nprint "
     "mid(\"abcdef\", 2, 3)\n"
     "print mid(\"abcdef\", 5)\nprint instr(\"abcabc\", \"C\")\nprint instr(4, \"abcabc\", \"c\")\n"
     "print uppercase(\"ab\")\nprint lowercase(\"AB\")\nprint trim(\"  x  \") + \"|\"",
     "5|ab|ef|bcd|ef|3|6|AB|ab|x|"},
    {"Fields",
     "print nthfield(\"a,b,c\", \",\", 2)\nprint countfields(\"a,b,c\", \",\")\n"
     "print replace(\"aXbX\", \"x\", \"-\")\nprint replaceall(\"aXbX\", \"x\", \"-\")",
     "b|3|a-bX|a-b-"},
    {"Characters", "print asc(\"A\")\nprint chr(66)\nprint len(endofline)\nprint chr(91) + chr(93)",
     "65|B|1|[]"},
    {"NumbersAndText",
     "print val(\"12abc\")\nprint val(\"&hFF\")\nprint hex(255)\nprint bin(5)\nprint oct(8)\nprint "
     "cdbl(\"2.5\")",
     "12|255|FF|101|10|2.5"},
    {"StrComp", "print strcomp(\"a\", \"B\", 0)\nprint strcomp(\"a\", \"A\", 1)", "1|0"},
    {"RndIsInRange",
     "dim ok as boolean = true\nfor i as integer = 1 to 1000\n  dim r as double = rnd\n"
     "  if r < 0 or r >= 1 then ok = false\nnext\nprint ok",
     "True"},
    {"Format", "print format(3.14159, \"-0.##\")\nprint format(-2, \"-0\")", "3.14|-2"},
};
INSTANTIATE_TEST_SUITE_P(Builtins, ScriptOutput, testing::ValuesIn(kBuiltins), caseName);

TEST(ScriptBeep, BeepReachesTheEvent) {
  RunResult r = runScript("beep\nbeep()");
  EXPECT_EQ(r.compileErrors, 0) << r.errorInfo;
  EXPECT_EQ(r.beeps, 2);
}

}  // namespace
}  // namespace vorline::test
