#include "platform/script/Lexer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace vorline::script {

namespace {

// Zero bytes after the copy of the source's end: a word read from a name's last byte stays inside
// them.
constexpr size_t kPadding = SymbolTable::kWordBytes;
// Integers of up to 18 digits cannot overflow 63 bits, so they are read digit by digit.
constexpr ptrdiff_t kShortIntDigits = 18;

// What a byte can be; a byte may be several of these.
enum CharKind : uint8_t {
  kBlank = 1,         // between tokens (the line's end is a token)
  kNameStart = 2,     // letters, '_' and the bytes of non-ASCII characters
  kNameByte = 4,      // in ASCII names: letters, digits and '_'
  kWideNameByte = 8,  // in any name: kNameByte and the bytes of non-ASCII characters
  kDigit = 16,
  kStringStop = 32,  // ends a string's plain run: '"', the line's end, or a zero byte
};

constexpr auto kCharKinds = [] {
  std::array<uint8_t, 256> kinds{};
  for (int c = 0; c < 256; ++c) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    const bool digit = c >= '0' && c <= '9';
    int k = 0;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') k |= kBlank;
    if (letter || c >= 0x80) k |= kNameStart;
    if (letter || digit) k |= kNameByte;
    if (letter || digit || c >= 0x80) k |= kWideNameByte;
    if (digit) k |= kDigit;
    if (c == '"' || c == '\n' || c == 0) k |= kStringStop;
    kinds[static_cast<size_t>(c)] = static_cast<uint8_t>(k);
  }
  return kinds;
}();

bool is(char c, CharKind kind) { return (kCharKinds[static_cast<unsigned char>(c)] & kind) != 0; }

// How much of the source may be lexed where it is: up to a line end with kPadding bytes after it,
// so that a word read at the end of a name stays inside the source.
size_t inPlaceSize(std::string_view source) {
  if (source.size() <= kPadding) return 0;
  const size_t lineEnd = source.rfind('\n', source.size() - kPadding - 1);
  return lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
}

// The powers of ten that a Double holds exactly.
constexpr double kExactTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                                 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
// Up to 19 digits fit 64 bits.
constexpr ptrdiff_t kShortDecimalDigits = 19;
constexpr uint64_t kMaxExactMantissa = uint64_t{1} << 53;

int digitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

}  // namespace

Lexer::Lexer(std::string_view source, SymbolTable& symbols, std::vector<std::string>& strings)
    : source_(source), symbols_(symbols), strings_(strings) {}

std::vector<Token> Lexer::tokenize() {
  std::vector<Token> out;
  out.reserve(source_.size() / 3 + 16);
  // The source up to a line end with a word's bytes after it is lexed where it is, since every
  // scan stops at a line end; the rest, about a line, from a copy followed by zero bytes.
  const size_t inPlace = inPlaceSize(source_);
  lexSpan(source_.data(), source_.data() + inPlace, out);
  const std::string_view rest = source_.substr(inPlace);
  text_.reserve(rest.size() + kPadding);
  text_.assign(rest);
  text_.append(kPadding, '\0');
  lexSpan(text_.data(), text_.data() + rest.size(), out);
  Token t;
  t.kind = Tok::Newline;
  t.line = line_;
  out.push_back(t);
  t.kind = Tok::Eof;
  out.push_back(t);
  return out;
}

// Lexes [p, end), which ends with a line end or is followed by zero bytes. The steps it takes
// for names, numbers, strings and operators are inline: a call per token cost as much as lexing
// most tokens.
void Lexer::lexSpan(const char* p, const char* end, std::vector<Token>& out) {
  end_ = end;
  int32_t line = line_;
  while (p != end) {
    while (is(*p, kBlank)) ++p;
    if (p == end) break;
    Token t;
    t.line = line;
    const char c = *p;
    if (is(c, kNameStart)) {
      p = lexName(p, t);
    } else if (c == '\n') {
      ++p;
      ++line;
      // Consecutive empty lines need one Newline token only.
      if (!out.empty() && out.back().kind == Tok::Newline) continue;
      t.kind = Tok::Newline;
    } else if (is(c, kDigit) || (c == '.' && is(p[1], kDigit))) {
      p = lexNumber(p, t);
    } else if (c == '"') {
      p = lexString(p, t);
    } else if (c == '\'' || (c == '/' && p[1] == '/')) {
      p = skipComment(p);
      continue;
    } else {
      p = lexOther(p, t);
    }
    out.push_back(t);
  }
  line_ = line;
}

