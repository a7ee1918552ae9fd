// The edits of a program's write over the pad: what they touch, not only what they give.
#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "platform/qt/QtTextEdits.h"

namespace vorline::qttest {
namespace {

struct Touched {
  qsizetype start;
  qsizetype removed;
  QString inserted;
  bool operator==(const Touched&) const = default;
};

void PrintTo(const Touched& t, std::ostream* os) {
  *os << "{" << t.start << ", " << t.removed << ", \"" << t.inserted.toStdString() << "\"}";
}

std::vector<Touched> touched(const QString& old, const QString& now) {
  std::vector<Touched> all;
  for (const QtTextEdits::Edit& edit : QtTextEdits::between(old, now))
    all.push_back({edit.start, edit.removed, edit.inserted.toString()});
  return all;
}

// The old text with the edits made, which must be the new one.
QString applied(const QString& old, const std::vector<QtTextEdits::Edit>& edits) {
  QString text;
  qsizetype from = 0;
  for (const QtTextEdits::Edit& edit : edits) {
    text += QStringView(old).sliced(from, edit.start - from);
    text += edit.inserted;
    from = edit.start + edit.removed;
  }
  text += QStringView(old).sliced(from);
  return text;
}

struct EditsCase {
  const char* name;
  QString old;
  QString now;
  std::vector<Touched> edits;
};

void PrintTo(const EditsCase& c, std::ostream* os) { *os << c.name; }

class QtTextEditsTest : public ::testing::TestWithParam<EditsCase> {};

// Each changed line is its own edit of only what differs; lines added or taken away make the
// differing middle one edit; a surrogate pair is replaced whole.
TEST_P(QtTextEditsTest, TouchesOnlyWhatDiffers) {
  const EditsCase& c = GetParam();
  EXPECT_EQ(touched(c.old, c.now), c.edits);
  EXPECT_EQ(applied(c.old, QtTextEdits::between(c.old, c.now)), c.now);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QtTextEditsTest,
    ::testing::Values(
        EditsCase{"Same", "a\nb", "a\nb", {}},
        EditsCase{"ResultsAppended",
                  "x = 1\ny = x\n// note\n",
                  "x = 1 //1\ny = x //1\n\n",
                  {{5, 0, " //1"}, {11, 0, " //1"}, {12, 7, ""}}},
        EditsCase{
            "ResultReplaced", "x = 2 //1\nz\ny = x //1", "x = 2 //2\nz\ny = x //1", {{8, 1, "2"}}},
        EditsCase{"LineAdded", "a //1\nb //2", "a //1\nnew\nb //2", {{6, 0, "new\n"}}},
        EditsCase{"LineTakenAway", "a\nold\nb", "a\nb", {{2, 4, ""}}},
        EditsCase{"LineAddedAmongChanges", "a\nb", "a //1\nb //2\nc", {{1, 2, " //1\nb //2\nc"}}},
        EditsCase{"SurrogatePairs",
                  QString::fromUtf8("\xF0\x9F\x98\x80\n\xF0\x9F\x98\x80!"),
                  QString::fromUtf8("\xF0\x9F\x98\x81\n\xF0\x9F\x98\x80?"),
                  {{0, 2, QString::fromUtf8("\xF0\x9F\x98\x81")}, {5, 1, "?"}}}),
    [](const ::testing::TestParamInfo<EditsCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorline::qttest
