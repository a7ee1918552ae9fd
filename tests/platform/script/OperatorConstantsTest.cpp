// Literal operands of operators get constant registers, filled when a function is entered; the
// compiler looks for them only in statements where the checker met an operator, so those
// inside nested blocks must be found as well as those at the top.
#include <gtest/gtest.h>

#include <vector>

#include "platform/script/Engine.h"

namespace vorline::test {
namespace {

struct ConstantsCase {
  const char* name;
  const char* source;
  size_t proto;                  // 0: the main code, then the functions in order
  std::vector<int64_t> numbers;  // the constant registers, 1 first, then as the compiler finds them
};

class OperatorConstants : public testing::TestWithParam<ConstantsCase> {};

TEST_P(OperatorConstants, GetRegistersWhereverTheyStand) {
  const ConstantsCase& c = GetParam();
  script::Engine engine;
  auto error = engine.compile(c.source, nullptr);
  ASSERT_FALSE(error) << error->message;
  std::vector<int64_t> numbers;
  for (script::Num n : engine.program().protos.at(c.proto).consts) numbers.push_back(n.i);
  EXPECT_EQ(numbers, c.numbers);
}

std::string caseName(const testing::TestParamInfo<ConstantsCase>& info) { return info.param.name; }

const ConstantsCase kCases[] = {
    {"TopLevel", "dim y as integer\ny = y * 5 + 7", 0, {1, 7, 5}},
    {"NoOperatorNoConstant", "dim y as integer = 5\nprint 7", 0, {1}},
    {"InsideIfAndElse",
     "dim y as integer\nif y > 3 then\n  y = 4\nelse\n  if true then y = y - 6\nend if",
     0,
     {1, 3, 6}},
    {"InsideLoops",
     "dim y as integer\nfor i as integer = 1 to 2\n  while y < 8\n    do\n      y = y + 9\n"
     "    loop until y > 10\n  wend\nnext",
     0,
     {1, 8, 10, 9}},
    {"InSelectCasesAndTheirBodies",
     "function f(x as integer) as integer\n  select case x\n  case 7\n    return x * 3\n"
     "  case else\n    return x - 2\n  end select\nend function\nprint f(1)",
     1,
     {1, 7, 3, 2}},
    {"InsideACallArgument", "sub s(x as integer)\nend sub\ns 2 + 11", 0, {1, 2, 11}},
};
INSTANTIATE_TEST_SUITE_P(Compiler, OperatorConstants, testing::ValuesIn(kCases), caseName);

}  // namespace
}  // namespace vorline::test
