// The framework's text operations on UTF-8: characters not bytes, letter case by Unicode
// simple case folding, bytes that are not UTF-8 kept as characters of their own.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <regex>
#include <vector>

#include "platform/text/TextOps.h"

using namespace vorline;

namespace {

const double kInf = std::numeric_limits<double>::infinity();

TEST(TextOpsTest, LenCountsCharactersAndEachBadByteAsOne) {
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Len("h\xC3\xA9llo"), 5);              // é
  EXPECT_EQ(Len("\xE6\x97\xA5\xE6\x9C\xAC"), 2);  // two CJK characters
  EXPECT_EQ(Len("\xF0\x9F\x98\x80"), 1);          // an emoji outside the BMP
  EXPECT_EQ(Len("\xFF\xFE"), 2);                  // bytes that never start UTF-8
  EXPECT_EQ(Len("a\xC3"), 2);                     // a sequence cut short
  EXPECT_EQ(Len("\xC0\x80"), 2);                  // an overlong NUL
  EXPECT_EQ(Len("\xED\xA0\x80"), 3);              // an encoded surrogate
  EXPECT_EQ(Len(std::string("a\0b", 3)), 3);
}

// Long texts, where ASCII runs are counted eight bytes at a time: every character at every
// offset, whichever bytes surround it.
TEST(TextOpsTest, LenAndMidAgreeOnLongMixedTexts) {
  const std::vector<std::string> pieces = {
      "a", "b", "c", "\xC3\xA9", "\xE6\x97\xA5", "\xF0\x9F\x98\x80", "\xFF", "\xC3"};
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    std::vector<size_t> chosen;
    std::string text;
    const size_t count = random() % 60;
    for (size_t i = 0; i < count; ++i) {
      // Mostly ASCII, so that runs of every length meet the other characters.
      const size_t piece = random() % 4 == 0 ? random() % pieces.size() : random() % 3;
      chosen.push_back(piece);
      text += pieces[piece];
    }
    // A cut-short sequence before an ASCII byte stays one bad byte and one letter.
    ASSERT_EQ(Len(text), static_cast<int64_t>(count)) << round;
    for (size_t i = 0; i < count; ++i)
      ASSERT_EQ(Mid(text, static_cast<int64_t>(i) + 1, 1), pieces[chosen[i]]) << round << " " << i;
    ASSERT_EQ(Left(text, static_cast<int64_t>(count)), text);
  }
}

TEST(TextOpsTest, LeftRightMidWorkInCharacters) {
  const std::string s = "h\xC3\xA9llo";
  EXPECT_EQ(Left(s, 2), "h\xC3\xA9");
  EXPECT_EQ(Left(s, 99), s);
  EXPECT_EQ(Left(s, 0), "");
  EXPECT_EQ(Right(s, 3), "llo");
  EXPECT_EQ(Right(s, 4), "\xC3\xA9llo");
  EXPECT_EQ(Right(s, 99), s);
  EXPECT_EQ(Mid(s, 2, 3), "\xC3\xA9ll");
  EXPECT_EQ(Mid(s, 2), "\xC3\xA9llo");
  EXPECT_EQ(Mid(s, 6), "");
  EXPECT_EQ(Mid(s, 2, 0), "");
  EXPECT_EQ(Mid("abc", 0), "abc");
  EXPECT_EQ(Mid("a\xFF"
                "b",
                2, 1),
            "\xFF");
}

struct InStrCase {
  int64_t start;
  const char* s;
  const char* find;
  int64_t expected;
};

class InStrTest : public testing::TestWithParam<InStrCase> {};

