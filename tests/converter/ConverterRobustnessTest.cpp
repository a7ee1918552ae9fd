// Text no pad should hold still converts, in time and without harm: bytes that are not UTF-8,
// NUL bytes, huge lines, deep nesting and unbalanced brackets.
#include <gtest/gtest.h>

#include "converter/ConverterCases.h"
#include "converter/FakeConverterOwner.h"
#include "converter/ckArrayLiteral.h"
#include "converter/ckScriptConverter.h"

namespace vorline {
namespace {

size_t count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size()))
    ++n;
  return n;
}

std::string repeat(const std::string& piece, size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (size_t i = 0; i < times; ++i) out += piece;
  return out;
}

class ConverterRobustnessTest : public testing::Test {
 protected:
  ConverterRobustnessTest() { converter.owner = &host; }
  std::string convert(const std::string& pad) { return converter.convertSource(VL_PREFIX + pad); }

  FakeConverterOwner host;
  ckScriptConverter converter;
};

TEST_F(ConverterRobustnessTest, BytesThatAreNotUtf8AndNulBytesPassUnchanged) {
  const std::string odd("s = \"\xFF\0\xC3(\x80\"", 11);
  const std::string script = convert(odd);
  EXPECT_NE(script.find(std::string("s = \"\xFF\0\xC3(\x80\"\n", 12)), std::string::npos);
  EXPECT_EQ(host.registered(), odd + "\n");
}

TEST_F(ConverterRobustnessTest, LineOfMegabytesConverts) {
  const std::string line = "1" + repeat("+1", 2'000'000);
  const std::string script = convert(line);
  EXPECT_EQ(script.size(),
            line.size() + std::string("\n" VL_ANS "tagLine 0\nprint str()\n\n").size());
}

TEST_F(ConverterRobustnessTest, DeeplyNestedConditionalsNeitherRecurseNorTakeQuadraticTime) {
  const size_t depth = 200'000;
  const std::string script = convert(repeat("if a ", depth) + "print 1");
  EXPECT_EQ(count(script, "if a then \n"), depth);
  EXPECT_EQ(count(script, "end if\n"), depth);
  EXPECT_NE(script.find("if a then \nprint 1\nend if\n"), std::string::npos);
}

TEST_F(ConverterRobustnessTest, DeepConditionalsInsideAFunctionBody) {
  const std::string script =
      convert("def f(x) " + repeat("when x ", 50'000) + "return 1; return 2");
  EXPECT_EQ(count(script, "if x then \n"), 50'000u);
  EXPECT_NE(script.find("end if\nreturn 2\nend function\n"), std::string::npos);
}

TEST_F(ConverterRobustnessTest, ArrayLiteralNestedTooDeeplyPassesAsWritten) {
  const size_t limit = ckArrayLiteral::kMaxDepth;
  const std::string fits = "v = " + repeat("{", limit) + "1" + repeat("}", limit);
  EXPECT_NE(convert(fits).find("dim v(" + repeat("0, ", limit - 1) + "0) as variant\n"),
            std::string::npos);
  const std::string deep = "v = " + repeat("{", 100'000) + "1,2" + repeat("}", 100'000);
  const std::string script = convert(deep);
  EXPECT_EQ(script.find("as variant"), std::string::npos);
  EXPECT_NE(script.find("\nv = {{{{"), std::string::npos) << "the literal stays in place";
}

TEST_F(ConverterRobustnessTest, UnbalancedBracketsAndBracesConvert) {
  const std::string script =
      convert("def f(((((x\nif ))))) print 1\nv = {{{1,2\nw = }}},{\ndef )(\nif (((\n{{{\n)))");
  EXPECT_NE(script.find("function f("), std::string::npos);
  EXPECT_EQ(host.lines.size(), 8u);
}

TEST_F(ConverterRobustnessTest, ManyFieldsAndParametersConvertInLinearTime) {
  const std::string script =
      convert("if 1 " + repeat(";", 100'000) + "\ndef f(" + repeat("a,", 100'000) + ") 1");
  EXPECT_EQ(count(script, "a as double, "), 100'000u);
  EXPECT_EQ(count(script, "then \n" + repeat("\n", 100'001) + "end if\n"), 1u);
}

TEST_F(ConverterRobustnessTest, ManyLinesOfMissingFiles) {
  const std::string script = convert(repeat("use missing\ninclude /nonexistent/x\n", 5'000));
  EXPECT_EQ(host.lines.size(), 10'001u);
  EXPECT_EQ(count(script, "tagLine "), 10'001u);
}

}  // namespace
}  // namespace vorline
