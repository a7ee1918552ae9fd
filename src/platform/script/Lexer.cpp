#include "platform/script/Lexer.h"

#include <array>
#include <charconv>
#include <cmath>

#include "platform/text/TextOps.h"

namespace vorline::script {

namespace {

constexpr bool isNameStart(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
}

constexpr bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Each byte as a name holds it after ASCII lower-casing, 0 for a byte that ends a name.
constexpr auto kNameFold = [] {
  std::array<unsigned char, 256> fold{};
  for (int c = 0; c < 256; ++c) {
    auto u = static_cast<unsigned char>(c);
    if (isNameStart(u) || isDigit(u))
      fold[u] = u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + 32) : u;
  }
  return fold;
}();

int digitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

constexpr const char* kReservedWords[] = {
#define VORLINE_KW_TEXT(name, text) text,
    VORLINE_SCRIPT_KEYWORDS(VORLINE_KW_TEXT) VORLINE_SCRIPT_CONTEXT_WORDS(VORLINE_KW_TEXT)
#undef VORLINE_KW_TEXT
};

}  // namespace

std::string lowerName(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x80) return Lowercase(name);
    if (u >= 'A' && u <= 'Z') c = static_cast<char>(u + 32);
  }
  return out;
}

SymbolTable::SymbolTable() : slots_(128, 0) {
  for (const char* w : kReservedWords) intern(w, w);
}

Sym SymbolTable::intern(std::string_view lower, std::string_view spelling) {
  return intern(lower, hashName(lower), spelling);
}

Sym SymbolTable::intern(std::string_view lower, uint32_t hash, std::string_view spelling) {
  const size_t mask = slots_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    uint32_t slot = slots_[i];
    if (slot == 0) break;
    Sym s = slot - 1;
    if (hashes_[s] == hash && names_[s] == lower) return s;
  }
  Sym id = static_cast<Sym>(names_.size());
  names_.emplace_back(lower);
  spellings_.emplace_back(spelling);
  hashes_.push_back(hash);
  if (names_.size() * 2 > slots_.size()) {
    grow();
  } else {
    size_t i = hash & mask;
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = id + 1;
  }
  return id;
}

// Doubles the slots and places every id again; the table stays at most half full.
void SymbolTable::grow() {
  slots_.assign(slots_.size() * 2, 0);
  const size_t mask = slots_.size() - 1;
  for (Sym s = 0; s < names_.size(); ++s) {
    size_t i = hashes_[s] & mask;
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = s + 1;
  }
}

// Short ASCII names, nearly all of them, are lower-cased on the stack while hashing.
Sym SymbolTable::intern(std::string_view name) {
  constexpr size_t kShort = 64;
  if (name.size() > kShort) return intern(lowerName(name), name);
  char lower[kShort];
  uint32_t h = 2166136261u;
  for (size_t i = 0; i < name.size(); ++i) {
    unsigned char u = static_cast<unsigned char>(name[i]);
    if (u >= 0x80) return intern(lowerName(name), name);
    u = u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + 32) : u;
    lower[i] = static_cast<char>(u);
    h = (h ^ u) * 16777619u;
  }
  return intern(std::string_view(lower, name.size()), h, name);
}

Lexer::Lexer(std::string_view source, SymbolTable& symbols, std::vector<std::string>& strings)
    : src_(source), symbols_(symbols), strings_(strings) {}

std::vector<Token> Lexer::tokenize() {
  std::vector<Token> out;
  out.reserve(src_.size() / 3 + 16);
  while (pos_ < src_.size()) lexOne(out);
  Token t;
  t.kind = Tok::Newline;
  t.line = line_;
  out.push_back(t);
  t.kind = Tok::Eof;
  out.push_back(t);
  return out;
}

// Blanks, tabs, carriage returns and comments up to (not including) the line's end.
void Lexer::skipBlanksAndComments() {
  while (pos_ < src_.size()) {
    char c = src_[pos_];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++pos_;
    } else if (c == '\'' || (c == '/' && pos_ + 1 < src_.size() && src_[pos_ + 1] == '/')) {
      while (pos_ < src_.size() && src_[pos_] != '\n') ++pos_;
    } else {
      return;
    }
  }
}

void Lexer::lexOne(std::vector<Token>& out) {
  skipBlanksAndComments();
  if (pos_ >= src_.size()) return;
  Token t;
  t.line = line_;
  unsigned char c = static_cast<unsigned char>(src_[pos_]);
  if (c == '\n') {
    t.kind = Tok::Newline;
    ++pos_;
    ++line_;
    // Consecutive empty lines need one Newline token only.
    if (out.empty() || out.back().kind != Tok::Newline) out.push_back(t);
    return;
  }
  if (isDigit(c) || (c == '.' && pos_ + 1 < src_.size() && isDigit(src_[pos_ + 1]))) {
    lexNumber(t);
  } else if (c == '&' && pos_ + 1 < src_.size()) {
    char r = static_cast<char>(src_[pos_ + 1] | 0x20);
    if (r == 'h')
      lexRadix(t, 16);
    else if (r == 'o')
      lexRadix(t, 8);
    else if (r == 'b')
      lexRadix(t, 2);
    else {
      ++pos_;
      error(t, "Unexpected character '&'");
    }
  } else if (c == '"') {
    lexString(t);
  } else if (isNameStart(c)) {
    lexName(t);
  } else if (!lexOperator(t)) {
    ++pos_;
    error(t, std::string("Unexpected character '") + static_cast<char>(c) + "'");
  }
  out.push_back(t);
}

void Lexer::error(Token& t, std::string message) {
  t.kind = Tok::Error;
  t.id = static_cast<uint32_t>(strings_.size());
  strings_.push_back(std::move(message));
}

