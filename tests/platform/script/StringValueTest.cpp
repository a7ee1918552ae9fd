// Strings are values: a String that shares its text with another (by assignment, a call, a
// script-wide variable, an array element, a built-in's result) keeps its text when the other
// changes, whichever way it changes.
#include <gtest/gtest.h>

#include "platform/script/ScriptRunner.h"

namespace vorline::test {
namespace {

struct ValueCase {
  const char* name;
  const char* source;
  const char* expected;  // printed lines joined with "|"
};

class StringValue : public testing::TestWithParam<ValueCase> {};

TEST_P(StringValue, ACopyChangedLeavesTheOriginal) {
  const ValueCase& c = GetParam();
  RunResult r = runScript(c.source);
  ASSERT_EQ(r.compileErrors, 0) << "line " << r.errorLine << " [" << r.errorCode << "] "
                                << r.errorInfo;
  ASSERT_EQ(r.runtimeErrors, 0) << r.errorNumber << " " << r.errorMessage;
  EXPECT_EQ(r.output(), c.expected);
}

const ValueCase kCases[] = {
    {"Assignment", "dim s as string = \"ab\"\ndim t as string = s\nt = t + \"c\"\nprint s\nprint t",
     "ab|abc"},
    {"InPlaceAppendOfTheOriginal",
     "dim s as string = \"ab\"\ndim t as string = s\ns = s + \"c\" + \"d\"\nprint s\nprint t",
     "abcd|ab"},
    {"DoublingAShared",
     "dim s as string = \"ab\"\ndim t as string = s\ns = s + s\nprint s\nprint t", "abab|ab"},
    {"PrependingAShared",
     "dim s as string = \"ab\"\ndim t as string = s\ns = \"x\" + s\nprint s\nprint t", "xab|ab"},
    {"ConstantStaysAfterAppend",
     "dim i as integer\nfor i = 1 to 3\n  dim s as string = \"k\"\n  s = s + str(i)\n  print "
     "s\nnext",
     "k1|k2|k3"},
    {"Parameter",
     "function f(p as string) as string\n  p = p + \"!\"\n  return p\nend function\ndim s as "
     "string = \"hi\"\n"
     "print f(s)\nprint s",
     "hi!|hi"},
    {"ReturnedGlobal",
     "dim g as string = \"g\"\nfunction get() as string\n  return g\nend function\ndim t as string "
     "= get()\n"
     "t = t + \"x\"\nprint g\nprint t",
     "g|gx"},
    {"GlobalChangedInAFunction",
     "dim g as string = \"g\"\nfunction f() as string\n  dim l as string = g\n  g = g + \"h\"\n  "
     "return l\nend function\n"
     "print f()\nprint g",
     "g|gh"},
    {"ArrayElement",
     "dim a(2) as string\ndim s as string = \"e\"\na(0) = s\na(1) = a(0)\ns = s + \"1\"\na(1) = "
     "a(1) + \"2\"\n"
     "print a(0)\nprint a(1)\nprint s",
     "e|e2|e1"},
    {"FilledArray", "dim a(2) as string = \"q\"\na(0) = a(0) + \"z\"\nprint a(0) + a(1) + a(2)",
     "qzqq"},
    {"AppendedElement",
     "dim a() as string\ndim s as string = \"p\"\na.append s\ns = s + \"s\"\nprint a(0)\nprint s",
     "p|ps"},
    {"ForEachVariable",
     "dim a(1) as string = \"w\"\nfor each x as string in a\n  x = x + \"!\"\n  print "
     "x\nnext\nprint a(0) + a(1)",
     "w!|w!|ww"},
    {"VariantHoldsItsOwnText",
     "dim s as string = \"v\"\ndim v as variant = s\ns = s + \"2\"\nprint v\nprint s", "v|v2"},
    {"MidAndReplaceResults",
     "dim s as string = \"abcabc\"\ndim m as string = mid(s, 2)\ndim r as string = replace(s, "
     "\"a\", \"x\")\n"
     "m = m + \"!\"\nr = r + \"?\"\nprint s\nprint m\nprint r",
     "abcabc|bcabc!|xbcabc?"},
    {"WholeMidSharesNothingVisible",
     "dim s as string = \"abc\"\ndim t as string = mid(s, 1)\nt = t + \"d\"\nprint s\nprint t",
     "abc|abcd"},
    {"LengthFollowsEveryChange",
     "dim s as string = \"\xC3\xA9\"\nprint len(s)\ns = s + s\nprint len(s)\ndim t as string = "
     "s\nt = t + \"ab\"\n"
     "print len(t)\nprint len(s)\ns = mid(t, 2)\nprint len(s)",
     "1|2|4|2|3"},
    {"LongStringsShared",
     "dim s as string = \"x\"\nwhile len(s) < 100000\n  s = s + s\nwend\ndim t as string = s\nt = "
     "t + \"y\"\n"
     "print len(s)\nprint len(t)\nprint right(t, 2)",
     "131072|131073|xy"},
    {"NumberTextReplacesASharedText",
     "dim s as string = str(1.5)\ndim t as string = s\ns = str(2.25)\ndim u as string = s\n"
     "s = str(7)\nprint s + \" \" + t + \" \" + u + \" \" + str(true) + str(1 / 3)",
     "7 1.5 2.25 True0.333333333333333"},
    {"ResultsOfRepeatedCalls",
     "function item(i as integer) as string\n  return \"<\" + str(i) + \">\"\nend function\n"
     "dim a as string\ndim b as string\ndim i as integer\nfor i = 1 to 3\n  b = a\n"
     "  a = item(i)\n  a = a + \".\"\nnext\nprint a\nprint b",
     "<3>.|<2>."},
    {"ReturnedParameter",
     "function same(p as string) as string\n  return p\nend function\ndim s as string = \"p\"\n"
     "dim r as string\ndim i as integer\nfor i = 1 to 3\n  r = same(s + str(i))\n"
     "  s = s + r\nnext\nprint s\nprint r",
     "pp1pp12pp1pp123|pp1pp123"},
    {"LengthKeptThroughAppends",
     "function item(i as integer) as string\n  return \"\xC3\xA9\" + str(i)\nend function\n"
     "dim s as string = \"\xC3\xA9\"\nprint len(s)\ndim i as integer\nfor i = 1 to 40\n"
     "  s = s + item(i)\nnext\nprint len(s)",
     "1|112"},
};

INSTANTIATE_TEST_SUITE_P(Strings, StringValue, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ValueCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace vorline::test
