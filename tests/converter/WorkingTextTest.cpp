// The working text's lines and splices, as the line loop sees them.
#include <gtest/gtest.h>

#include "converter/ckWorkingText.h"

namespace vorline {
namespace {

std::vector<std::string> readAll(ckWorkingText& text) {
  std::vector<std::string> lines;
  std::string_view line;
  while (text.nextLine(line)) lines.emplace_back(line);
  return lines;
}

TEST(WorkingTextTest, LinesAreTheFieldsAtEveryLineEnding) {
  ckWorkingText empty("");
  EXPECT_TRUE(readAll(empty).empty());
  ckWorkingText one("a");
  EXPECT_EQ(readAll(one), (std::vector<std::string>{"a"}));
  ckWorkingText ending("a\n");
  EXPECT_EQ(readAll(ending), (std::vector<std::string>{"a", ""}));
  ckWorkingText blank("\n\n");
  EXPECT_EQ(readAll(blank), (std::vector<std::string>{"", "", ""}));
}

TEST(WorkingTextTest, SpliceGoesRightAfterTheCurrentLine) {
  ckWorkingText text("a\nb");
  std::string_view line;
  ASSERT_TRUE(text.nextLine(line));
  text.splice("x\ny\n", "/x");
  EXPECT_TRUE(text.insideSpliceOf("/nothing") == false);
  EXPECT_EQ(readAll(text), (std::vector<std::string>{"x", "y", "b"}));
}

TEST(WorkingTextTest, SpliceAfterTheLastLineAddsALineEndingFirst) {
  ckWorkingText text("a");
  std::string_view line;
  ASSERT_TRUE(text.nextLine(line));
  text.splice("x\n", "/x");
  EXPECT_EQ(readAll(text), (std::vector<std::string>{"x", ""}));
  ckWorkingText missing("a");
  ASSERT_TRUE(missing.nextLine(line));
  missing.splice("", "");
  EXPECT_EQ(readAll(missing), (std::vector<std::string>{""}));
}

TEST(WorkingTextTest, LinesKnowTheSplicesTheyStandIn) {
  ckWorkingText text("use a\nafter");
  std::string_view line;
  ASSERT_TRUE(text.nextLine(line));
  text.splice("in a\nlast of a\n", "/a");
  ASSERT_TRUE(text.nextLine(line));
  EXPECT_TRUE(text.insideSpliceOf("/a"));
  text.splice("in b\n", "/b");
  ASSERT_TRUE(text.nextLine(line));
  EXPECT_EQ(line, "in b");
  EXPECT_TRUE(text.insideSpliceOf("/a"));
  EXPECT_TRUE(text.insideSpliceOf("/b"));
  ASSERT_TRUE(text.nextLine(line));
  EXPECT_EQ(line, "last of a");
  EXPECT_FALSE(text.insideSpliceOf("/b"));
  EXPECT_TRUE(text.insideSpliceOf("/a"));
  ASSERT_TRUE(text.nextLine(line));
  EXPECT_EQ(line, "after");
  EXPECT_FALSE(text.insideSpliceOf("/a"));
}

TEST(WorkingTextTest, BlockWithoutALineEndingJoinsTheNextLine) {
  ckWorkingText text("a\nb\nc");
  std::string_view line;
  ASSERT_TRUE(text.nextLine(line));
  text.splice("x", "");
  EXPECT_EQ(readAll(text), (std::vector<std::string>{"xb", "c"}));
}

TEST(WorkingTextTest, BudgetCountsSplicesAndBytes) {
  ckWorkingText text("a\n");
  EXPECT_TRUE(text.canSplice(ckWorkingText::kMaxBytes - 3));
  EXPECT_FALSE(text.canSplice(ckWorkingText::kMaxBytes - 2));
  for (size_t i = 0; i < ckWorkingText::kMaxSplices; ++i) text.splice("x\n", "");
  EXPECT_FALSE(text.canSplice(1));
}

}  // namespace
}  // namespace vorline
