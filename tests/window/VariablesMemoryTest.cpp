// The variables memory: its declarations, what it keeps between runs, and its clearing.
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "window/MemorySource.h"
#include "window/WindowFixture.h"

namespace vorline {
namespace {

using VariablesMemory = WindowFixture;

TEST_F(VariablesMemory, NewWindowDeclaresOnlyAns) {
  EXPECT_EQ(window().getMemAsSource(), "dim ans as double = 0\n");
}

TEST_F(VariablesMemory, IntegerValueIsStoredAsInt64AndComesBackAsInteger) {
  run("@setVar \"n\", 7");
  EXPECT_EQ(memory("n").type(), Variant::TypeInt64);
  EXPECT_EQ(window().getMemAsSource(), "dim ans as double = 0\ndim n as integer = 7\n");
  run("n = n + 1");
  EXPECT_EQ(memory("n").type(), Variant::TypeInt64);
  EXPECT_EQ(memory("n").int64Value(), 8);
}

// The count a store is charged must be the length of the line the number is declared with.
TEST_F(VariablesMemory, NumberDeclarationBytesAreTheLengthOfTheLine) {
  const std::vector<Variant> values = {
      Variant::Int64(7),     Variant::Int64(std::numeric_limits<int64_t>::min()),
      Variant::UInt64(1),    Variant::Double(0.1),
      Variant::Double(-0.0), Variant::Double(1e300),
      Variant::Double(NAN),  Variant::Double(-INFINITY),
      Variant::Single(2.5f), Variant::Boolean(true)};
  for (const Variant& value : values)
    EXPECT_EQ(MemorySource::DeclarationBytes("abc", value),
              static_cast<int64_t>(MemorySource::DeclarationLine("abc", value).size()))
        << MemorySource::DeclarationLine("abc", value);
}

TEST_F(VariablesMemory, DeclaresAlikeOnlyWhenTypeAndValueTextAgree) {
  struct Case {
    Variant old, value;
    bool alike;
  };
  const std::vector<Case> cases = {
      {Variant::Int64(3), Variant::Int64(3), true},
      {Variant::Int64(3), Variant::Int64(4), false},
      {Variant::Int64(3), Variant::Double(3), false},
      {Variant::Int64(-1), Variant::UInt64(std::numeric_limits<uint64_t>::max()), false},
      {Variant::Double(0.0), Variant::Double(-0.0), false},
      {Variant::Double(2.5), Variant::Double(2.5), true},
      {Variant::String("a"), Variant::String("a"), true},
      {Variant::String("a"), Variant::String("A"), false},
      {Variant::String(""), Variant::Int64(0), false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MemorySource::DeclaresAlike(c.old, c.value), c.alike)
        << MemorySource::DeclarationLine("v", c.old) << MemorySource::DeclarationLine("v", c.value);
}

TEST_F(VariablesMemory, NegativeZeroIsDeclaredWithADoubleLiteral) {
  window().mem.SetValue("z", Variant::Double(-0.0));
  EXPECT_NE(window().getMemAsSource().find("dim z as double = -0.0\n"), std::string::npos);
}

TEST_F(VariablesMemory, StringDeclarationsDoubleTheirQuotes) {
  window().mem.SetValue("s", Variant::String("say \"hi\""));
  EXPECT_NE(window().getMemAsSource().find("dim s as string = \"say \"\"hi\"\"\"\n"),
            std::string::npos);
}

// Values that the post-processing or the number text would change come back exactly.
struct RoundTripCase {
  const char* name;
  Variant value;
};

class MemoryRoundTrip : public WindowFixture,
                        public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(MemoryRoundTrip, ComesBackExactlyThroughThreeRuns) {
  window().mem.SetValue("v", GetParam().value);
  for (int i = 0; i < 3; ++i) {
    run(GetParam().value.isString() ? "$keep = v" : "keep = v");
    ASSERT_TRUE(platform.messages().empty()) << platform.messages()[0];
  }
  Variant kept = memory("keep");
  if (GetParam().value.isString()) {
    EXPECT_EQ(kept.stringValue(), GetParam().value.stringValue());
  } else {
    double want = GetParam().value.toDouble(), got = kept.toDouble();
    if (std::isnan(want)) {
      EXPECT_TRUE(std::isnan(got));
    } else {
      EXPECT_EQ(got, want);
      EXPECT_EQ(std::signbit(got), std::signbit(want));  // -0 stays -0
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, MemoryRoundTrip,
    ::testing::Values(
        RoundTripCase{"OneTenth", Variant::Double(0.1)},
        RoundTripCase{"OneThird", Variant::Double(1.0 / 3)},
        RoundTripCase{"Tiny", Variant::Double(5e-324)},
        RoundTripCase{"NegativeZero", Variant::Double(-0.0)},
        RoundTripCase{"Huge", Variant::Double(1.7976931348623157e308)},
        RoundTripCase{"Infinity", Variant::Double(std::numeric_limits<double>::infinity())},
        RoundTripCase{"MinusInfinity", Variant::Double(-std::numeric_limits<double>::infinity())},
        RoundTripCase{"NaN", Variant::Double(std::nan(""))},
        RoundTripCase{"LineBreaks", Variant::String("a\nb\r\nc\r")},
        RoundTripCase{"Brackets", Variant::String("[x] = a[1]")},
        RoundTripCase{"DollarDigits", Variant::String("$1 and $35 and $ and $x")},
        RoundTripCase{"QuotesAndSlashes", Variant::String("\"//\" '")},
        RoundTripCase{"Empty", Variant::String("")},
        RoundTripCase{"OnlySpecials", Variant::String("[]\n$0")},
        RoundTripCase{"ManyBreaks", Variant::String(std::string(5000, '\n'))}),
    [](const auto& info) { return std::string(info.param.name); });

// The declarations of memories filled directly: which entries they declare and how.
struct DeclarationsCase {
  const char* name;
  std::vector<std::pair<std::string, Variant>> entries;  // stored after "ans", in order
  const char* declarations;                              // after the one of "ans"
};

class MemoryDeclarations : public WindowFixture,
                           public ::testing::WithParamInterface<DeclarationsCase> {};

TEST_P(MemoryDeclarations, DeclareTheKeptEntriesInOrder) {
  for (const auto& [name, value] : GetParam().entries) window().mem.SetValue(name, value);
  const std::string expected = std::string("dim ans as double = 0\n") + GetParam().declarations;
  // The second time answers from the verdicts the memory keeps.
  EXPECT_EQ(window().getMemAsSource(), expected);
  EXPECT_EQ(window().getMemAsSource(), expected);
  // The arrays alone, without the plain part written, are the arrays of the whole.
  EXPECT_EQ(MemorySource::ArrayDeclarations(window().mem),
            MemorySource::Declarations(window().mem).arrays);
}

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Memories, MemoryDeclarations,
    ::testing::Values(DeclarationsCase{"Numbers",
                                       {{"z", Variant::Double(-0.0)},
                                        {"inf", Variant::Double(kInfinity)},
                                        {"minf", Variant::Double(-kInfinity)},
                                        {"nan", Variant::Double(std::nan(""))},
                                        {"i", Variant::Int64(7)},
                                        {"o", Variant()}},
                                       "dim z as double = -0.0\ndim inf as double = 1e999\n"
                                       "dim minf as double = -1e999\ndim nan as double = (0/0)\n"
                                       "dim i as integer = 7\ndim o as integer = 0\n"},
                      DeclarationsCase{"Strings",
                                       {{"t", Variant::String("a\nb")},
                                        {"u", Variant::String("[x]")},
                                        {"d", Variant::String("$12")},
                                        {"p", Variant::String("$x 1$")},
                                        {"q", Variant::String("say \"hi\"")}},
                                       "dim t as string = (\"a\" + (chr(10) + \"b\"))\n"
                                       "dim u as string = (chr(91) + (\"x\" + chr(93)))\n"
                                       "dim d as string = (chr(36) + \"12\")\n"
                                       "dim p as string = \"$x 1$\"\n"
                                       "dim q as string = \"say \"\"hi\"\"\"\n"},
                      DeclarationsCase{"RefusedNamesAreLeftOut",
                                       {{"next", Variant::Int64(1)},
                                        {"a b", Variant::Int64(2)},
                                        {"1x", Variant::Int64(3)},
                                        {"a(zz)", Variant::Int64(4)},
                                        {"If", Variant::Int64(5)},
                                        {"x", Variant::Int64(6)},
                                        {"c(1)(2)", Variant::Int64(7)}},
                                       "dim x as integer = 6\n"},
                      DeclarationsCase{
                          "IndexedNamesAndTheirShapes",
                          {{"x", Variant::Int64(1)},
                           {"X(2)", Variant::Int64(2)},
                           {"m(1)", Variant::Int64(3)},
                           {"M(2)", Variant::Int64(4)},
                           {"b[3]", Variant::Int64(5)},
                           {"b(3)", Variant::Int64(6)},
                           {"s(1)", Variant::String("v")},
                           {"s(2)", Variant::Int64(7)},
                           {"Y", Variant::Int64(8)}},
                          "dim x as integer = 1\ndim Y as integer = 8\ndim m(2) as integer\n"
                          "m(1) = 3\nm(2) = 4\n"
                          "dim b(3) as integer\nb(3) = 6\ndim s(1) as string\ns(1) = \"v\"\n"},
                      DeclarationsCase{"NamesBeyondAsciiMeetTheirOtherSpellings",
                                       {{"Zähler", Variant::Int64(1)},
                                        {"zÄhler(1)", Variant::Int64(2)},
                                        {"é", Variant::String("e")},
                                        {"x", Variant::Int64(3)}},
                                       "dim Zähler as integer = 1\ndim é as string = \"e\"\n"
                                       "dim x as integer = 3\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The memory keeps whether a name is kept with its entry: a name stored after another was
// removed, or after a clearing, is judged for itself.
TEST_F(VariablesMemory, VerdictsOnNamesDoNotOutliveTheirEntries) {
  window().mem.SetValue("next", Variant::Int64(1));
  EXPECT_EQ(window().getMemAsSource(), "dim ans as double = 0\n");
  window().mem.Remove("next");
  window().mem.SetValue("nxt", Variant::Int64(2));
  EXPECT_EQ(window().getMemAsSource(), "dim ans as double = 0\ndim nxt as integer = 2\n");
  run("pragma clear_memory\nq = 1");
  EXPECT_EQ(window().getMemAsSource(), "dim ans as double = 0\ndim q as double = 1\n");
}

// The converter's question to the memory: present and kept, whatever the letter case.
TEST_F(VariablesMemory, HasSymbolAnswersForEverySpellingOfAKeptName) {
  window().mem.SetValue("Total", Variant::Int64(1));
  window().mem.SetValue("Next", Variant::Int64(2));  // a script may store a reserved word
  window().mem.SetValue("Größe", Variant::Int64(3));
  for (const char* name : {"Total", "total", "TOTAL", "Größe", "GRÖßE"})
    EXPECT_TRUE(window().msg_memory_has_symbol(name)) << name;
  for (const char* name : {"Next", "next", "Tota", "GRÖSSE"})
    EXPECT_FALSE(window().msg_memory_has_symbol(name)) << name;
  window().msg_memory_create_symbol("if", "double");
  window().msg_memory_create_symbol("fresh", "double");
  EXPECT_FALSE(window().mem.HasKey("if"));
  EXPECT_TRUE(window().msg_memory_has_symbol("FRESH"));
}

TEST_F(VariablesMemory, NamesThatCannotBeVariablesAreNotKept) {
  run("x >= 3");
  run("a b = 1");
  EXPECT_FALSE(window().mem.HasKey("x >"));
  EXPECT_FALSE(window().mem.HasKey("a b"));
  platform.clearMessages();
  EXPECT_EQ(run("y = 2"), "y = 2 //2");
  EXPECT_TRUE(platform.messages().empty());
}

TEST_F(VariablesMemory, KeptNames) {
  for (const char* name :
       {"x", "_a1", "plotXMax", "a[2]", "m(1, 2)", "v( 3 )", "step", "zähler", "b(8191, 8191)"})
    EXPECT_TRUE(MemorySource::IsKeptName(name)) << name;
  for (const char* name : {"", "x >", "a b", "1x", "next", "If", "a[", "a[]", "f(x)+1", "a\n"})
    EXPECT_FALSE(MemorySource::IsKeptName(name)) << name;
  // Indexes that no later run could declare as they stand.
  for (const char* name : {"a(zz)", "a(n+1)", "c(1)(2)", "a(1,)", "a(-1)", "a(99999999999)",
                           "b(8192, 8192)", "d(1,2,3,4,5,6,7,8,9)", "a(1 2)"})
    EXPECT_FALSE(MemorySource::IsKeptName(name)) << name;
}

TEST_F(VariablesMemory, AnIndexThatCannotBeDeclaredDoesNotBreakLaterRuns) {
  for (const char* line : {"a(zz) = 5", "c(1)(2) = 5", "big(99999999999) = 5"}) {
    platform.clearMessages();
    run(line);
    EXPECT_FALSE(platform.messages().empty()) << line;
    platform.clearMessages();
    EXPECT_EQ(run("1+1"), "1+1 //2") << line;
    EXPECT_TRUE(platform.messages().empty()) << line;
  }
}

TEST_F(VariablesMemory, AStringStoredWithABracketIndexComesBackInEveryRun) {
  for (int i = 0; i < 3; ++i) {
    platform.clearMessages();
    EXPECT_EQ(run("$a[1] = \"s\"\nprint a(1)"), "$a[1] = \"s\" //s\nprint a(1) //s");
    EXPECT_TRUE(platform.messages().empty());
  }
  EXPECT_EQ(run("1+1"), "1+1 //2");
  EXPECT_TRUE(platform.messages().empty());
}

// One name used plain and with an index fails the run that mixes them, not every later one.
struct MixedShapeCase {
  const char* name;
  const char* first;
  const char* clash;
  const char* later;
};

class VariablesMemoryMixedShapes : public WindowFixture,
                                   public ::testing::WithParamInterface<MixedShapeCase> {};

TEST_P(VariablesMemoryMixedShapes, OnlyTheClashingRunFails) {
  run(GetParam().first);
  platform.clearMessages();
  run(GetParam().clash);
  EXPECT_FALSE(platform.messages().empty());
  platform.clearMessages();
  EXPECT_EQ(run(GetParam().later), std::string(GetParam().later) + " //2");
  EXPECT_TRUE(platform.messages().empty());
  EXPECT_EQ(run("1+1"), "1+1 //2");
  EXPECT_TRUE(platform.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Clashes, VariablesMemoryMixedShapes,
    ::testing::Values(
        MixedShapeCase{"PlainThenIndexed", "x = 1", "x[1] = 3", "x + 1"},
        MixedShapeCase{"IndexedThenPlain", "a[2] = 2", "a = 3", "print a(2)"},
        MixedShapeCase{"OneThenTwoDimensions", "m[1] = 2", "m[1, 1] = 3", "print m(1)"},
        MixedShapeCase{"StringThenNumber", "$t(1) = \"2\"", "t(2) = 5", "print t(1)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariablesMemory, AVariableIndexIsDeclaredInEveryRun) {
  run("n = 1");
  for (int i = 0; i < 3; ++i) {
    platform.clearMessages();
    EXPECT_EQ(run("b(n) = 5\nprint b(1)"), "b(n) = 5 //5\nprint b(1) //5");
    EXPECT_TRUE(platform.messages().empty());
  }
}

TEST_F(VariablesMemory, ResetLeavesOnlyAns) {
  run("x = 1\n$s = \"t\"");
  app.MenuItemChosen("mnuCalculatorReset");
  EXPECT_EQ(window().getMemAsSource(), "dim ans as double = 0\n");
  EXPECT_EQ(run("x = x + 1"), "x = x + 1 //1");
}

TEST_F(VariablesMemory, PragmaClearMemoryClears) {
  run("x = 1");
  run("pragma clear_memory\ny = 2");
  EXPECT_FALSE(window().mem.HasKey("x"));
  EXPECT_EQ(memory("y").doubleValue(), 2);
}

TEST_F(VariablesMemory, NameAddedByAStoppedRunKeepsZeroAndValuesBeforeAnErrorStay) {
  run("a = 5");
  run("a = 6\nb = 3 \\ 0\nc = 1");
  EXPECT_EQ(memory("a").doubleValue(), 6);
  EXPECT_EQ(memory("c").type(), Variant::TypeDouble);
  EXPECT_EQ(memory("c").doubleValue(), 0);
  EXPECT_NE(window().getMemAsSource().find("dim c as double = 0\n"), std::string::npos);
}

// What a run assigned comes back in the next run with its value and its type, whatever the
// earlier runs did; the pads run in turn, the last one must give its result without a message.
struct AcrossRunsCase {
  const char* name;
  std::vector<const char*> before;  // run first, in order; their messages do not count
  const char* last;
  const char* result;  // the pad after the last run
  const char* prefix = "";
};

class MemoryAcrossRuns : public WindowFixture,
                         public ::testing::WithParamInterface<AcrossRunsCase> {};

TEST_P(MemoryAcrossRuns, TheLastRunSeesWhatTheOthersKept) {
  Globals::prefixSource = GetParam().prefix;
  for (const char* pad : GetParam().before) run(pad);
  platform.clearMessages();
  EXPECT_EQ(run(GetParam().last), GetParam().result);
  EXPECT_TRUE(platform.messages().empty()) << platform.messages()[0];
}

INSTANTIATE_TEST_SUITE_P(
    Pads, MemoryAcrossRuns,
    ::testing::Values(
        // Integers keep their type and every digit.
        AcrossRunsCase{"IntegerDivisionAgain",
                       {"dim #count\ncount = 7 / 2"},
                       "dim #count\ncount = 7 / 2",
                       "dim #count\ncount = 7 / 2 //3"},
        AcrossRunsCase{"IntegerAbove2To53",
                       {"@dim big as integer = 9007199254740993\n@setVar \"big\", big"},
                       "print str(big)",
                       "print str(big) //9007199254740993"},
        AcrossRunsCase{"LowestInteger",
                       {"@dim lo as integer = -9223372036854775807 - 1\n@setVar \"lo\", lo"},
                       "print str(lo)",
                       "print str(lo) //-9223372036854775808"},
        // A name that no line assigned yet keeps the type its line gives it.
        AcrossRunsCase{"UnassignedIntegerStaysInteger",
                       {"if 1>2 #n = 1"},
                       "if 2>1 n = 7/2\nprint str(n)",
                       "if 2>1 n = 7/2\nprint str(n) //3"},
        AcrossRunsCase{"UnassignedStringStaysString",
                       {"if 1>2 $s = \"x\"", "if 1>2 $s = \"x\""},
                       "if 2>1 $s = \"y\"\nprint s",
                       "if 2>1 $s = \"y\"\nprint s //y"},
        // Array elements written with brackets, in any order and over several runs.
        AcrossRunsCase{"ElementsInOrder",
                       {"v[0]=10\nv[1]=20\nv[2]=30"},
                       "v[0]+v[1]+v[2]",
                       "v[0]+v[1]+v[2] //60"},
        AcrossRunsCase{"ElementsOneRunEach",
                       {"v[2]=30", "v[0]=10", "v[1]=20"},
                       "v[0]+v[1]+v[2]",
                       "v[0]+v[1]+v[2] //60"},
        AcrossRunsCase{"LargerIndexFirst",
                       {},
                       "w[5] = 1\nw[0] = 2\nw[5] + w[0]",
                       "w[5] = 1 //1\nw[0] = 2 //2\nw[5] + w[0] //3"},
        AcrossRunsCase{
            "LargerIndexFirstThenAgain", {"w[5] = 1\nw[0] = 2"}, "w[5] + w[0]", "w[5] + w[0] //3"},
        AcrossRunsCase{
            "TwoDimensions", {"m[0,1] = 2\nm[1,0] = 3"}, "m[0,1] * m[1,0]", "m[0,1] * m[1,0] //6"},
        AcrossRunsCase{"StringElements",
                       {"$t[1] = \"one\"\n$t[2] = \"two\""},
                       "print t[1] + t[2]",
                       "print t[1] + t[2] //onetwo"},
        AcrossRunsCase{"IntegerElements",
                       {"dim #k(3)\n@k(3) = 7\n@setVar \"k(3)\", k(3)"},
                       "print str(k(3) / 2)",
                       "print str(k(3) / 2) //3.5"},
        // A run that fails to compile keeps nothing.
        AcrossRunsCase{"LiteralThenElement",
                       {"v = {3, 4, 5}\nv[1] = 7"},
                       "v = {1, 2, 3}\nv[0]",
                       "v = {1, 2, 3}\nv[0] //1"},
        AcrossRunsCase{"NameThePrefixDeclaresOtherwise",
                       {"flag = 1"},
                       "1+1",
                       "1+1 //2",
                       "@dim flag as boolean\n@flag = false"},
        AcrossRunsCase{"SyntaxErrorAtADeclarationKeepsTheName",
                       {"ans = 2", "ans x = 7"},
                       "ans + 1",
                       "ans + 1 //3"},
        // A stored value that the prefix or the pad declares with another type goes with the
        // first run that meets the clash.
        AcrossRunsCase{"StoreThePrefixDeclaresOtherwise",
                       {"@setVar \"flag\", 1", "1+1"},
                       "1+1",
                       "1+1 //2",
                       "@dim flag as boolean\n@flag = false"},
        AcrossRunsCase{"StoreThePadDeclaresOtherwise",
                       {"@setVar \"s\", 1", "@dim s as string"},
                       "@dim s as string\n@s = \"t\"\nprint s",
                       "@dim s as string\n@s = \"t\"\nprint s //t"},
        // A prefixed array literal is the unprefixed one.
        AcrossRunsCase{"StringArrayLiteral",
                       {},
                       "$w = {\"a\", \"b\"}\nprint w(1)",
                       "$w = {\"a\", \"b\"}\nprint w(1) //b"},
        AcrossRunsCase{
            "DoubleArrayLiteral", {}, "%w = {1, 2}\nw[0] + w[1]", "%w = {1, 2}\nw[0] + w[1] //3"}),
    [](const auto& info) { return std::string(info.param.name); });

// A run that fails to compile leaves the memory as it was, a clearing included.
TEST_F(VariablesMemory, AFailedCompileLeavesTheMemoryAsItWas) {
  run("a = 5\n$s = \"t\"");
  const std::string before = window().getMemAsSource();
  run("b = 1\nc[2] = 3\n(");
  EXPECT_EQ(window().getMemAsSource(), before);
  run("pragma clear_memory\nd = 1\n(");
  EXPECT_EQ(window().getMemAsSource(), before);
}

// After any run, an empty pad runs: a store that the next run could not declare, past the
// engine's variables or its source text, ends the run with a run-time error and is not kept.
struct StoreLimitCase {
  const char* name;
  const char* pad;
  const char* kept;  // a name that the refused run stored before its refusal
};

class MemoryStoreLimits : public WindowFixture,
                          public ::testing::WithParamInterface<StoreLimitCase> {};

TEST_P(MemoryStoreLimits, AnEmptyPadRunsAfterwards) {
  run(GetParam().pad);
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(platform.messages()[0].rfind("Runtime Error: 6\nOut of memory: ", 0), 0u)
      << platform.messages()[0];
  EXPECT_TRUE(window().mem.HasKey(GetParam().kept));
  platform.clearMessages();
  EXPECT_EQ(run(""), "");
  EXPECT_EQ(run("2+2"), "2+2 //4");
  EXPECT_TRUE(platform.messages().empty()) << platform.messages()[0];
}

INSTANTIATE_TEST_SUITE_P(
    Limits, MemoryStoreLimits,
    ::testing::Values(StoreLimitCase{"Variables",
                                     "@for i = 1 to 1048600\n@setVar \"v\" + str(i), i\n@next",
                                     "v983039"},
                      StoreLimitCase{"SourceText",
                                     "@dim s as string = stringPad(\"\", \"x\", 40000000)\n"
                                     "@setVar \"kept\", 1\n@setVar \"big\", s + s",
                                     "kept"}),
    [](const auto& info) { return std::string(info.param.name); });

// Just within the limits the stores are kept and come back.
TEST_F(VariablesMemory, ALongStringWithinTheLimitComesBack) {
  run("@setVar \"long\", stringPad(\"\", \"x\", 30000000)");
  EXPECT_TRUE(platform.messages().empty()) << platform.messages()[0];
  EXPECT_EQ(run("len(long)"), "len(long) //30000000");
  EXPECT_TRUE(platform.messages().empty()) << platform.messages()[0];
}

}  // namespace
}  // namespace vorline
