// The program's String constants, made together: the run's budget is charged as for Strings
// made one by one, up to the same limit, and gets it back with the table; a value copied from a
// constant changes apart from it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/script/ScriptEngine.h"
#include "platform/script/ScriptString.h"

namespace vorline::script {
namespace {

// Texts inline, just past inline, and on the heap.
const std::vector<std::string> kTexts = {"",
                                         "v0",
                                         std::string(15, 'a'),
                                         std::string(16, 'b'),
                                         std::string(29, 'c'),
                                         std::string(300, 'd')};

TEST(StringConstants, ChargeWhatStringsMadeOneByOneCharge) {
  MemoryBudget single, together;
  {
    std::vector<ScriptString> made;
    for (const std::string& t : kTexts) made.push_back(ScriptString::make(t, &single));
    ScriptString::Constants constants;
    constants.make(kTexts, &together);
    EXPECT_EQ(together.held(), single.held());
    for (size_t i = 0; i < kTexts.size(); ++i) EXPECT_EQ(constants.data()[i].str(), kTexts[i]);
  }
  EXPECT_EQ(together.held(), 0u);
  EXPECT_EQ(single.held(), 0u);
}

TEST(StringConstants, FailAtTheLimitOfStringsMadeOneByOne) {
  for (int64_t limit : {100, 300, 400, 700, 1000}) {
    MemoryBudget single(limit), together(limit);
    std::vector<ScriptString> made;
    try {
      for (const std::string& t : kTexts) made.push_back(ScriptString::make(t, &single));
    } catch (const RuntimeException&) {
    }
    ScriptString::Constants constants;
    if (made.size() < kTexts.size())
      EXPECT_THROW(constants.make(kTexts, &together), RuntimeException) << limit;
    else
      constants.make(kTexts, &together);
    EXPECT_EQ(together.held(), single.held()) << limit;
  }
}

TEST(StringConstants, ACopyChangedLeavesTheConstant) {
  MemoryBudget budget;
  ScriptString::Constants constants;
  constants.make({"ab", std::string(40, 'x')}, &budget);
  const ScriptString& ab = constants.data()[0];
  ScriptString s = ab;
  s.append(ScriptString::make("c", &budget), &budget);
  ScriptString t = constants.data()[1];
  t.assign("short", &budget);
  ScriptString u = ab;
  u.clear();
  EXPECT_EQ(ab.str(), "ab");
  EXPECT_EQ(constants.data()[1].str(), std::string(40, 'x'));
  EXPECT_EQ(s.str(), "abc");
  EXPECT_EQ(t.str(), "short");
  EXPECT_TRUE(u.isEmpty());
}

}  // namespace
}  // namespace vorline::script