// A comment runs up to (not including) the line's end.
const char* Lexer::skipComment(const char* p) const {
  const void* lineEnd = std::memchr(p, '\n', static_cast<size_t>(end_ - p));
  return lineEnd != nullptr ? static_cast<const char*>(lineEnd) : end_;
}

void Lexer::error(Token& t, std::string message) {
  t.kind = Tok::Error;
  t.id = static_cast<uint32_t>(strings_.size());
  strings_.push_back(std::move(message));
}

// ASCII names, nearly all of them, are read from the source a word at a time by the table.
inline const char* Lexer::lexName(const char* p, Token& t) {
  const char* start = p;
  while (is(*p, kNameByte)) ++p;
  if (static_cast<unsigned char>(*p) >= 0x80) return lexWideName(start, t);
  nameToken(t, symbols_.internAscii(std::string_view(start, static_cast<size_t>(p - start))));
  return p;
}

// Names with non-ASCII characters go by the general rules of the table.
const char* Lexer::lexWideName(const char* p, Token& t) {
  const char* start = p;
  while (is(*p, kWideNameByte)) ++p;
  nameToken(t, symbols_.intern(std::string_view(start, static_cast<size_t>(p - start))));
  return p;
}

void Lexer::nameToken(Token& t, Sym id) {
  if (id < kSymFirstContextWord) {
    t.kind = static_cast<Tok>(static_cast<int>(Tok::KwAnd) + static_cast<int>(id));
  } else {
    t.kind = Tok::Ident;
  }
  t.id = id;
}

// Short decimal integers, nearly all numbers, are read here in one pass.
inline const char* Lexer::lexNumber(const char* p, Token& t) {
  const char* start = p;
  uint64_t v = 0;
  for (unsigned digit; (digit = static_cast<unsigned char>(*p) - unsigned{'0'}) < 10; ++p)
    v = v * 10 + digit;
  if (p - start > kShortIntDigits || *p == '.' || (*p | 0x20) == 'e') {
    if (*p == '.') {
      if (const char* end = lexShortFraction(start, p, v, t)) return end;
    }
    return lexDecimal(start, t);
  }
  t.kind = Tok::Int;
  t.i = static_cast<int64_t>(v);
  return p;
}

// digits.digits without an exponent, of at most 19 digits whose value fits 53 bits, nearly every
// Double of a script: that value over an exact power of ten is rounded once, to the Double
// nearest the literal, which from_chars gives too. v holds the digits before the point, at p;
// null for any other literal.
inline const char* Lexer::lexShortFraction(const char* start, const char* p, uint64_t v, Token& t) {
  const char* q = p + 1;
  for (unsigned digit; (digit = static_cast<unsigned char>(*q) - unsigned{'0'}) < 10; ++q)
    v = v * 10 + digit;
  if (q == p + 1 || q - start - 1 > kShortDecimalDigits || v > kMaxExactMantissa ||
      (*q | 0x20) == 'e')
    return nullptr;
  t.kind = Tok::Dbl;
  t.d = static_cast<double>(v) / kExactTens[q - p - 1];
  return q;
}

// Decimal literal: digits [. digits] [e [+-] digits]. Integer unless it has a point or an
// exponent or does not fit 64 bits; a Double that overflows is infinity.
const char* Lexer::lexDecimal(const char* p, Token& t) {
  const char* start = p;
  bool isDouble = false;
  while (is(*p, kDigit)) ++p;
  if (*p == '.' && is(p[1], kDigit)) {
    isDouble = true;
    ++p;
    while (is(*p, kDigit)) ++p;
  } else if (*p == '.' && !is(p[1], kNameStart)) {
    isDouble = true;  // "5." is a Double
    ++p;
  }
  if (*p == 'e' || *p == 'E') {
    const char* e = p + 1;
    if (*e == '+' || *e == '-') ++e;
    if (is(*e, kDigit)) {
      isDouble = true;
      p = e;
      while (is(*p, kDigit)) ++p;
    }
  }
  if (!isDouble) {
    uint64_t v = 0;
    auto [last, ec] = std::from_chars(start, p, v);
    if (ec == std::errc() && v <= static_cast<uint64_t>(INT64_MAX)) {
      t.kind = Tok::Int;
      t.i = static_cast<int64_t>(v);
      return p;
    }
  }
  t.kind = Tok::Dbl;
  double d = 0;
  auto [last, ec] = std::from_chars(start, p, d);
  if (ec == std::errc::result_out_of_range) {
    // Overflow reads as infinity, underflow as zero.
    std::string_view text(start, static_cast<size_t>(p - start));
    size_t e = text.find_first_of("eE");
    bool negExp = e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-';
    d = negExp ? 0.0 : HUGE_VAL;
  }
  t.d = d;
  return p;
}

