// The lexer: tokens, names, numbers and strings at the edges, and at the end of the source.
#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/script/Lexer.h"

namespace vorline::script {
namespace {

const std::map<Tok, std::string> kOperators = {
    {Tok::Plus, "+"},       {Tok::Minus, "-"},  {Tok::Star, "*"},  {Tok::Slash, "/"},
    {Tok::Backslash, "\\"}, {Tok::Caret, "^"},  {Tok::Eq, "="},    {Tok::Ne, "<>"},
    {Tok::Lt, "<"},         {Tok::Gt, ">"},     {Tok::Le, "<="},   {Tok::Ge, ">="},
    {Tok::LParen, "("},     {Tok::RParen, ")"}, {Tok::Comma, ","}, {Tok::Dot, "."},
};

// A name as lower-case/spelling, or lower-case alone where they are the same.
std::string nameText(const SymbolTable& symbols, Sym s) {
  const std::string& lower = symbols.lower(s);
  const std::string& spelling = symbols.spelling(s);
  return lower == spelling ? lower : lower + "/" + spelling;
}

std::string doubleText(double d) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, d);
  return std::string(buffer, end);
}

struct Lexed {
  SymbolTable symbols;
  std::vector<std::string> strings;
  std::vector<Token> tokens;

  explicit Lexed(std::string_view source) {
    // A heap block of exactly the source's size, so that a read past its end shows under the
    // address sanitizer.
    auto exact = std::make_unique<char[]>(source.size());
    std::memcpy(exact.get(), source.data(), source.size());
    tokens = Lexer(std::string_view(exact.get(), source.size()), symbols, strings).tokenize();
  }

  std::string text(const Token& t) const {
    switch (t.kind) {
      case Tok::Eof:
        return "EOF";
      case Tok::Newline:
        return "NL";
      case Tok::Ident:
        return "name(" + nameText(symbols, t.id) + ")";
      case Tok::Int:
        return "int(" + std::to_string(t.i) + ")";
      case Tok::Dbl:
        return "dbl(" + doubleText(t.d) + ")";
      case Tok::Str:
        return "str(" + strings[t.id] + ")";
      case Tok::Error:
        return "error(" + strings[t.id] + ")";
      default:
        if (t.kind >= Tok::KwAnd) return "kw(" + symbols.lower(t.id) + ")";
        return kOperators.at(t.kind);
    }
  }

  // Every token as text, separated by blanks.
  std::string text() const {
    std::string out;
    for (const Token& t : tokens) out += (out.empty() ? "" : " ") + text(t);
    return out;
  }

  std::vector<int32_t> lines() const {
    std::vector<int32_t> out;
    for (const Token& t : tokens) out.push_back(t.line);
    return out;
  }
};

struct LexCase {
  const char* name;
  std::string source;
  std::string tokens;
};

class Lexes : public testing::TestWithParam<LexCase> {};

TEST_P(Lexes, IntoTheseTokens) {
  const LexCase& c = GetParam();
  EXPECT_EQ(Lexed(c.source).text(), c.tokens);
}

std::string caseName(const testing::TestParamInfo<LexCase>& info) { return info.param.name; }

const std::string k65 = "Abcdefghijklmnopqrstuvwxyz_abcdefghijklmnopqrstuvwxyz_0123456789X";
const std::string k65Lower = "abcdefghijklmnopqrstuvwxyz_abcdefghijklmnopqrstuvwxyz_0123456789x";

