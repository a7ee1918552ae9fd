// Syntax nodes. Every node carries its line; the checker fills in types and resolved names.
// Nodes live in an arena and are trivially destructible (lists are arena arrays).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/script/Lexer.h"
#include "platform/script/Types.h"

namespace vorline::script {

// Bump allocator for nodes; everything is freed with the arena.
class Arena {
 public:
  Arena() = default;
  Arena(const Arena&) = delete;
  Arena& operator=(const Arena&) = delete;

  // Every allocation is a multiple of kAlign long, so that the next one starts aligned.
  static constexpr size_t kAlign = 8;

  void* allocate(size_t bytes) {
    bytes = (bytes + kAlign - 1) & ~(kAlign - 1);
    if (bytes > static_cast<size_t>(end_ - cur_)) return allocateInNewBlock(bytes);
    char* p = cur_;
    cur_ += bytes;
    return p;
  }
  template <class T, class... A>
  T* make(A&&... args) {
    static_assert(alignof(T) <= kAlign);
    static_assert(std::is_trivially_destructible_v<T>, "the arena runs no destructors");
    return new (allocate(sizeof(T))) T(std::forward<A>(args)...);
  }
  template <class T>
  T* copy(const T* items, size_t n) {
    static_assert(alignof(T) <= kAlign);
    T* p = static_cast<T*>(allocate(sizeof(T) * (n ? n : 1)));
    // Lists are short: an element at a time beats a call of memcpy.
    for (size_t i = 0; i < n; ++i) new (p + i) T(items[i]);
    return p;
  }

 private:
  void* allocateInNewBlock(size_t bytes);

