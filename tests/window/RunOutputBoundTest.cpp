// What one run writes into the pad is bounded: per line, and for the whole run, cut with one
// "…"; ordinary results are untouched, and every run starts with the full budget again.
#include <string>

#include "window/RunOutputBudget.h"
#include "window/WindowFixture.h"

namespace vorline {
namespace {

using Budget = RunOutputBudget;

const std::string kMark(Budget::kMark);

std::string repeat(const std::string& piece, size_t times) {
  std::string out;
  for (size_t i = 0; i < times; ++i) out += piece;
  return out;
}

class RunOutputBound : public WindowFixture {
 protected:
  // The pad after a run of one print inside a loop of raw lines.
  std::string printed(const std::string& loop, const std::string& print) {
    return run("@" + loop + "\n@" + print + "\n@next");
  }
};

TEST_F(RunOutputBound, ARunawayLineEndsInOneMark) {
  const std::string pad = printed("for i = 1 to 3000", "print \"x\"");
  const std::string line = "@print \"x\"" + repeat(" //x", Budget::kLineChars / 4) + " //" + kMark;
  EXPECT_EQ(pad, "@for i = 1 to 3000\n" + line + "\n@next");
}

TEST_F(RunOutputBound, TheLineBoundCountsCharactersAndCutsWithinAResult) {
  // Each result is " //" and 7 characters of two bytes: 10 characters, 17 bytes.
  const std::string seven = repeat("\xC3\xA9", 7);
  const std::string pad = printed("for i = 1 to 1000", "print \"" + seven + "\"");
  const std::string kept = repeat(" //" + seven, Budget::kLineChars / 10);
  EXPECT_EQ(pad, "@for i = 1 to 1000\n@print \"" + seven + "\"" + kept + " //" + kMark + "\n@next");
}

TEST_F(RunOutputBound, OrdinaryResultsAndTheNextRunAreUntouched) {
  printed("for i = 1 to 3000", "print \"x\"");
  EXPECT_EQ(run("a = 2\na * 21\n\"" + repeat("y", 3000) + "\""),
            "a = 2 //2\na * 21 //42\n\"" + repeat("y", 3000) + "\" //" + repeat("y", 3000));
}

// The budget alone: a table of results for lines, with what reaches each line.
struct AdmitCase {
  const char* name;
  size_t line;
  std::string printed;
  size_t keep;
  bool cut;
  bool dropped;
};

TEST(RunOutputBudgetTest, LineAndRunBounds) {
  Budget budget;
  budget.Reset();
  const std::string big(Budget::kLineChars - 3, 'z');  // fills a line exactly
  const AdmitCase cases[] = {
      {"FitsWhole", 0, "12", 2, false, false},
      {"OtherLineHasItsOwnBound", 1, big, big.size(), false, false},
      {"FullLineTakesOnlyTheMark", 1, "1", 0, true, false},
      {"AfterTheMarkTheLineTakesNothing", 1, "1", 0, false, true},
      {"CrossingTheLineBoundIsCut", 0, big, Budget::kLineChars - 5 - 3, true, false},
  };
  for (const AdmitCase& c : cases) {
    SCOPED_TRACE(c.name);
    Budget::Share share = budget.Admit(c.line, c.printed);
    EXPECT_EQ(share.keep, c.keep);
    EXPECT_EQ(share.cut, c.cut);
    EXPECT_EQ(share.dropped, c.dropped);
  }
  budget.Reset();
  EXPECT_EQ(budget.Admit(1, "1").keep, 1u) << "a new run has the whole budget";
}

TEST(RunOutputBudgetTest, TheRunBoundCutsOnceAndDropsTheRest) {
  Budget budget;
  budget.Reset();
  const std::string piece(Budget::kLineChars - 3, 'z');
  size_t line = 0, written = 0;
  Budget::Share share;
  for (; line < 10000; ++line) {
    share = budget.Admit(line, piece);
    if (share.cut) break;
    ASSERT_FALSE(share.dropped);
    written += 3 + share.keep;
  }
  ASSERT_TRUE(share.cut);
  EXPECT_EQ(written + 3 + share.keep, Budget::kRunBytes);
  EXPECT_TRUE(budget.Admit(line + 1, "1").dropped);
  EXPECT_TRUE(budget.Admit(0, "1").dropped);
}

}  // namespace
}  // namespace vorline
