// What the converter asks of its host and when, and the post-processing of finished text.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "converter/ConverterCases.h"
#include "converter/FakeConverterOwner.h"
#include "converter/ckScriptConverter.h"
#include "platform/text/TextOps.h"

namespace vorline {
namespace {

class ConverterHostTest : public testing::Test {
 protected:
  ConverterHostTest() { converter.owner = &host; }
  std::string convert(const std::string& text) { return converter.convertSource(text); }

  FakeConverterOwner host;
  ckScriptConverter converter;
};

TEST_F(ConverterHostTest, DeclarationsComeFirstAndEachLineIsRegisteredBeforeItsStatement) {
  convert(VL_PREFIX "x = 1\ndim y");
  const std::vector<std::string> expected{"declares",     "append x = 1", "has x",   "create x",
                                          "append dim y", "has y",        "create y"};
  EXPECT_EQ(host.calls, expected);
}

TEST_F(ConverterHostTest, IncludeModeCallsTheHostForNothingButTheMemory) {
  convert("#start_include\nprint 1\n2+2\n# c\nz = 1\n#end_include");
  const std::vector<std::string> expected{"declares", "has z", "create z"};
  EXPECT_EQ(host.calls, expected);
}

TEST_F(ConverterHostTest, StoredStringsComeBackPostProcessedInTheDeclarations) {
  host.extraDeclares = "dim s as string = \"[a] $5\"\n";
  EXPECT_EQ(convert(""), "\n" VL_ANS "dim s as string = \"(a) stringField(5)\"\n\n");
}

TEST_F(ConverterHostTest, FunctionDefinitionsArePostProcessedToo) {
  EXPECT_EQ(convert(VL_PREFIX "def f(x) return a[$1]"),
            "function f(x as double) as double\nreturn a(stringField(1))\nend function\n\n" VL_ANS
            "tagLine 0\n\n");
}

TEST_F(ConverterHostTest, PragmaDebugFileSetsTheHostsFlag) {
  convert(VL_PREFIX "pragma DEBUG_FILE");
  EXPECT_TRUE(host.debugFlag);
  EXPECT_EQ(host.calls.back(), "debug 1");
}

TEST_F(ConverterHostTest, ConvertingWithoutAHostThrows) {
  ckScriptConverter orphan;
  EXPECT_THROW(orphan.convertSource("x = 1"), std::logic_error);
}

TEST_F(ConverterHostTest, CallsBetweenRunsLeaveNoTraceInTheNextScript) {
  const std::string fresh = convert(VL_PREFIX "x + 1");
  FakeConverterOwner second;
  converter.owner = &second;
  converter.msg_set_include_flag(true);
  converter.msg_append_to_declares("junk\n");
  converter.msg_append_to_variables("junk\n");
  EXPECT_EQ(convert(VL_PREFIX "x + 1"), fresh);
}

TEST_F(ConverterHostTest, AnExceptionOfTheHostLeavesTheConversion) {
  struct FailingOwner : FakeConverterOwner {
    void msg_memory_create_symbol(const std::string&) override { throw std::runtime_error("full"); }
  } failing;
  converter.owner = &failing;
  EXPECT_THROW(convert(VL_PREFIX "a\nx = 1\nb"), std::runtime_error);
  EXPECT_EQ(failing.registered(), "a\nx = 1\n");
  converter.owner = &host;
  EXPECT_EQ(convert(VL_PREFIX "c"), "\n" VL_ANS "tagLine 0\nprint str(c)\n\n");
}

// The Part's way: ReplaceAll of the brackets, then of "$35" down to "$0".
std::string referencePostProcessing(std::string text) {
  text = vorline::ReplaceAll(text, "[", "(");
  text = vorline::ReplaceAll(text, "]", ")");
  for (int n = 35; n >= 0; --n) {
    const std::string token = "$" + vorline::Str(n);
    if (vorline::InStr(text, token) > 0)
      text = vorline::ReplaceAll(text, token, "stringField(" + vorline::Str(n) + ")");
  }
  return text;
}

TEST_F(ConverterHostTest, PostProcessingInOnePassMatchesReplacingNumberByNumber) {
  std::mt19937 random(7);
  const std::string alphabet = "$$$$0123456789[]ab\"\n";
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    FakeConverterOwner owner;
    owner.memory.clear();
    owner.extraDeclares = text;
    converter.owner = &owner;
    ASSERT_EQ(convert(""), "\n" + referencePostProcessing(text) + "\n") << text;
  }
}

struct TextualCase {
  const char* text;
  const char* expected;
};

class TextualTest : public testing::TestWithParam<TextualCase> {};

TEST_P(TextualTest, TurnsWordingIntoAnExpression) {
  ckScriptConverter converter;
  EXPECT_EQ(converter.doParseTextual(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Wording, TextualTest,
                         testing::Values(TextualCase{"half of 10", "((10) / 2)"},
                                         TextualCase{"Half A $x plus 1", "((x) / 2) plus 1"},
                                         TextualCase{"$a  and $b", "a and b"},
                                         TextualCase{"half of", "half of"}, TextualCase{"", ""}));

}  // namespace
}  // namespace vorline