// &h, &o and &b literals: Integer, bit for bit (so &hFFFFFFFFFFFFFFFF is -1).
const char* Lexer::lexRadix(const char* p, Token& t, int radix) {
  p += 2;
  uint64_t v = 0;
  bool any = false;
  bool overflow = false;
  while (digitValue(static_cast<unsigned char>(*p)) < radix) {
    uint64_t d = static_cast<uint64_t>(digitValue(static_cast<unsigned char>(*p)));
    if (v > (UINT64_MAX - d) / static_cast<uint64_t>(radix)) overflow = true;
    v = v * static_cast<uint64_t>(radix) + d;
    any = true;
    ++p;
  }
  if (!any) {
    error(t, "A number literal needs digits");
  } else if (overflow) {
    error(t, "The number literal does not fit in 64 bits");
  } else {
    t.kind = Tok::Int;
    t.i = static_cast<int64_t>(v);
  }
  return p;
}

// "..." with "" for one quote; the string ends on its line. Strings without a doubled quote,
// nearly all, go into the string table straight from the source.
inline const char* Lexer::lexString(const char* p, Token& t) {
  const char* start = p + 1;
  const char* stop = start;
  while (!is(*stop, kStringStop)) ++stop;
  if (*stop != '"' || stop[1] == '"') return lexEscapedString(p, t);
  t.kind = Tok::Str;
  t.id = static_cast<uint32_t>(strings_.size());
  strings_.emplace_back(start, stop);
  return stop + 1;
}

const char* Lexer::lexEscapedString(const char* p, Token& t) {
  ++p;
  std::string value;
  while (true) {
    // The run up to the next quote or line end goes in at once.
    const char* stop = p;
    while (stop != end_ && *stop != '"' && *stop != '\n') ++stop;
    value.append(p, stop);
    p = stop;
    if (p == end_ || *p == '\n') {
      error(t, "The string has no closing quote");
      return p;
    }
    ++p;  // the quote
    if (*p != '"') break;
    value += '"';
    ++p;
  }
  t.kind = Tok::Str;
  t.id = static_cast<uint32_t>(strings_.size());
  strings_.push_back(std::move(value));
  return p;
}

// Operators, &h, &o and &b literals, and characters that start no token.
[[gnu::always_inline]] inline const char* Lexer::lexOther(const char* p, Token& t) {
  const char c = *p;
  const char n = p[1];
  switch (c) {
    case '+':
      t.kind = Tok::Plus;
      break;
    case '-':
      t.kind = Tok::Minus;
      break;
    case '*':
      t.kind = Tok::Star;
      break;
    case '/':
      t.kind = Tok::Slash;
      break;
    case '\\':
      t.kind = Tok::Backslash;
      break;
    case '^':
      t.kind = Tok::Caret;
      break;
    case '=':
      t.kind = Tok::Eq;
      break;
    case '(':
      t.kind = Tok::LParen;
      break;
    case ')':
      t.kind = Tok::RParen;
      break;
    case ',':
      t.kind = Tok::Comma;
      break;
    case '.':
      t.kind = Tok::Dot;
      break;
    case '<':
      if (n == '>' || n == '=') {
        t.kind = n == '>' ? Tok::Ne : Tok::Le;
        return p + 2;
      }
      t.kind = Tok::Lt;
      break;
    case '>':
      if (n == '=') {
        t.kind = Tok::Ge;
        return p + 2;
      }
      t.kind = Tok::Gt;
      break;
    case '&':
      if ((n | 0x20) == 'h') return lexRadix(p, t, 16);
      if ((n | 0x20) == 'o') return lexRadix(p, t, 8);
      if ((n | 0x20) == 'b') return lexRadix(p, t, 2);
      [[fallthrough]];
    default:
      error(t, std::string("Unexpected character '") + c + "'");
  }
  return p + 1;
}

const char* SymbolTokenText(Tok t) {
  switch (t) {
    case Tok::Plus:
      return "+";
    case Tok::Minus:
      return "-";
    case Tok::Star:
      return "*";
    case Tok::Slash:
      return "/";
    case Tok::Backslash:
      return "\\";
    case Tok::Caret:
      return "^";
    case Tok::Eq:
      return "=";
    case Tok::Ne:
      return "<>";
    case Tok::Lt:
      return "<";
    case Tok::Gt:
      return ">";
    case Tok::Le:
      return "<=";
    case Tok::Ge:
      return ">=";
    case Tok::LParen:
      return "(";
    case Tok::RParen:
      return ")";
    case Tok::Comma:
      return ",";
    case Tok::Dot:
      return ".";
    default:
      return nullptr;
  }
}

}  // namespace vorline::script