TEST_P(InStrTest, FindsTheFirstOccurrenceIgnoringCase) {
  const InStrCase& c = GetParam();
  EXPECT_EQ(InStr(c.start, c.s, c.find), c.expected) << c.s << " / " << c.find;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InStrTest,
    testing::Values(InStrCase{1, "Hello", "LL", 3}, InStrCase{0, "Hello", "h", 1},
                    InStrCase{4, "hello", "l", 4}, InStrCase{5, "hello", "l", 0},
                    InStrCase{9, "hello", "o", 0}, InStrCase{1, "abc", "", 0},
                    InStrCase{1, "h\xC3\xA9llo", "L", 3},  // positions count characters
                    InStrCase{1, "x\xC3\x89t\xC3\xA9", "\xC3\xA9T", 2},  // É folds to é
                    InStrCase{1, "\xC5\xBF", "S", 1},                    // long s folds to s
                    InStrCase{1, "a\xE2\x84\xAA", "k", 2},               // Kelvin sign folds to k
                    InStrCase{1, "\xCE\xA3\xCE\x91\xCE\xA3", "\xCF\x83\xCE\xB1\xCF\x82",
                              1},                         // ΣΑΣ / σας
                    InStrCase{1, "\xC3\xA9", "\xA9", 0},  // no match inside a character
                    InStrCase{1,
                              "a\xFF"
                              "b",
                              "\xFF"
                              "B",
                              2}));

TEST(TextOpsTest, FieldsAreCutAtEverySeparatorIgnoringCase) {
  EXPECT_EQ(NthField("a,b,,c", ",", 1), "a");
  EXPECT_EQ(NthField("a,b,,c", ",", 3), "");
  EXPECT_EQ(NthField("a,b,,c", ",", 4), "c");
  EXPECT_EQ(NthField("a,b,,c", ",", 5), "");
  EXPECT_EQ(NthField("a,b", ",", 0), "");
  EXPECT_EQ(NthField("xDEFyDefz", "def", 2), "y");
  EXPECT_EQ(NthField("a<>b<>c", "<>", 3), "c");
  EXPECT_EQ(NthField("abc", "", 1), "abc");
  EXPECT_EQ(CountFields("a,b,", ","), 3);
  EXPECT_EQ(CountFields("", ","), 0);
  EXPECT_EQ(CountFields("abc", ","), 1);
  EXPECT_EQ(CountFields("xDEFyDefz", "def"), 3);
  EXPECT_EQ(CountFields("aaaa", "aa"), 3);
}

TEST(TextOpsTest, TrimRemovesBlanksAndTabsOnly) {
  EXPECT_EQ(Trim(" \t a b \t"), "a b");
  EXPECT_EQ(Trim("\na\r"), "\na\r");
  EXPECT_EQ(LTrim("  a  "), "a  ");
  EXPECT_EQ(RTrim("  a  "), "  a");
  EXPECT_EQ(Trim(" \t "), "");
}

TEST(TextOpsTest, ReplaceFirstAndAll) {
  EXPECT_EQ(Replace("aXbxc", "x", "-"), "a-bxc");
  EXPECT_EQ(Replace("abc", "z", "-"), "abc");
  EXPECT_EQ(Replace("abc", "", "-"), "abc");
  EXPECT_EQ(ReplaceAll("aXbxc", "x", "-"), "a-b-c");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("xx", "x", "xx"), "xxxx");
  EXPECT_EQ(ReplaceAll("\xC3\x89t\xC3\xA9", "\xC3\xA9", "e"), "ete");
  EXPECT_EQ(ReplaceAll("a\xFF"
                       "b",
                       "\xFF", "?"),
            "a?b");
}

TEST(TextOpsTest, ByteOperationsCountBytesAndLetterCase) {
  EXPECT_EQ(InStrB(1, "h\xC3\xA9llo", "l"), 4);
  EXPECT_EQ(InStrB(5, "h\xC3\xA9llo", "l"), 5);
  EXPECT_EQ(InStrB(1, "abc", "B"), 0);
  EXPECT_EQ(ReplaceB("aAa", "a", "b"), "bAa");
  EXPECT_EQ(ReplaceAllB("aAa", "a", "b"), "bAb");
  EXPECT_EQ(ReplaceAllB("a\r\nb\r", "\r", "\n"), "a\n\nb\n");
  EXPECT_EQ(ChrB(255), "\xFF");
  EXPECT_EQ(ChrB(0), std::string(1, '\0'));
  EXPECT_EQ(ChrB(256), "");
}