  std::vector<std::unique_ptr<char[]>> blocks_;
  char* cur_ = nullptr;  // the free part of the current block
  char* end_ = nullptr;
};

template <class T>
struct List {
  T* items = nullptr;
  uint32_t count = 0;
  T* begin() const { return items; }
  T* end() const { return items + count; }
  T& operator[](size_t i) const { return items[i]; }
  bool empty() const { return count == 0; }
};

template <class T>
List<T> toList(Arena& arena, const T* items, size_t n) {
  List<T> l;
  l.count = static_cast<uint32_t>(n);
  l.items = arena.copy(items, n);
  return l;
}

template <class T>
List<T> toList(Arena& arena, const std::vector<T>& v) {
  return toList(arena, v.data(), v.size());
}

// The items a list gathers above `base` on a scratch stack that nested lists share, moved to
// the arena; the stack is cut back to base.
// Inline: the parser ends every argument list here, most of one or two items.
template <class T>
[[gnu::always_inline]] inline List<T> popList(Arena& arena, std::vector<T>& stack, size_t base) {
  List<T> l = toList(arena, stack.data() + base, stack.size() - base);
  stack.resize(base);
  return l;
}

struct FuncDecl;
struct CallInfo;

// A declared variable: script-wide, a function's local or parameter. The compiler gives it
// its register.
struct VarInfo {
  Sym name = 0;
  Type type;
  bool global = false;
  bool isConst = false;
  bool isParam = false;
  int32_t line = 0;
  uint32_t reg = 0;
};

enum class ExprKind : uint8_t { Int, Dbl, Str, Bool, Nil, Name, Unary, Binary, Call, Member, Conv };

struct Expr {
  ExprKind kind;
  uint16_t depth = 1;
  int32_t line = 0;
  Type type;
  explicit Expr(ExprKind k) : kind(k) {}
};

struct IntLit : Expr {  // also Bool (value 0 / 1)
  int64_t value = 0;
  IntLit(ExprKind k, int64_t v) : Expr(k), value(v) {}
};

struct DblLit : Expr {
  double value = 0;
  explicit DblLit(double v) : Expr(ExprKind::Dbl), value(v) {}
};

struct StrLit : Expr {
  uint32_t index = 0;  // into the program's string table
  explicit StrLit(uint32_t i) : Expr(ExprKind::Str), index(i) {}
};

struct NameExpr : Expr {
  Sym name = 0;
  VarInfo* var = nullptr;    // resolved: the variable, or
  CallInfo* call = nullptr;  // a method called without parentheses
  explicit NameExpr(Sym n) : Expr(ExprKind::Name), name(n) {}
};

struct UnaryExpr : Expr {
  Tok op;
  Expr* operand;
  UnaryExpr(Tok o, Expr* e) : Expr(ExprKind::Unary), op(o), operand(e) {}
};

struct BinaryExpr : Expr {
  Tok op;
  Expr* lhs;
  Expr* rhs;
  BinaryExpr(Tok o, Expr* l, Expr* r) : Expr(ExprKind::Binary), op(o), lhs(l), rhs(r) {}
};

// name(args): an array element or a call, as the checker resolves it.
struct CallExpr : Expr {
  Sym name = 0;
  List<Expr*> args;
  bool parens = true;
  VarInfo* array = nullptr;  // resolved: indexing this array, or
  CallInfo* call = nullptr;  // calling this
  CallExpr(Sym n, List<Expr*> a) : Expr(ExprKind::Call), name(n), args(a) {}
};

enum class MemberOp : uint8_t { Unknown, Ubound, Count, Append, Insert, Remove };

// object.member [args]: the array members ubound, lastindex, count, append, add, ...
struct MemberExpr : Expr {
  Expr* object;
  Sym member;
  List<Expr*> args;
  MemberOp op = MemberOp::Unknown;
  MemberExpr(Expr* o, Sym m, List<Expr*> a)
      : Expr(ExprKind::Member), object(o), member(m), args(a) {}
};

// An implicit conversion the checker inserts; `type` is the target.
struct ConvExpr : Expr {
  Expr* operand;
  explicit ConvExpr(Expr* e) : Expr(ExprKind::Conv), operand(e) {}
};

enum class StmtKind : uint8_t {
  Dim,
  Assign,
  Call,
  If,
  For,
  ForEach,
  While,
  Do,
  Select,
  Return,
  Exit,
  Continue,
  Print,
  End,
  Redim,
};

struct Stmt {
  StmtKind kind;
  // The checker met an operator in the statement or in one inside it: only there does the
  // compiler look for the literal operands that get constant registers.
  bool hasOperators = false;
  int32_t line = 0;
  explicit Stmt(StmtKind k) : kind(k) {}
};

using Block = List<Stmt*>;

struct DimItem {
  Sym name = 0;
  int32_t line = 0;
  List<Expr*> bounds;  // array bounds; hasBounds with none is "()"
  bool hasBounds = false;
  Type type;  // the declared type (array when hasBounds)
  Expr* init = nullptr;
  VarInfo* var = nullptr;
};

struct DimStmt : Stmt {
  List<DimItem> items;
  bool isConst = false;
  DimStmt() : Stmt(StmtKind::Dim) {}
};

struct AssignStmt : Stmt {
  Expr* target = nullptr;  // NameExpr or CallExpr (an element)
  Expr* value = nullptr;
  bool appendChain = false;  // s = s + a + b on a String: appended in place
  AssignStmt() : Stmt(StmtKind::Assign) {}
};

struct CallStmt : Stmt {
  Expr* call = nullptr;  // NameExpr, CallExpr or MemberExpr
  CallStmt() : Stmt(StmtKind::Call) {}
};

struct IfArm {
  Expr* cond = nullptr;
  Block body;
};

struct IfStmt : Stmt {
  List<IfArm> arms;
  Block elseBody;
  bool hasElse = false;
  IfStmt() : Stmt(StmtKind::If) {}
};

struct ForStmt : Stmt {
  Sym varName = 0;
  VarInfo* var = nullptr;
  Type declared;  // "for i as Integer = ..."
  Expr* start = nullptr;
  Expr* limit = nullptr;
  Expr* step = nullptr;
  bool down = false;
  Block body;
  ForStmt() : Stmt(StmtKind::For) {}
};

struct ForEachStmt : Stmt {
  Sym varName = 0;
  VarInfo* var = nullptr;
  Type declared;
  Expr* array = nullptr;
  Block body;
  ForEachStmt() : Stmt(StmtKind::ForEach) {}
};

struct WhileStmt : Stmt {
  Expr* cond = nullptr;
  Block body;
  WhileStmt() : Stmt(StmtKind::While) {}
};

// do [until c] ... loop [until c]
struct DoStmt : Stmt {
  Expr* cond = nullptr;
  bool condAtTop = false;
  Block body;
  DoStmt() : Stmt(StmtKind::Do) {}
};

enum class CaseKind : uint8_t { Value, Is, Range };

struct CaseItem {
  CaseKind kind = CaseKind::Value;
  Tok op = Tok::Eq;  // for Is
  Expr* a = nullptr;
  Expr* b = nullptr;
  Expr* test = nullptr;  // the checker's comparison with the subject (a Boolean expression)
};

struct CaseArm {
  List<CaseItem> items;
  Block body;
  int32_t line = 0;
};

struct SelectStmt : Stmt {
  Expr* subject = nullptr;
  VarInfo* temp = nullptr;  // holds the subject while the cases compare
  List<CaseArm> arms;
  Block elseBody;
  bool hasElse = false;
  SelectStmt() : Stmt(StmtKind::Select) {}
};

struct ReturnStmt : Stmt {
  Expr* value = nullptr;
  ReturnStmt() : Stmt(StmtKind::Return) {}
};

// exit / continue with an optional target word.
enum class LoopWord : uint8_t { Any, For, While, Do, Function, Sub };

struct JumpStmt : Stmt {
  LoopWord word = LoopWord::Any;
  explicit JumpStmt(StmtKind k) : Stmt(k) {}
};

struct PrintStmt : Stmt {
  Expr* value = nullptr;
  PrintStmt() : Stmt(StmtKind::Print) {}
};

struct RedimStmt : Stmt {
  Sym name = 0;
  VarInfo* var = nullptr;
  List<Expr*> bounds;
  RedimStmt() : Stmt(StmtKind::Redim) {}
};

struct Param {
  Sym name = 0;
  Type type;
  int32_t line = 0;
};

struct FuncDecl {
  Sym name = 0;
  int32_t line = 0;
  bool isSub = false;
  List<Param> params;
  Type result;
  Block body;
  // checker results
  List<VarInfo*> locals;           // parameters first
  FuncDecl* nextOfName = nullptr;  // the next function of the same name, in source order
  bool hidden = false;             // a later definition with the same parameters replaces it
  uint32_t index = 0;              // in the program's function list
};

// The parsed script: functions and the top-level statements, in source order.
struct Script {
  Arena arena;
  SymbolTable symbols;
  std::vector<std::string> strings;
  std::vector<FuncDecl*> functions;  // in the arena
  Block main;
  // The storage of main: the top-level list, a generated script's longest by far, stays where
  // the parser gathered it instead of being copied to the arena.
  std::vector<Stmt*> mainStatements;
  std::vector<VarInfo*> globals;     // filled by the checker
  std::vector<VarInfo*> mainLocals;  // hidden temporaries of the main code (select subjects)
};

}  // namespace vorline::script
