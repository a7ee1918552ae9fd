// The lexer: source text to a token array, every token with its line. Names are interned
// lower-cased, since case never counts in the language.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorline::script {

// Reserved words, in the order of their symbol ids (0 ..).
// clang-format off
#define VORLINE_SCRIPT_KEYWORDS(X)                                                            \
  X(And, "and") X(As, "as") X(Case, "case") X(Const, "const") X(Continue, "continue")         \
  X(Dim, "dim") X(Do, "do") X(Each, "each") X(Else, "else") X(ElseIf, "elseif")               \
  X(End, "end") X(Exit, "exit") X(False, "false") X(For, "for") X(Function, "function")       \
  X(If, "if") X(Loop, "loop") X(Mod, "mod") X(Next, "next") X(Nil, "nil") X(Not, "not")       \
  X(Or, "or") X(Print, "print") X(Redim, "redim") X(Return, "return") X(Select, "select")     \
  X(Sub, "sub") X(Then, "then") X(True, "true") X(Var, "var") X(Wend, "wend")                 \
  X(While, "while") X(Xor, "xor")
// clang-format on

// Words that are keywords only where the grammar expects them; their symbol ids follow the
// reserved words.
#define VORLINE_SCRIPT_CONTEXT_WORDS(X) \
  X(To, "to") X(Step, "step") X(Downto, "downto") X(In, "in") X(Is, "is") X(Until, "until")

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

using Sym = uint32_t;

enum : Sym {
#define VORLINE_SYM_KW(name, text) kSym##name,
  VORLINE_SCRIPT_KEYWORDS(VORLINE_SYM_KW) VORLINE_SCRIPT_CONTEXT_WORDS(VORLINE_SYM_KW)
#undef VORLINE_SYM_KW
      kSymFirstFree
};
inline constexpr Sym kSymFirstContextWord = kSymTo;

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

// Interned lower-case names; the first spelling seen of each is kept for messages.
class SymbolTable {
 public:
  SymbolTable();
  Sym intern(std::string_view lowerName, std::string_view spelling);
  Sym intern(std::string_view name);  // lower-cases first
  // A lower-case name whose hashName is known.
  Sym intern(std::string_view lowerName, uint32_t hash, std::string_view spelling);
  const std::string& spelling(Sym s) const { return spellings_[s]; }
  const std::string& lower(Sym s) const { return names_[s]; }
  bool isReserved(Sym s) const { return s < kSymFirstContextWord; }
  // FNV-1a: names are short.
  static uint32_t hashName(std::string_view s) {
    uint32_t h = 2166136261u;
    for (char c : s) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
  }

 private:
  void grow();

  // Open addressing over the symbol ids (id + 1; 0 is a free slot), so that finding a name
  // allocates nothing and walks no bucket list.
  std::vector<uint32_t> slots_;
  std::vector<uint32_t> hashes_;
  std::vector<std::string> names_;
  std::vector<std::string> spellings_;
};

// Lower-cases a name as the language compares names (ASCII fast path, Unicode otherwise).
std::string lowerName(std::string_view name);

class Lexer {
 public:
  Lexer(std::string_view source, SymbolTable& symbols, std::vector<std::string>& strings);
  // The whole source as tokens, ending with Newline and Eof.
  std::vector<Token> tokenize();

 private:
  void lexOne(std::vector<Token>& out);
  void lexNumber(Token& t);
  void lexRadix(Token& t, int radix);
  void lexString(Token& t);
  void lexName(Token& t);
  bool lexOperator(Token& t);
  void error(Token& t, std::string message);
  void skipBlanksAndComments();

  std::string_view src_;
  size_t pos_ = 0;
  int32_t line_ = 1;
  SymbolTable& symbols_;
  std::vector<std::string>& strings_;
};

}  // namespace vorline::script