TEST(TextOpsTest, LetterCaseConversionsKeepBadBytes) {
  EXPECT_EQ(Lowercase("\xC3\x80\xC3\x89X"), "\xC3\xA0\xC3\xA9x");
  EXPECT_EQ(Uppercase("stra\xC3\x9F"
                      "e"),
            "STRA\xC3\x9F"
            "E");  // ß has no one-letter capital
  EXPECT_EQ(Uppercase("a\xFF"
                      "b"),
            "A\xFF"
            "B");
  EXPECT_EQ(Titlecase("tHe quick fOX"), "The Quick Fox");
  EXPECT_EQ(Titlecase("don't stop-now"), "Don't Stop-Now");
}

TEST(TextOpsTest, AscAndChr) {
  EXPECT_EQ(Asc("\xC3\xA9"), 233);
  EXPECT_EQ(Asc(""), 0);
  EXPECT_EQ(Asc("\xFF"), 255);
  EXPECT_EQ(Chr(233), "\xC3\xA9");
  EXPECT_EQ(Chr(0x1F600), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Chr(0xD800), "");
  EXPECT_EQ(Chr(0x110000), "");
  EXPECT_EQ(Chr(-1), "");
}

TEST(TextOpsTest, ComparisonIgnoresLetterCaseBySimpleFolding) {
  EXPECT_TRUE(TextEquals("ABC", "abc"));
  EXPECT_TRUE(TextEquals("\xC7\x84", "\xC7\x85"));  // DŽ and Dž fold alike
  EXPECT_TRUE(TextEquals("\xE2\x84\xAA", "K"));     // Kelvin sign
  EXPECT_FALSE(
      TextEquals("Stra\xC3\x9F"
                 "e",
                 "STRASSE"));  // simple folding keeps ß
  EXPECT_FALSE(TextEquals("ab", "abc"));
  EXPECT_TRUE(TextEquals("\xFF", "\xFF"));
  EXPECT_FALSE(TextEquals("\xFF", "\xFE"));
  EXPECT_EQ(TextCompare("a", "B"), -1);
  EXPECT_EQ(TextCompare("b", "A"), 1);
  EXPECT_EQ(TextCompare("abc", "AB"), 1);
  EXPECT_EQ(TextCompare("", ""), 0);
}