const LexCase kNames[] = {
    {"CaseNeverCountsAndTheFirstSpellingIsKept", "Foo foo FOO",
     "name(foo/Foo) name(foo/Foo) name(foo/Foo) NL EOF"},
    {"UnderscoresAndDigits", "A_1 a_1 _z9 Z_",
     "name(a_1/A_1) name(a_1/A_1) name(_z9) name(z_/Z_) NL EOF"},
    {"OneWordAndOneByteMore", "abcdefgH ABCDEFGHI abcdefghi",
     "name(abcdefgh/abcdefgH) name(abcdefghi/ABCDEFGHI) name(abcdefghi/ABCDEFGHI) NL EOF"},
    {"SameFirstWordOtherTail", "abcdefghX abcdefghY abcdefghx",
     "name(abcdefghx/abcdefghX) name(abcdefghy/abcdefghY) name(abcdefghx/abcdefghX) NL EOF"},
    {"OtherOnlyInTheLastBytesOfAWord", "value_01 value_02 VALUE_01 value_0",
     "name(value_01) name(value_02) name(value_01) name(value_0) NL EOF"},
    {"LongerThanEightWords", k65 + " " + k65Lower + " " + k65Lower.substr(0, 64),
     "name(" + k65Lower + "/" + k65 + ") name(" + k65Lower + "/" + k65 + ") name(" +
         k65Lower.substr(0, 64) + ") NL EOF"},
    {"NonAscii", "Größe größe GRÖSSE",
     "name(größe/Größe) name(größe/Größe) name(grösse/GRÖSSE) NL EOF"},
    {"AsciiThenNonAscii", "abcé ABCÉ abc", "name(abcé) name(abcé) name(abc) NL EOF"},
    {"LongSIsLowerCasedNotFolded", "\xc5\xbfub sub", "name(\xc5\xbfub) kw(sub) NL EOF"},
    {"ReservedWordsInAnyCase", "IF If iF ElseIf XOR",
     "kw(if) kw(if) kw(if) kw(elseif) kw(xor) NL EOF"},
    // The table's own spelling of a context word comes first.
    {"ContextWordsAreNames", "TO Step downTo in IS until",
     "name(to) name(step) name(downto) name(in) name(is) name(until) NL EOF"},
    {"NamesEndAtOtherBytes", "a.b(c,d)e+f",
     "name(a) . name(b) ( name(c) , name(d) ) name(e) + name(f) NL EOF"},
    {"OneByteNameAtTheEnd", "x = Y", "name(x) = name(y/Y) NL EOF"},
    {"LongNameAtTheEnd", "x\nx = LongerThanEight",
     "name(x) NL name(x) = name(longerthaneight/LongerThanEight) NL EOF"},
};
INSTANTIATE_TEST_SUITE_P(Names, Lexes, testing::ValuesIn(kNames), caseName);

const LexCase kNumbers[] = {
    {"Int64Max", "9223372036854775807", "int(9223372036854775807) NL EOF"},
    {"OnePastInt64MaxIsADouble", "9223372036854775808", "dbl(9223372036854775808) NL EOF"},
    {"EighteenAndNineteenDigits", "123456789012345678 1234567890123456789",
     "int(123456789012345678) int(1234567890123456789) NL EOF"},
    {"LeadingZeros", "0000000000000000000001 007", "int(1) int(7) NL EOF"},
    {"OverflowIsInfinity", "1e999", "dbl(inf) NL EOF"},
    {"UnderflowIsZero", "1e-999", "dbl(0) NL EOF"},
    {"PointEnds", "5.", "dbl(5) NL EOF"},
    {"PointStarts", ".5 x.5", "dbl(0.5) name(x) dbl(0.5) NL EOF"},
    {"PointBeforeAName", "5.e3 5.x", "int(5) . name(e3) int(5) . name(x) NL EOF"},
    {"Exponents", "1E5 2.5e-3 3e+2", "dbl(1e+05) dbl(0.0025) dbl(300) NL EOF"},
    {"ExponentWithoutDigits", "1e 1e+", "int(1) name(e) int(1) name(e) + NL EOF"},
    {"Hex", "&hFF &HfF &hFFFFFFFFFFFFFFFF", "int(255) int(255) int(-1) NL EOF"},
    {"HexTooLong", "&h10000000000000000",
     "error(The number literal does not fit in 64 bits) NL EOF"},
    {"RadixWithoutDigits", "&h &o",
     "error(A number literal needs digits) error(A number literal needs digits) NL EOF"},
    {"OctalAndBinary", "&o17 &B101 &b102", "int(15) int(5) int(2) int(2) NL EOF"},
    {"AmpersandAlone", "&x &",
     "error(Unexpected character '&') name(x) error(Unexpected character '&') NL EOF"},
    {"NumberAtTheEnd", "x=42", "name(x) = int(42) NL EOF"},
};
INSTANTIATE_TEST_SUITE_P(Numbers, Lexes, testing::ValuesIn(kNumbers), caseName);

const LexCase kStringsAndLayout[] = {
    {"DoubledQuote", "\"a\"\"b\" \"\"", "str(a\"b) str() NL EOF"},
    {"StringAtTheEnd", "print \"t1\"", "kw(print) str(t1) NL EOF"},
    {"UnclosedString", "\"abc", "error(The string has no closing quote) NL EOF"},
    {"StringEndsOnItsLine", "\"ab\ncd\"",
     "error(The string has no closing quote) NL name(cd) error(The string has no closing quote) NL "
     "EOF"},
    {"EmptyLinesMakeOneNewline", "a\n\n\nb\n", "name(a) NL name(b) NL NL EOF"},
    {"LeadingEmptyLines", "\n\na", "NL name(a) NL EOF"},
    {"Comments", "a ' note\nb // note\nc/d '", "name(a) NL name(b) NL name(c) / name(d) NL EOF"},
    {"Blanks", "\ta\r\n\f b \v", "name(a) NL name(b) NL EOF"},
    {"Operators", "<> <= >= < > = + - * / \\ ^ ( ) , .",
     "<> <= >= < > = + - * / \\ ^ ( ) , . NL EOF"},
    {"UnexpectedCharacters", "a # b", "name(a) error(Unexpected character '#') name(b) NL EOF"},
    {"ZeroByte", std::string("a\0b", 3),
     std::string("name(a) error(Unexpected character '") + '\0' + "') name(b) NL EOF"},
};
INSTANTIATE_TEST_SUITE_P(StringsAndLayout, Lexes, testing::ValuesIn(kStringsAndLayout), caseName);

