// The lexer: source text to a token array, every token with its line. Names are interned in
// the symbol table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/script/SymbolTable.h"

namespace vorline::script {

enum class Tok : uint8_t {
  Eof,
  Newline,
  Ident,
  Int,
  Dbl,
  Str,
  Error,  // a lexical error; id indexes the message in the string table
  Plus,
  Minus,
  Star,
  Slash,
  Backslash,
  Caret,
  Eq,
  Ne,
  Lt,
  Gt,
  Le,
  Ge,
  LParen,
  RParen,
  Comma,
  Dot,
#define VORLINE_TOK_KW(name, text) Kw##name,
  VORLINE_SCRIPT_KEYWORDS(VORLINE_TOK_KW)
#undef VORLINE_TOK_KW
      Count,
};

// The text of an operator or punctuation token ("+", "<>", "(" ...), null for any other token.
const char* SymbolTokenText(Tok t);

struct Token {
  Tok kind = Tok::Eof;
  int32_t line = 0;
  union {
    int64_t i;
    double d;
    uint32_t id;  // Ident: symbol; Str and Error: index into the string table
  };
  Token() : i(0) {}
};

class Lexer {
 public:
  Lexer(std::string_view source, SymbolTable& symbols, std::vector<std::string>& strings);
  // The whole source as tokens, ending with Newline and Eof.
  std::vector<Token> tokenize();

 private:
  // Each lexes the token that starts at p into t and returns where the token ends.
  const char* lexName(const char* p, Token& t);
  const char* lexWideName(const char* p, Token& t);
  const char* lexNumber(const char* p, Token& t);
  const char* lexShortFraction(const char* start, const char* p, uint64_t v, Token& t);
  const char* lexDecimal(const char* p, Token& t);
  const char* lexRadix(const char* p, Token& t, int radix);
  const char* lexString(const char* p, Token& t);
  const char* lexEscapedString(const char* p, Token& t);
  const char* lexOther(const char* p, Token& t);
  void lexSpan(const char* p, const char* end, std::vector<Token>& out);
  const char* skipComment(const char* p) const;
  static void nameToken(Token& t, Sym id);
  void error(Token& t, std::string message);

  // Scans need no bounds check per byte, and a name may be read a word at a time: the source is
  // lexed where it is up to a line end some bytes before its end, at which every scan stops; the
  // rest is lexed from text_, a copy followed by zero bytes, at which every scan stops too (and
  // then asks whether it is the end).
  std::string_view source_;
  std::string text_;
  const char* end_ = nullptr;  // of the span being lexed
  int32_t line_ = 1;
  SymbolTable& symbols_;
  std::vector<std::string>& strings_;
};

}  // namespace vorline::script