TEST(TextOpsTest, StrOfIntegers) {
  EXPECT_EQ(Str(int64_t{0}), "0");
  EXPECT_EQ(Str(-5), "-5");
  EXPECT_EQ(Str(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

struct DoubleCase {
  double value;
  const char* text;
};

class StrOfDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(StrOfDoubleTest, WritesTheShortestLiteral) {
  EXPECT_EQ(Str(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StrOfDoubleTest,
    testing::Values(
        DoubleCase{0.0, "0"}, DoubleCase{-0.0, "-0.0"}, DoubleCase{6.0, "6"},
        DoubleCase{-12.0, "-12"}, DoubleCase{0.1, "0.1"}, DoubleCase{1.0 / 3, "0.3333333333333333"},
        DoubleCase{1e15, "1000000000000000"}, DoubleCase{9007199254740991.0, "9007199254740991"},
        DoubleCase{9007199254740992.0, "9.007199254740992e+15"}, DoubleCase{1e20, "1e+20"},
        DoubleCase{-1e300, "-1e+300"}, DoubleCase{1e-7, "1e-07"}, DoubleCase{5e-324, "5e-324"},
        DoubleCase{1.7976931348623157e308, "1.7976931348623157e+308"}, DoubleCase{kInf, "1e999"},
        DoubleCase{-kInf, "-1e999"}, DoubleCase{std::nan(""), "(0/0)"},
        // Whole values below 2^53 in plain digits, up to the last exact integers.
        DoubleCase{4503599627370497.0, "4503599627370497"},
        DoubleCase{-9007199254740991.0, "-9007199254740991"},
        DoubleCase{-123456789.0, "-123456789"}, DoubleCase{1.0, "1"}));

// The number literals of the script language, and how it reads them.
double readLiteral(const std::string& text) {
  static const std::regex literal(R"(-?(\d+(\.\d+)?|\.\d+)(e[+-]?\d+)?)");
  if (!std::regex_match(text, literal)) ADD_FAILURE() << "not a literal: " << text;
  const bool integer = text.find_first_of(".e") == std::string::npos;
  if (integer && text.size() > 17) ADD_FAILURE() << "integer literal may overflow: " << text;
  double value = 0;
  std::from_chars(text.data() + (text[0] == '-'), text.data() + text.size(), value);
  if (text[0] != '-') return value;
  // The minus of an integer literal negates an Integer: "-0" is the Integer 0, not -0.0.
  return integer ? static_cast<double>(-static_cast<int64_t>(value)) : -value;
}

TEST(TextOpsTest, StrOfEveryKindOfDoubleReadsBackExactly) {
  std::mt19937_64 random(42);
  for (int i = 0; i < 200'000; ++i) {
    uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    if (i % 3 == 0) value = std::trunc(std::fmod(value, 1e22));  // whole values of every size
    const double back = readLiteral(Str(value));
    ASSERT_EQ(back, value) << Str(value);
    ASSERT_EQ(std::signbit(back), std::signbit(value)) << Str(value);
  }
  EXPECT_TRUE(std::signbit(readLiteral(Str(-0.0))));
  EXPECT_FALSE(std::signbit(readLiteral(Str(0.0))));
}

class SingleDisplayStrTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(SingleDisplayStrTest, WritesTheShortestDecimalOfTheFloat) {
  EXPECT_EQ(SingleDisplayStr(GetParam().value), GetParam().text) << GetParam().value;
}

// Each value is what a Single holds (a float widened to a Double), but the last rows, which no
// float holds exactly and which keep the Double's display form.
INSTANTIATE_TEST_SUITE_P(
    Cases, SingleDisplayStrTest,
    testing::Values(DoubleCase{16777217.0f, "16777216"}, DoubleCase{16777218.0f, "16777218"},
                    DoubleCase{0.1f, "0.1"}, DoubleCase{1.0f / 3, "0.33333334"},
                    DoubleCase{-2.5f, "-2.5"}, DoubleCase{123456.7f, "123456.7"},
                    DoubleCase{1e10f, "10000000000"},
                    DoubleCase{3.4028234663852886e38, "3.4028235e+38"},
                    DoubleCase{1.401298464324817e-45, "1e-45"}, DoubleCase{1e-5f, "0.00001"},
                    DoubleCase{0.0f, "0"}, DoubleCase{-0.0f, "0"}, DoubleCase{kInf, "INF"},
                    DoubleCase{-kInf, "-INF"}, DoubleCase{std::nan(""), "NAN"},
                    DoubleCase{0.1, "0.1"}, DoubleCase{1e300, "1e+300"}));

class DisplayStrTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(DisplayStrTest, WritesAtMostFifteenDigits) {
  EXPECT_EQ(DisplayStr(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayStrTest,
    testing::Values(DoubleCase{0.1 + 0.2, "0.3"}, DoubleCase{1.0 / 3, "0.333333333333333"},
                    DoubleCase{2.0 / 3, "0.666666666666667"}, DoubleCase{1e20, "1e+20"},
                    DoubleCase{1e15, "1e+15"}, DoubleCase{999999999999999.0, "999999999999999"},
                    DoubleCase{999999999999999.9, "1e+15"}, DoubleCase{123456.789, "123456.789"},
                    DoubleCase{100.0, "100"}, DoubleCase{-2.5, "-2.5"},
                    DoubleCase{0.00001, "0.00001"}, DoubleCase{0.000001, "1e-06"},
                    DoubleCase{1.5e-7, "1.5e-07"}, DoubleCase{-1.25e300, "-1.25e+300"},
                    DoubleCase{-0.0, "0"}, DoubleCase{kInf, "INF"}, DoubleCase{-kInf, "-INF"},
                    DoubleCase{std::nan(""), "NAN"},
                    // A tie at the fifteenth digit rounds to even; one past it rounds up.
                    DoubleCase{1234567890123445.0, "1.23456789012344e+15"},
                    DoubleCase{1234567890123455.0, "1.23456789012346e+15"},
                    DoubleCase{1234567890123445.5, "1.23456789012345e+15"},
                    DoubleCase{-9.99999999999999e-6, "-9.99999999999999e-06"},
                    DoubleCase{9.999999999999995e-6, "0.00001"}, DoubleCase{1e-300, "1e-300"},
                    DoubleCase{5e-324, "4.94065645841247e-324"},
                    DoubleCase{42857.0 + 1.0 / 7, "42857.1428571429"},
                    // Whole values up to fifteen digits in plain digits.
                    DoubleCase{1.0, "1"}, DoubleCase{-42.0, "-42"},
                    DoubleCase{123456789012345.0, "123456789012345"},
                    DoubleCase{-999999999999999.0, "-999999999999999"},
                    DoubleCase{1e14, "100000000000000"}));

// Each way of placing fifteen digits: a point inside, leading zeros, trailing zeros before the
// point, a three-digit exponent.
INSTANTIATE_TEST_SUITE_P(Placing, DisplayStrTest,
                         testing::Values(DoubleCase{123456789012345.6, "123456789012346"},
                                         DoubleCase{12345678901234.56, "12345678901234.6"},
                                         DoubleCase{-0.000123, "-0.000123"},
                                         DoubleCase{1.5e15, "1.5e+15"}, DoubleCase{1e100, "1e+100"},
                                         DoubleCase{-0.5, "-0.5"}));

struct ValCase {
  const char* text;
  double expected;
};

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) { EXPECT_EQ(Val(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ValTest,
    testing::Values(ValCase{"12abc", 12}, ValCase{" \t3.5e2x", 350}, ValCase{"&hFF", 255},
                    ValCase{"&HfF", 255}, ValCase{"&b101", 5}, ValCase{"&o17", 15},
                    ValCase{"-4", -4}, ValCase{"+4", 4}, ValCase{".5", 0.5}, ValCase{"5.", 5},
                    ValCase{"1e", 1}, ValCase{"1e+", 1}, ValCase{"abc", 0}, ValCase{"", 0},
                    ValCase{".", 0}, ValCase{"-", 0}, ValCase{"e5", 0}, ValCase{"&z1", 0},
                    ValCase{"1e999", kInf}, ValCase{"-1e999", -kInf}, ValCase{"1e-999", 0}));

TEST(TextOpsTest, ValOfNumbersBeyondADouble) {
  EXPECT_EQ(Val("1" + std::string(400, '0')), kInf);
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1e800"), kInf);
}

TEST(TextOpsTest, Utf8CheckAndLatin1) {
  EXPECT_TRUE(IsValidUtf8("h\xC3\xA9 \xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsValidUtf8("caf\xE9"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
  EXPECT_EQ(Latin1ToUtf8("caf\xE9\xFF"), "caf\xC3\xA9\xC3\xBF");
}

// Only the bytes of no valid sequence turn into Latin-1 characters; every valid one stays.
TEST(TextOpsTest, BytesToUtf8KeepsValidSequencesAndReadsStrayBytesAsLatin1) {
  const struct {
    const char* bytes;
    const char* text;
  } cases[] = {
      {"caf\xC3\xA9 \xCF\x80", "caf\xC3\xA9 \xCF\x80"},              // all valid
      {"caf\xC3\xA9 \xCF\x80\xFF", "caf\xC3\xA9 \xCF\x80\xC3\xBF"},  // one stray byte
      {"\xE9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},                        // Latin-1 beside UTF-8
      {"\xE2\x82", "\xC3\xA2\xC2\x82"},                              // a cut sequence
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},                  // a surrogate
      {"\xC0\x80", "\xC3\x80\xC2\x80"},                              // an overlong zero
      {"\xF0\x9F\x98\x80\x80", "\xF0\x9F\x98\x80\xC2\x80"},          // a spare continuation
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BytesToUtf8(c.bytes), c.text) << c.bytes;
    EXPECT_TRUE(IsValidUtf8(BytesToUtf8(c.bytes)));
  }
}

}  // namespace
