// Brackets and "$" with a number in pad lines: the code of every line that holds them is
// post-processed, that of no other line is, and no line's post-processing reaches the next.
#include <gtest/gtest.h>

#include "converter/ConverterCases.h"
#include "converter/FakeConverterOwner.h"
#include "converter/ckScriptConverter.h"

namespace vorline {
namespace {

struct PostProcessingCase {
  const char* name;
  const char* input;
  const char* body;  // the script after the memory's declarations
};

constexpr PostProcessingCase kCases[] = {
    {"TypePrefixAloneLeavesTheCode", VL_PREFIX "$s = \"t\"",
     "dim s as string\ntagLine 0\ns = \"t\"\nsetVar \"s\", s\nprintAny s\n\n"},
    {"TypePrefixWithBracketsAndFieldsInTheValue", VL_PREFIX "$s = a[1] + $2 + $35 + $36",
     "dim s as string\ntagLine 0\ns = a(1) + stringField(2) + stringField(35) + stringField(3)6\n"
     "setVar \"s\", s\nprintAny s\n\n"},
    {"ADollarEndingALineStaysBeforeALineOfDigits", VL_PREFIX "x = a$\n5\n$\n12",
     "dim x as double\ntagLine 0\nx = a$\nsetVar \"x\", x\nprintAny x\ntagLine 1\nprint str(5)\n"
     "tagLine 2\nprint str($)\ntagLine 3\nprint str(12)\n\n"},
    {"RawCommentAndReturnLines", VL_PREFIX "@y = b[$1]\n# c[2]\n-- $3\nreturn d[4]",
     "tagLine 0\ny = b(stringField(1))\ntagLine 1\n// c(2)\ntagLine 2\n// stringField(3)\n"
     "return d(4)\n\n"},
    {"ACommentCutsItsBracketsOff", VL_PREFIX "1 + 1 // a[1] $2\n// [x]",
     "tagLine 0\nprint str(1 + 1)\ntagLine 1\n\n"},
    {"IncludeModeLines", "#start_include\nq[1] + $2\nw[3] = $4\n#end_include",
     "dim w(3) as double\n\nq(1) + stringField(2)\n\nw(3) = stringField(4)\n"
     "setVar \"w(3)\", w(3)\n\n"},
    {"PlainLinesBetweenConvertedOnes", VL_PREFIX "a[1] = 2\nb = 3\nprint a[1] + b",
     "dim a(1) as double\ndim b as double\ntagLine 0\na(1) = 2\nsetVar \"a(1)\", a(1)\n"
     "printAny a(1)\ntagLine 1\nb = 3\nsetVar \"b\", b\nprintAny b\ntagLine 2\n"
     "print a(1) + b\n\n"},
};

class ConverterPostProcessingTest : public testing::TestWithParam<PostProcessingCase> {};

TEST_P(ConverterPostProcessingTest, ConvertsToTheExpectedScript) {
  FakeConverterOwner host;
  ckScriptConverter converter;
  converter.owner = &host;
  EXPECT_EQ(converter.convertSource(GetParam().input), std::string("\n" VL_ANS) + GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(Table, ConverterPostProcessingTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<PostProcessingCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace vorline