TEST(Lexer, TokensCarryTheirLines) {
  Lexed lexed("a\n\n\nb = 1\n' note\nc");
  EXPECT_EQ(lexed.text(), "name(a) NL name(b) = int(1) NL name(c) NL EOF");
  EXPECT_EQ(lexed.lines(), (std::vector<int32_t>{1, 1, 4, 4, 4, 4, 6, 6, 6}));
}

// The source is lexed where it is up to a line end some bytes before its end, and the rest from a
// copy: the tokens must not depend on where that boundary falls.
TEST(Lexer, TokensDoNotDependOnWhereTheLastLinesStart) {
  const std::vector<std::pair<std::string, std::string>> lineEnds = {
      {"Ab", "name(ab/Ab)"},
      {"AbcdefgH", "name(abcdefgh/AbcdefgH)"},
      {"AbcdefgHI", "name(abcdefghi/AbcdefgHI)"},
      {"12", "int(12)"},
      {"1.5", "dbl(1.5)"},
      {"5.", "dbl(5)"},
      {"&hF", "int(15)"},
      {"\"s\"", "str(s)"},
      {"\"s", "error(The string has no closing quote)"},
      {"<", "<"},
      {"// note", ""},
  };
  for (const auto& [end, endTokens] : lineEnds) {
    for (size_t tailSize = 0; tailSize <= 12; ++tailSize) {
      const std::string tail(tailSize, 'T');
      const std::string source = "x = 1\ny = " + end + "\n" + tail;
      std::string expected =
          "name(x) = int(1) NL name(y) =" + (endTokens.empty() ? "" : " " + endTokens) + " NL";
      expected +=
          tailSize == 0 ? " NL" : " name(" + std::string(tailSize, 't') + "/" + tail + ") NL";
      EXPECT_EQ(Lexed(source).text(), expected + " EOF") << source;
    }
  }
}

// Short literals are read by a fast path: every Double must be the one from_chars reads, bit for
// bit, on both sides of the path's limits (19 digits, 53 bits) and past it.
TEST(Lexer, DoublesAreThoseOfFromChars) {
  std::vector<std::string> literals = {
      "0.25",
      "1.5",
      "2.75",
      "0.5",
      "1.125",
      "0.1",
      "0.2",
      "0.3",
      "4.35",
      "1e22",
      "1e23",
      "1e-22",
      "1e-23",
      "3.0e22",
      "0.30000000000000004",
      "9007199254740992.0",
      "9007199254740993.0",
      "9007199254740993e-5",
      "18014398509481983.5",
      "1234567890123456789.5",
      "12345678901234567890.5",
      "0.1234567890123456789",
      "0.12345678901234567890123",
      "123456789012345678901234567890.0",
      "2.2250738585072014e-308",
      "1.7976931348623157e308",
      "4.9e-324",
      "0.0",
      "0.000",
      "000.0001",
      "0e999",
      "0.0e-999",
      "5.",
      ".5e1",
      "7E+02",
      "100000000000000000000000.0",
      "0.000000000000000000001",
      "1.00000000000000000000001",
  };
  // Mantissas of 1 to 20 digits with the point anywhere and exponents around the exact range.
  uint64_t state = 12345;
  for (int i = 0; i < 3000; ++i) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    const int digits = 1 + static_cast<int>((state >> 33) % 20);
    std::string mantissa;
    for (int k = 0; k < digits; ++k) {
      state = state * 6364136223846793005ull + 1442695040888963407ull;
      mantissa += static_cast<char>('0' + (state >> 40) % 10);
    }
    const auto point = static_cast<size_t>((state >> 20) % (mantissa.size() + 1));
    std::string literal = mantissa.substr(0, point) + "." + mantissa.substr(point);
    if (point == mantissa.size()) literal += "0";
    const int exponent = static_cast<int>((state >> 8) % 61) - 30;
    if (i % 2 == 1) literal += "e" + std::to_string(exponent);
    literals.push_back(literal);
  }
  for (const std::string& literal : literals) {
    Lexed lexed(literal);
    ASSERT_EQ(lexed.tokens[0].kind, Tok::Dbl) << literal;
    double expected = 0;
    std::from_chars(literal.data(), literal.data() + literal.size(), expected);
    uint64_t want = 0, got = 0;
    std::memcpy(&want, &expected, sizeof want);
    std::memcpy(&got, &lexed.tokens[0].d, sizeof got);
    EXPECT_EQ(got, want) << literal;
  }
}

}  // namespace
}  // namespace vorline::script