// Decimal literal: digits [. digits] [e [+-] digits]. Integer unless it has a point or an
// exponent or does not fit 64 bits; a Double that overflows is infinity.
void Lexer::lexNumber(Token& t) {
  size_t start = pos_;
  bool isDouble = false;
  while (pos_ < src_.size() && isDigit(src_[pos_])) ++pos_;
  if (pos_ < src_.size() && src_[pos_] == '.' && pos_ + 1 < src_.size() &&
      isDigit(src_[pos_ + 1])) {
    isDouble = true;
    ++pos_;
    while (pos_ < src_.size() && isDigit(src_[pos_])) ++pos_;
  } else if (pos_ < src_.size() && src_[pos_] == '.' &&
             (pos_ + 1 >= src_.size() || !isNameStart(src_[pos_ + 1]))) {
    isDouble = true;  // "5." is a Double
    ++pos_;
  }
  if (pos_ < src_.size() && (src_[pos_] == 'e' || src_[pos_] == 'E')) {
    size_t e = pos_ + 1;
    if (e < src_.size() && (src_[e] == '+' || src_[e] == '-')) ++e;
    if (e < src_.size() && isDigit(src_[e])) {
      isDouble = true;
      pos_ = e;
      while (pos_ < src_.size() && isDigit(src_[pos_])) ++pos_;
    }
  }
  std::string_view text = src_.substr(start, pos_ - start);
  if (!isDouble) {
    uint64_t v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc() && v <= static_cast<uint64_t>(INT64_MAX)) {
      t.kind = Tok::Int;
      t.i = static_cast<int64_t>(v);
      return;
    }
  }
  t.kind = Tok::Dbl;
  double d = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
  if (ec == std::errc::result_out_of_range) {
    // Overflow reads as infinity, underflow as zero.
    size_t e = text.find_first_of("eE");
    bool negExp = e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-';
    d = negExp ? 0.0 : HUGE_VAL;
  }
  t.d = d;
}

// &h, &o and &b literals: Integer, bit for bit (so &hFFFFFFFFFFFFFFFF is -1).
void Lexer::lexRadix(Token& t, int radix) {
  pos_ += 2;
  uint64_t v = 0;
  bool any = false;
  bool overflow = false;
  while (pos_ < src_.size() && digitValue(src_[pos_]) < radix) {
    uint64_t d = static_cast<uint64_t>(digitValue(src_[pos_]));
    if (v > (UINT64_MAX - d) / static_cast<uint64_t>(radix)) overflow = true;
    v = v * static_cast<uint64_t>(radix) + d;
    any = true;
    ++pos_;
  }
  if (!any) return error(t, "A number literal needs digits");
  if (overflow) return error(t, "The number literal does not fit in 64 bits");
  t.kind = Tok::Int;
  t.i = static_cast<int64_t>(v);
}

// "..." with "" for one quote; the string ends on its line.
void Lexer::lexString(Token& t) {
  ++pos_;
  std::string value;
  while (true) {
    // The run up to the next quote or line end goes in at once.
    size_t stop = pos_;
    while (stop < src_.size() && src_[stop] != '"' && src_[stop] != '\n') ++stop;
    value.append(src_, pos_, stop - pos_);
    pos_ = stop;
    if (pos_ >= src_.size() || src_[pos_] == '\n')
      return error(t, "The string has no closing quote");
    ++pos_;  // the quote
    if (pos_ < src_.size() && src_[pos_] == '"') {
      value += '"';
      ++pos_;
      continue;
    }
    break;
  }
  t.kind = Tok::Str;
  t.id = static_cast<uint32_t>(strings_.size());
  strings_.push_back(std::move(value));
}

// ASCII names, nearly all of them, are lower-cased and hashed on the stack as they are read.
void Lexer::lexName(Token& t) {
  constexpr size_t kShort = 64;
  const size_t start = pos_;
  const char* const src = src_.data();
  const size_t end = src_.size();
  char lower[kShort];
  uint32_t h = 2166136261u;
  unsigned char bits = 0;  // every byte or-ed: 0x80 set when the name is not ASCII
  size_t i = start;
  for (; i < end; ++i) {
    unsigned char u = kNameFold[static_cast<unsigned char>(src[i])];
    if (u == 0) break;
    bits |= u;
    if (i - start < kShort) lower[i - start] = static_cast<char>(u);
    h = (h ^ u) * 16777619u;
  }
  pos_ = i;
  const size_t n = i - start;
  std::string_view text = src_.substr(start, n);
  Sym id = (bits & 0x80) == 0 && n <= kShort ? symbols_.intern(std::string_view(lower, n), h, text)
                                             : symbols_.intern(text);
  if (id < kSymFirstContextWord) {
    t.kind = static_cast<Tok>(static_cast<int>(Tok::KwAnd) + static_cast<int>(id));
  } else {
    t.kind = Tok::Ident;
  }
  t.id = id;
}

bool Lexer::lexOperator(Token& t) {
  char c = src_[pos_];
  char n = pos_ + 1 < src_.size() ? src_[pos_ + 1] : '\0';
  int len = 1;
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
      if (n == '>') {
        t.kind = Tok::Ne;
        len = 2;
      } else if (n == '=') {
        t.kind = Tok::Le;
        len = 2;
      } else
        t.kind = Tok::Lt;
      break;
    case '>':
      if (n == '=') {
        t.kind = Tok::Ge;
        len = 2;
      } else
        t.kind = Tok::Gt;
      break;
    default:
      return false;
  }
  pos_ += static_cast<size_t>(len);
  return true;
}

}  // namespace vorline::script
