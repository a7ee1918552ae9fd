#include "platform/script/Parser.h"

#include <algorithm>
#include <array>

#include "platform/script/Limits.h"

namespace vorline::script {

namespace {

// Binding powers, lowest first.
enum Prec : int {
  kPrecNone = 0,
  kPrecOr = 1,
  kPrecAnd = 2,
  kPrecNot = 3,
  kPrecCompare = 4,
  kPrecAdd = 5,
  kPrecMul = 6,
  kPrecUnary = 7,
  kPrecPow = 8,
};

// Each token's binding power as an infix operator; kPrecNone for the others.
using PrecTable = std::array<int, static_cast<size_t>(Tok::Count)>;

constexpr PrecTable makeInfixPrec() {
  PrecTable p{};
  auto set = [&p](Tok t, int prec) { p[static_cast<size_t>(t)] = prec; };
  set(Tok::Minus, kPrecAdd);
  set(Tok::Plus, kPrecAdd);
  set(Tok::KwOr, kPrecOr);
  set(Tok::KwXor, kPrecOr);
  set(Tok::KwAnd, kPrecAnd);
  for (Tok t : {Tok::Eq, Tok::Ne, Tok::Lt, Tok::Gt, Tok::Le, Tok::Ge}) set(t, kPrecCompare);
  for (Tok t : {Tok::Star, Tok::Slash, Tok::Backslash, Tok::KwMod}) set(t, kPrecMul);
  set(Tok::Caret, kPrecPow);
  return p;
}

constexpr PrecTable kInfixPrec = makeInfixPrec();

int infixPrec(Tok t) { return kInfixPrec[static_cast<size_t>(t)]; }

const char* tokenText(Tok t) {
  if (t == Tok::Eof) return "the end of the script";
  if (t == Tok::Newline) return "the end of the line";
  return SymbolTokenText(t);
}

}  // namespace

Parser::Parser(const std::vector<Token>& tokens, Script& script)
    : tokens_(tokens),
      cur_(tokens.data()),
      last_(tokens.data() + tokens.size() - 1),
      script_(script),
      arena_(script.arena) {}

std::optional<CompileError> Parser::parse() {
  try {
    parseTopLevel();
  } catch (const Failure&) {
  }
  return error_;
}

const Token& Parser::peek(size_t n) const {
  return n <= static_cast<size_t>(last_ - cur_) ? cur_[n] : *last_;
}

bool Parser::accept(Tok k) {
  if (cur().kind != k) return false;
  advance();
  return true;
}

void Parser::expect(Tok k, const char* what) {
  if (!accept(k)) unexpected(what);
}

Sym Parser::expectName(const char* what) {
  if (cur().kind != Tok::Ident) unexpected(what);
  Sym s = cur().id;
  advance();
  return s;
}

std::string Parser::describe(const Token& t) const {
  if (const char* text = tokenText(t.kind)) return text;
  switch (t.kind) {
    case Tok::Int:
      return "the number " + std::to_string(t.i);
    case Tok::Dbl:
      return "a number";
    case Tok::Str:
      return "a string";
    default:
      return "'" + script_.symbols.spelling(t.id) + "'";
  }
}

void Parser::fail(int code, int line, std::string message) {
  if (!error_) error_ = CompileError{code, line, std::move(message)};
  throw Failure{};
}

void Parser::fail(int code, int line, const char* message) {
  fail(code, line, std::string(message));
}

void Parser::unexpected(const char* expected) {
  const Token& t = cur();
  if (t.kind == Tok::Error) fail(kErrSyntax, t.line, script_.strings[t.id]);
  std::string msg = "Syntax error: unexpected " + describe(t);
  if (expected) msg += std::string(", expected ") + expected;
  fail(kErrSyntax, t.line, msg);
}

// ---------------------------------------------------------------- statements

void Parser::parseTopLevel() {
  std::vector<Stmt*>& main = script_.mainStatements;
  // Every statement ends with a line end: room for as many as there can be, never regrown.
  main.reserve(tokens_.size() / 2);
  while (cur().kind != Tok::Eof) {
    if (accept(Tok::Newline)) continue;
    if (cur().kind == Tok::KwFunction || cur().kind == Tok::KwSub) {
      parseFunction();
      continue;
    }
    if (Stmt* s = parseStatement(false)) main.push_back(s);
    expectEndOfStatement();
  }
  script_.main.items = main.data();
  script_.main.count = static_cast<uint32_t>(main.size());
}

// function name[(params)] as T ... end function; sub name[(params)] ... end sub
FuncDecl* Parser::parseFunction() {
  auto* f = arena_.make<FuncDecl>();
  f->line = cur().line;
  f->isSub = cur().kind == Tok::KwSub;
  advance();
  f->name = expectName("a function name");
  std::vector<Param>& params = paramStack_;  // functions do not nest: no base to keep
  params.clear();
  if (accept(Tok::LParen) && !accept(Tok::RParen)) {
    do {
      Param p;
      p.line = cur().line;
      p.name = expectName("a parameter name");
      bool array = cur().kind == Tok::LParen && peek().kind == Tok::RParen;
      if (array) {
        advance();
        advance();
      }
      expect(Tok::KwAs, "'as' and the parameter's type");
      p.type = parseType(true);
      if (array) p.type.dims = std::max<uint8_t>(p.type.dims, 1);
      params.push_back(p);
      if (params.size() > static_cast<size_t>(kMaxArguments))
        fail(kErrTooLarge, p.line, "Too many parameters");
    } while (accept(Tok::Comma));
    expect(Tok::RParen, "')'");
  }
  f->params = toList(arena_, params);
  if (!f->isSub) {
    expect(Tok::KwAs, "'as' and the function's result type");
    f->result = parseType(true);
  }
  expectEndOfStatement();
  f->body = parseBlock(f->line, f->isSub ? "end sub" : "end function", &Parser::atEndFunction);
  advance();  // end
  if (cur().kind != (f->isSub ? Tok::KwSub : Tok::KwFunction))
    unexpected(f->isSub ? "'end sub'" : "'end function'");
  advance();
  expectEndOfStatement();
  script_.functions.push_back(f);
  return f;
}

// Statements up to a line for which isEnd answers true (not consumed).
Block Parser::parseBlock(int openLine, const char* what, bool (Parser::*isEnd)() const) {
  if (++blockDepth_ > kMaxBlockDepth) fail(kErrTooDeep, cur().line, "Blocks are nested too deeply");
  const size_t base = stmtStack_.size();
  while (true) {
    if (accept(Tok::Newline)) continue;
    if (cur().kind == Tok::Eof)
      fail(kErrSyntax, openLine, std::string("The block has no '") + what + "'");
    if ((this->*isEnd)()) break;
    if (cur().kind == Tok::KwFunction || cur().kind == Tok::KwSub) {
      fail(kErrSyntax, cur().line, "A function cannot stand inside another block");
    }
    if (Stmt* s = parseStatement(false)) stmtStack_.push_back(s);
    expectEndOfStatement();
  }
  --blockDepth_;
  return popList(arena_, stmtStack_, base);
}

bool Parser::atEndIf() const {
  Tok k = cur().kind;
  return k == Tok::KwElseIf || k == Tok::KwElse || (k == Tok::KwEnd && peek().kind == Tok::KwIf);
}
bool Parser::atNext() const { return cur().kind == Tok::KwNext; }
bool Parser::atWend() const {
  return cur().kind == Tok::KwWend || (cur().kind == Tok::KwEnd && peek().kind == Tok::KwWhile);
}
bool Parser::atLoop() const { return cur().kind == Tok::KwLoop; }
bool Parser::atCaseOrEndSelect() const {
  return cur().kind == Tok::KwCase || (cur().kind == Tok::KwEnd && peek().kind == Tok::KwSelect);
}
bool Parser::atEndFunction() const {
  return cur().kind == Tok::KwEnd && (peek().kind == Tok::KwFunction || peek().kind == Tok::KwSub);
}

bool Parser::atEndOfStatement() const {
  Tok k = cur().kind;
  return k == Tok::Newline || k == Tok::Eof || k == Tok::KwElse;
}

void Parser::expectEndOfStatement() {
  if (cur().kind == Tok::Newline) {
    advance();
    return;
  }
  if (cur().kind == Tok::Eof) return;
  unexpected();
}

// One statement, without its line end; nullptr for nothing. Inline statements (after a
// one-line "then") cannot open blocks.
Stmt* Parser::parseStatement(bool inlineOnly) {
  int line = cur().line;
  switch (cur().kind) {
    case Tok::KwDim:
    case Tok::KwVar:
      advance();
      return parseDim(false);
    case Tok::KwConst:
      advance();
      return parseDim(true);
    case Tok::KwIf:
      return parseIf();
    case Tok::KwReturn:
      return parseReturn();
    case Tok::KwExit:
      return parseJump(StmtKind::Exit);
    case Tok::KwContinue:
      return parseJump(StmtKind::Continue);
    case Tok::KwPrint:
      return parsePrint();
    case Tok::KwRedim:
      return parseRedim();
    case Tok::Ident:
      return parseCallOrAssign();
    case Tok::KwEnd: {
      advance();
      if (!atEndOfStatement()) unexpected();
      auto* s = arena_.make<JumpStmt>(StmtKind::End);
      s->line = line;
      return s;
    }
    case Tok::KwFor:
    case Tok::KwWhile:
    case Tok::KwDo:
    case Tok::KwSelect:
      if (inlineOnly)
        fail(kErrSyntax, line, "A block statement cannot follow 'then' on the same line");
      if (cur().kind == Tok::KwFor) return parseFor();
      if (cur().kind == Tok::KwWhile) return parseWhile();
      if (cur().kind == Tok::KwDo) return parseDo();
      return parseSelect();
    default:
      unexpected();
  }
}

// dim a, b(2) as T [= e] [, c as U ...]; const name [as T] = literal
Stmt* Parser::parseDim(bool isConst) {
  auto* s = arena_.make<DimStmt>();
  s->line = cur().line;
  s->isConst = isConst;
  const size_t base = dimStack_.size();
  while (parseDimGroup(dimStack_, isConst)) {
  }
  s->items = popList(arena_, dimStack_, base);
  return s;
}

// One group "names as T [= init]"; answers whether a comma follows with another group.
bool Parser::parseDimGroup(std::vector<DimItem>& items, bool isConst) {
  size_t first = items.size();
  while (true) {
    DimItem item;
    item.line = cur().line;
    item.name = expectName("a variable name");
    if (cur().kind == Tok::LParen) {
      if (isConst) unexpected("'='");
      item.hasBounds = true;
      item.bounds = parseBounds();
    }
    items.push_back(item);
    if (!accept(Tok::Comma)) break;
  }
  Type t(BaseType::Variant);
  bool typed = accept(Tok::KwAs);
  if (typed)
    t = parseType(false);
  else if (!isConst)
    unexpected("'as' and a type");
  Expr* init = nullptr;
  if (accept(Tok::Eq))
    init = parseExpr();
  else if (isConst)
    unexpected("'='");
  for (size_t i = first; i < items.size(); ++i) {
    DimItem& it = items[i];
    it.type = t;
    if (it.hasBounds) {
      if (it.bounds.count > static_cast<uint32_t>(kMaxDimensions))
        fail(kErrTooLarge, it.line, "Too many dimensions");
      it.type.dims = static_cast<uint8_t>(std::max<uint32_t>(1, it.bounds.count));
    }
    it.init = init;
    if (isConst && !typed) it.type = Type(BaseType::Void);  // from the value
  }
  if (cur().kind == Tok::Comma) {
    advance();
    return true;
  }
  return false;
}

// "(" [e {, e}] ")"; "()" gives an empty list.
List<Expr*> Parser::parseBounds() {
  expect(Tok::LParen, "'('");
  return parseArgs();
}

Type Parser::parseType(bool allowArraySuffix) {
  int line = cur().line;
  if (cur().kind == Tok::Ident && typeWord(cur().id).kind == TypeWordKind::New) advance();
  Sym s = expectName("a type name");
  TypeWord word = typeWord(s);
  if (word.kind != TypeWordKind::Type)
    fail(kErrUndefined, line, "There is no type named '" + script_.symbols.spelling(s) + "'");
  Type t(word.base);
  if (allowArraySuffix && cur().kind == Tok::LParen && peek().kind == Tok::RParen) {
    advance();
    advance();
    t.dims = 1;
  }
  return t;
}

Parser::TypeWord Parser::typeWord(Sym s) {
  static const std::pair<const char*, BaseType> kTypes[] = {
      {"integer", BaseType::Integer}, {"int64", BaseType::Int64},
      {"int32", BaseType::Int32},     {"int16", BaseType::Int16},
      {"int8", BaseType::Int8},       {"uint64", BaseType::UInt64},
      {"uint32", BaseType::UInt32},   {"uint16", BaseType::UInt16},
      {"uint8", BaseType::UInt8},     {"byte", BaseType::UInt8},
      {"double", BaseType::Double},   {"single", BaseType::Single},
      {"string", BaseType::String},   {"boolean", BaseType::Boolean},
      {"variant", BaseType::Variant}, {"folderitem", BaseType::Object},
      {"picture", BaseType::Object},  {"object", BaseType::Object},
  };
  TypeWord& word = typeWords_.at(s);
  if (word.kind != TypeWordKind::Unseen) return word;
  const std::string& n = script_.symbols.lower(s);
  word.kind = n == "new" ? TypeWordKind::New : TypeWordKind::Other;
  for (const auto& [name, base] : kTypes) {
    if (n == name) word = TypeWord{TypeWordKind::Type, base};
  }
  return word;
}

Stmt* Parser::parseIf() {
  auto* s = arena_.make<IfStmt>();
  s->line = cur().line;
  advance();
  IfArm arm;
  arm.cond = parseExpr();
  expect(Tok::KwThen, "'then'");
  if (cur().kind != Tok::Newline && cur().kind != Tok::Eof) {
    std::vector<IfArm> one{arm};
    s->arms = toList(arena_, one);
    return parseInlineIf(s);
  }
  const size_t base = armStack_.size();
  arm.body = parseBlock(s->line, "end if", &Parser::atEndIf);
  armStack_.push_back(arm);
  while (cur().kind == Tok::KwElseIf) {
    int line = cur().line;
    advance();
    IfArm more;
    more.cond = parseExpr();
    expect(Tok::KwThen, "'then'");
    expectEndOfStatement();
    more.body = parseBlock(line, "end if", &Parser::atEndIf);
    armStack_.push_back(more);
  }
  if (accept(Tok::KwElse)) {
    // "else if c then" on one line is an elseif.
    expectEndOfStatement();
    s->hasElse = true;
    s->elseBody = parseBlock(s->line, "end if", &Parser::atEndIf);
    if (cur().kind != Tok::KwEnd) unexpected("'end if'");
  }
  advance();  // end
  expect(Tok::KwIf, "'end if'");
  s->arms = popList(arena_, armStack_, base);
  return s;
}

// if c then stmt [else stmt], all on one line.
Stmt* Parser::parseInlineIf(IfStmt* s) {
  std::vector<Stmt*> body;
  if (Stmt* st = parseStatement(true)) body.push_back(st);
  s->arms[0].body = toList(arena_, body);
  if (accept(Tok::KwElse)) {
    std::vector<Stmt*> other;
    if (Stmt* st = parseStatement(true)) other.push_back(st);
    s->hasElse = true;
    s->elseBody = toList(arena_, other);
  }
  return s;
}

// for v [as T] = a to|downto b [step s] ... next [v]
Stmt* Parser::parseFor() {
  int line = cur().line;
  advance();
  if (cur().kind == Tok::KwEach) return parseForEach(line);
  auto* s = arena_.make<ForStmt>();
  s->line = line;
  s->varName = expectName("the loop variable");
  if (accept(Tok::KwAs)) s->declared = parseType(false);
  expect(Tok::Eq, "'='");
  s->start = parseExpr();
  if (atWord(kSymDownto))
    s->down = true;
  else if (!atWord(kSymTo))
    unexpected("'to'");
  advance();
  s->limit = parseExpr();
  if (atWord(kSymStep)) {
    advance();
    s->step = parseExpr();
  }
  expectEndOfStatement();
  s->body = parseBlock(line, "next", &Parser::atNext);
  advance();  // next
  if (cur().kind == Tok::Ident) advance();
  return s;
}

Stmt* Parser::parseForEach(int line) {
  advance();  // each
  auto* s = arena_.make<ForEachStmt>();
  s->line = line;
  s->varName = expectName("the loop variable");
  if (accept(Tok::KwAs)) s->declared = parseType(false);
  if (!atWord(kSymIn)) unexpected("'in'");
  advance();
  s->array = parseExpr();
  expectEndOfStatement();
  s->body = parseBlock(line, "next", &Parser::atNext);
  advance();  // next
  if (cur().kind == Tok::Ident) advance();
  return s;
}

Stmt* Parser::parseWhile() {
  auto* s = arena_.make<WhileStmt>();
  s->line = cur().line;
  advance();
  s->cond = parseExpr();
  expectEndOfStatement();
  s->body = parseBlock(s->line, "wend", &Parser::atWend);
  if (accept(Tok::KwEnd))
    expect(Tok::KwWhile, "'end while'");
  else
    advance();  // wend
  return s;
}

// do [until c] ... loop [until c]
Stmt* Parser::parseDo() {
  auto* s = arena_.make<DoStmt>();
  s->line = cur().line;
  advance();
  if (atWord(kSymUntil)) {
    advance();
    s->cond = parseExpr();
    s->condAtTop = true;
  }
  expectEndOfStatement();
  s->body = parseBlock(s->line, "loop", &Parser::atLoop);
  advance();  // loop
  if (atWord(kSymUntil)) {
    if (s->cond) unexpected();
    advance();
    s->cond = parseExpr();
  }
  return s;
}

// select case e / case v1, v2 / case is < v / case a to b / case else / end select
Stmt* Parser::parseSelect() {
  auto* s = arena_.make<SelectStmt>();
  s->line = cur().line;
  advance();
  expect(Tok::KwCase, "'case'");
  s->subject = parseExpr();
  expectEndOfStatement();
  std::vector<CaseArm> arms;
  while (true) {
    if (accept(Tok::Newline)) continue;
    if (cur().kind == Tok::Eof) fail(kErrSyntax, s->line, "The block has no 'end select'");
    if (cur().kind == Tok::KwEnd && peek().kind == Tok::KwSelect) break;
    if (!parseCaseArm(arms, s)) break;
  }
  advance();
  advance();  // end select
  s->arms = toList(arena_, arms);
  return s;
}

// One "case ..." line and its statements; false after "case else" (the select must end).
bool Parser::parseCaseArm(std::vector<CaseArm>& arms, SelectStmt* s) {
  if (cur().kind != Tok::KwCase) unexpected("'case'");
  int line = cur().line;
  advance();
  if (accept(Tok::KwElse)) {
    expectEndOfStatement();
    s->hasElse = true;
    s->elseBody = parseBlock(line, "end select", &Parser::atCaseOrEndSelect);
    if (cur().kind != Tok::KwEnd) unexpected("'end select'");
    return false;
  }
  std::vector<CaseItem> items;
  do {
    CaseItem item;
    if (atWord(kSymIs)) {
      advance();
      Tok op = cur().kind;
      if (op != Tok::Eq && op != Tok::Ne && op != Tok::Lt && op != Tok::Gt && op != Tok::Le &&
          op != Tok::Ge) {
        unexpected("a comparison");
      }
      advance();
      item.kind = CaseKind::Is;
      item.op = op;
      item.a = parseExpr();
    } else {
      item.a = parseExpr();
      if (atWord(kSymTo)) {
        advance();
        item.kind = CaseKind::Range;
        item.b = parseExpr();
      }
    }
    items.push_back(item);
  } while (accept(Tok::Comma));
  expectEndOfStatement();
  CaseArm arm;
  arm.line = line;
  arm.items = toList(arena_, items);
  arm.body = parseBlock(line, "end select", &Parser::atCaseOrEndSelect);
  arms.push_back(arm);
  return true;
}

Stmt* Parser::parseReturn() {
  auto* s = arena_.make<ReturnStmt>();
  s->line = cur().line;
  advance();
  if (!atEndOfStatement()) s->value = parseExpr();
  return s;
}

// exit [for|while|do|function|sub]; continue [for|while|do]
Stmt* Parser::parseJump(StmtKind kind) {
  auto* s = arena_.make<JumpStmt>(kind);
  s->line = cur().line;
  advance();
  switch (cur().kind) {
    case Tok::KwFor:
      s->word = LoopWord::For;
      break;
    case Tok::KwWhile:
      s->word = LoopWord::While;
      break;
    case Tok::KwDo:
      s->word = LoopWord::Do;
      break;
    case Tok::KwFunction:
      s->word = LoopWord::Function;
      break;
    case Tok::KwSub:
      s->word = LoopWord::Sub;
      break;
    default:
      return s;
  }
  if (kind == StmtKind::Continue && (s->word == LoopWord::Function || s->word == LoopWord::Sub))
    unexpected();
  advance();
  return s;
}

Stmt* Parser::parsePrint() {
  auto* s = arena_.make<PrintStmt>();
  s->line = cur().line;
  advance();
  if (!atEndOfStatement()) s->value = parseExpr();
  return s;
}

Stmt* Parser::parseRedim() {
  auto* s = arena_.make<RedimStmt>();
  s->line = cur().line;
  advance();
  s->name = expectName("an array name");
  s->bounds = parseBounds();
  if (s->bounds.empty()) fail(kErrSyntax, s->line, "Redim needs the new bounds");
  return s;
}

// name = e | name(i) = e | name | name args | name(args) | a.member [args]
Stmt* Parser::parseCallOrAssign() {
  int line = cur().line;
  const Token* start = cur_;
  Sym name = cur().id;
  advance();
  if (accept(Tok::Eq)) {
    auto* target = finish(arena_.make<NameExpr>(name), line);
    return makeAssign(target, line);
  }
  if (atEndOfStatement()) return makeCall(finish(arena_.make<NameExpr>(name), line), line);
  if (cur().kind == Tok::LParen || cur().kind == Tok::Dot) {
    Expr* e = parsePostfix(finish(arena_.make<NameExpr>(name), line));
    if (accept(Tok::Eq)) return makeAssign(e, line);
    if (atEndOfStatement()) return makeCall(e, line);
    if (e->kind == ExprKind::Member && static_cast<MemberExpr*>(e)->args.empty()) {
      static_cast<MemberExpr*>(e)->args = parseCommandArgs();
      return makeCall(e, line);
    }
    cur_ = start + 1;  // "f (a) + 1, b": a command call whose first argument has parentheses
  }
  auto* call = arena_.make<CallExpr>(name, parseCommandArgs());
  call->parens = false;
  return makeCall(finish(call, line), line);
}

Stmt* Parser::makeAssign(Expr* target, int line) {
  if (target->kind != ExprKind::Name && target->kind != ExprKind::Call) {
    fail(kErrSyntax, line, "Only a variable or an array element can be assigned");
  }
  auto* s = arena_.make<AssignStmt>();
  s->line = line;
  s->target = target;
  s->value = parseExpr();
  return s;
}

Stmt* Parser::makeCall(Expr* call, int line) {
  auto* s = arena_.make<CallStmt>();
  s->line = line;
  s->call = call;
  return s;
}

List<Expr*> Parser::parseCommandArgs() {
  const size_t base = argStack_.size();
  if (!atEndOfStatement()) {
    do {
      argStack_.push_back(parseExpr());
      if (argStack_.size() - base > static_cast<size_t>(kMaxArguments))
        fail(kErrTooLarge, cur().line, "Too many arguments");
    } while (accept(Tok::Comma));
  }
  return popList(arena_, argStack_, base);
}

// ---------------------------------------------------------------- expressions

Expr* Parser::finish(Expr* e, int line) {
  e->line = line;
  return e;
}

Expr* Parser::parseExpr(int minPrec) {
  if (++exprDepth_ > kMaxExprDepth)
    fail(kErrTooDeep, cur().line, "The expression is nested too deeply");
  Expr* left = parsePrefix();
  while (infixPrec(cur().kind) > minPrec) left = parseBinary(left);
  --exprDepth_;
  return left;
}

// The operand an expression starts with.
Expr* Parser::parsePrefix() {
  switch (cur().kind) {
    case Tok::Int:
      return literal(arena_.make<IntLit>(ExprKind::Int, cur().i));
    case Tok::Dbl:
      return literal(arena_.make<DblLit>(cur().d));
    case Tok::Str:
      return literal(arena_.make<StrLit>(cur().id));
    case Tok::KwTrue:
      return literal(arena_.make<IntLit>(ExprKind::Bool, 1));
    case Tok::KwFalse:
      return literal(arena_.make<IntLit>(ExprKind::Bool, 0));
    case Tok::KwNil:
      return literal(arena_.make<Expr>(ExprKind::Nil));
    case Tok::Ident:
      return parseName();
    case Tok::LParen:
      return parseGroup();
    case Tok::KwNot:
      return parseNot();
    case Tok::Minus:
    case Tok::Plus:
      return parseUnary();
    default:
      unexpected("an expression");
  }
}

// A literal of the current token, which it consumes.
Expr* Parser::literal(Expr* e) {
  finish(e, cur().line);
  advance();
  return e;
}

Expr* Parser::parseName() {
  int line = cur().line;
  Sym name = cur().id;
  advance();
  return parsePostfix(finish(arena_.make<NameExpr>(name), line));
}

// name(args) and .member [(args)] after a name.
Expr* Parser::parsePostfix(Expr* head) {
  Expr* e = head;
  while (true) {
    int line = cur().line;
    if (cur().kind == Tok::LParen && e->kind == ExprKind::Name) {
      advance();
      auto* call = arena_.make<CallExpr>(static_cast<NameExpr*>(e)->name, parseArgs());
      e = finish(call, e->line);
    } else if (cur().kind == Tok::Dot) {
      advance();
      Sym member = expectName("a member name");
      List<Expr*> args;
      if (accept(Tok::LParen)) args = parseArgs();
      e = finish(arena_.make<MemberExpr>(e, member, args), line);
    } else {
      break;
    }
    uint16_t depth = 1;
    if (e->kind == ExprKind::Call) {
      for (Expr* a : static_cast<CallExpr*>(e)->args)
        depth = std::max<uint16_t>(depth, a->depth + 1);
    } else {
      auto* m = static_cast<MemberExpr*>(e);
      depth = m->object->depth + 1;
      for (Expr* a : m->args) depth = std::max<uint16_t>(depth, a->depth + 1);
    }
    e->depth = depth;
    if (depth > kMaxExprDepth) fail(kErrTooDeep, line, "The expression is nested too deeply");
  }
  return e;
}

List<Expr*> Parser::parseArgs() {
  const size_t base = argStack_.size();
  if (!accept(Tok::RParen)) {
    do {
      argStack_.push_back(parseExpr());
      if (argStack_.size() - base > static_cast<size_t>(kMaxArguments))
        fail(kErrTooLarge, cur().line, "Too many arguments");
    } while (accept(Tok::Comma));
    expect(Tok::RParen, "')'");
  }
  return popList(arena_, argStack_, base);
}

Expr* Parser::parseGroup() {
  advance();
  Expr* e = parseExpr();
  expect(Tok::RParen, "')'");
  return e;
}

Expr* Parser::parseUnary() {
  int line = cur().line;
  Tok op = cur().kind;
  advance();
  Expr* operand = parseExpr(kPrecUnary);
  auto* e = finish(arena_.make<UnaryExpr>(op, operand), line);
  e->depth = static_cast<uint16_t>(operand->depth + 1);
  if (e->depth > kMaxExprDepth) fail(kErrTooDeep, line, "The expression is nested too deeply");
  return e;
}

Expr* Parser::parseNot() {
  int line = cur().line;
  advance();
  Expr* operand = parseExpr(kPrecNot);
  auto* e = finish(arena_.make<UnaryExpr>(Tok::KwNot, operand), line);
  e->depth = static_cast<uint16_t>(operand->depth + 1);
  if (e->depth > kMaxExprDepth) fail(kErrTooDeep, line, "The expression is nested too deeply");
  return e;
}

Expr* Parser::parseBinary(Expr* left) {
  int line = cur().line;
  Tok op = cur().kind;
  int prec = infixPrec(op);
  advance();
  // "^" is right-associative: its right side may hold another "^".
  Expr* right = parseExpr(op == Tok::Caret ? prec - 1 : prec);
  auto* e = finish(arena_.make<BinaryExpr>(op, left, right), line);
  // A chain a + b - c ... is not nesting: the later stages walk it in a loop. Right operands
  // and the right-associative "^" nest.
  int chain = left->kind == ExprKind::Binary && op != Tok::Caret ? left->depth : left->depth + 1;
  e->depth = static_cast<uint16_t>(std::max(chain, right->depth + 1));
  if (e->depth > kMaxExprDepth) fail(kErrTooDeep, line, "The expression is nested too deeply");
  return e;
}

}  // namespace vorline::script
