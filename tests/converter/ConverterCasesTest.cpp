// The table of pad texts and their scripts (ConverterCases.h), run through a fake host.
#include <gtest/gtest.h>

#include <sstream>

#include "converter/ConverterCases.h"
#include "converter/FakeConverterOwner.h"
#include "converter/ckScriptConverter.h"

namespace vorline {
namespace {

std::vector<std::string> splitNames(const std::string& text) {
  std::vector<std::string> names;
  if (text.empty()) return names;
  std::stringstream in(text);
  std::string name;
  while (std::getline(in, name, ',')) names.push_back(name);
  if (text.back() == ',') names.push_back("");
  return names;
}

std::string joinNames(const std::vector<std::string>& names) {
  std::string text;
  for (size_t i = 0; i < names.size(); ++i) text += (i ? "," : "") + names[i];
  return text;
}

class ConverterCaseTest : public testing::TestWithParam<ConverterCase> {};

TEST_P(ConverterCaseTest, ConvertsToTheExpectedScript) {
  const ConverterCase& c = GetParam();
  FakeConverterOwner host;
  host.memory = splitNames(c.memory);
  ckScriptConverter converter;
  converter.owner = &host;
  EXPECT_EQ(converter.convertSource(c.input), c.script);
  EXPECT_EQ(host.registered(), c.lines);
  EXPECT_EQ(joinNames(host.memory), c.memoryAfter);
}

TEST_P(ConverterCaseTest, SameTextAndMemoryGiveTheSameScriptTwice) {
  const ConverterCase& c = GetParam();
  FakeConverterOwner first, second;
  first.memory = second.memory = splitNames(c.memory);
  ckScriptConverter converter;
  converter.owner = &first;
  const std::string script = converter.convertSource(c.input);
  converter.owner = &second;
  EXPECT_EQ(converter.convertSource(c.input), script);
}

INSTANTIATE_TEST_SUITE_P(Table, ConverterCaseTest, testing::ValuesIn(kConverterCases),
                         [](const testing::TestParamInfo<ConverterCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace vorline
