// The parser: tokens to syntax nodes. Statements are line-oriented; expressions are read by
// precedence climbing over a table of binding powers. The first syntax error ends the parse.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/script/Ast.h"
#include "platform/script/CompileError.h"
#include "platform/script/SymbolMap.h"

namespace vorline::script {

class Parser {
 public:
  Parser(const std::vector<Token>& tokens, Script& script);
  // Parses the whole token array into the script; returns the first error, if any.
  std::optional<CompileError> parse();

 private:
  struct Failure {};
  // What a name stands for where a type is expected.
  enum class TypeWordKind : uint8_t { Unseen, Other, New, Type };
  struct TypeWord {
    TypeWordKind kind = TypeWordKind::Unseen;
    BaseType base = BaseType::Void;
  };

  // statements
  void parseTopLevel();
  FuncDecl* parseFunction();
  Block parseBlock(int openLine, const char* what, bool (Parser::*isEnd)() const);
  Stmt* parseStatement(bool inlineOnly);
  Stmt* parseDim(bool isConst);
  bool parseDimGroup(std::vector<DimItem>& items, bool isConst);
  Stmt* parseIf();
  Stmt* parseInlineIf(IfStmt* s);
  Stmt* parseFor();
  Stmt* parseForEach(int line);
  Stmt* parseWhile();
  Stmt* parseDo();
  Stmt* parseSelect();
  bool parseCaseArm(std::vector<CaseArm>& arms, SelectStmt* s);
  Stmt* parseReturn();
  Stmt* parseJump(StmtKind kind);
  Stmt* parsePrint();
  Stmt* parseRedim();
  Stmt* parseCallOrAssign();
  Stmt* makeAssign(Expr* target, int line);
  Stmt* makeCall(Expr* call, int line);
  void expectEndOfStatement();
  bool atEndOfStatement() const;
  Type parseType(bool allowArraySuffix);
  TypeWord typeWord(Sym s);
  List<Expr*> parseBounds();

  // block ends
  bool atEndIf() const;
  bool atNext() const;
  bool atWend() const;
  bool atLoop() const;
  bool atCaseOrEndSelect() const;
  bool atEndFunction() const;

  // expressions
  Expr* parseExpr(int minPrec = 0);
  Expr* parsePrefix();
  Expr* literal(Expr* e);
  Expr* parseName();
  Expr* parseGroup();
  Expr* parseUnary();
  Expr* parseNot();
  Expr* parseBinary(Expr* left);
  Expr* parsePostfix(Expr* head);
  List<Expr*> parseArgs();  // after "(", up to and including ")"
  List<Expr*> parseCommandArgs();
  Expr* finish(Expr* e, int line);

  // tokens
  const Token& cur() const { return *cur_; }
  const Token& peek(size_t n = 1) const;
  void advance() {
    if (cur_ != last_) ++cur_;
  }
  bool accept(Tok k);
  void expect(Tok k, const char* what);
  bool atWord(Sym s) const { return cur().kind == Tok::Ident && cur().id == s; }
  Sym expectName(const char* what);
  std::string describe(const Token& t) const;
  [[noreturn]] void fail(int code, int line, std::string message);
  // Out of line, so that the checks that may fail build no message where they pass.
  [[noreturn]] void fail(int code, int line, const char* message);
  [[noreturn]] void unexpected(const char* expected = nullptr);

  const std::vector<Token>& tokens_;
  // The current token and the last, Eof, at which the parse stays; pointers, since every step
  // reads them.
  const Token* cur_;
  const Token* last_;
  Script& script_;
  Arena& arena_;
  int blockDepth_ = 0;
  int exprDepth_ = 0;
  // Scratch stacks for the lists being read (arguments and blocks nest), so that reading one
  // allocates nothing once they have grown.
  std::vector<Expr*> argStack_;
  std::vector<DimItem> dimStack_;
  std::vector<Stmt*> stmtStack_;
  std::vector<IfArm> armStack_;
  std::vector<Param> paramStack_;
  // Names met where a type is expected, looked up by their spelling once each.
  SymbolMap<TypeWord> typeWords_;
  std::optional<CompileError> error_;
};

}  // namespace vorline::script
