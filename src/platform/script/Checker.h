// The type checker: resolves every name (variables, script functions, built-ins, context
// methods), chooses overloads, gives every expression its static type and inserts the implicit
// conversions. The first error ends the check.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/script/Ast.h"
#include "platform/script/Bytecode.h"
#include "platform/script/CompileError.h"
#include "platform/script/OverloadRank.h"
#include "platform/script/ScriptContext.h"
#include "platform/script/SymbolMap.h"

namespace vorline::script {

enum class Special : uint32_t { ToString, Ubound, Beep };

// A resolved call. Dispatch: the candidates that a call with Variant arguments may take,
// chosen at run time; its arguments at variantArgs stay Variants.
// In the script's arena, as its lists are: a script makes one for each function it calls.
struct CallInfo {
  CalleeKind kind = CalleeKind::Script;
  uint32_t target = 0;
  List<Type> params;
  Type result;
  List<CallInfo*> candidates;
  List<uint8_t> variantArgs;
  bool callsScript = false;
};

class Checker {
 public:
  Checker(Script& script, const std::vector<ContextMethod>* context);
  std::optional<CompileError> check();

 private:
  struct Failure {};
  struct Candidate {
    CalleeKind kind;
    uint32_t index;
    std::span<const Type> params;
    Type result;
  };
  // A call already resolved: a generated script calls the same few methods with the same
  // argument types on every line, and a resolution depends on nothing else. Calls of up to
  // kCachedArgs arguments are kept, their types packed in one word (argTypesKey).
  static constexpr uint32_t kCachedArgs = 4;
  struct Resolution {
    uint64_t argTypes;
    uint32_t argCount;
    bool exact;  // every argument has its parameter's type: none is converted
    CallInfo* call;
    const Resolution* next;  // in the arena, as a name has only a few: most names one
  };
  // Everything of one name that can be called, and the calls of it resolved so far.
  struct Callables {
    FuncDecl* firstFunction = nullptr;  // the rest follow by FuncDecl::nextOfName
    FuncDecl* lastFunction = nullptr;
    std::vector<uint32_t> context;
    std::vector<uint32_t> builtins;
    const Resolution* resolved = nullptr;
    int8_t hasCandidates = -1;  // not asked yet
  };

  // declarations and scopes (Checker.cpp)
  void indexFunctions();
  void indexContext();
  void collectGlobals(const Block& block);
  void declareGlobal(DimItem& item, bool isConst);
  Type inferConstType(const Expr* init) const;
  VarInfo* newVar(Sym name, Type type, int line, bool global);
  VarInfo* declareLocal(Sym name, Type type, int line, bool isConst);
  VarInfo* hiddenVar(Type type, int line);
  // Inline: every name of every expression is looked up.
  VarInfo* lookupVar(Sym name) const {
    if (function_) {
      if (VarInfo* v = locals_.get(name)) return v;
    }
    return globals_.get(name);
  }
  void checkFunction(FuncDecl* f);

  // statements (Checker.cpp)
  void checkBlock(const Block& block);
  void checkStmt(Stmt* s);
  void checkDim(DimStmt* s);
  void checkAssign(AssignStmt* s);
  bool isAppendChain(const AssignStmt* s) const;
  void checkCallStmt(CallStmt* s);
  void checkIf(IfStmt* s);
  void checkFor(ForStmt* s);
  void checkForEach(ForEachStmt* s);
  void checkWhile(WhileStmt* s);
  void checkDo(DoStmt* s);
  void checkSelect(SelectStmt* s);
  Expr* caseTest(CaseItem& item, VarInfo* subject, int line);
  void checkReturn(ReturnStmt* s);
  void checkJump(JumpStmt* s);
  void checkPrint(PrintStmt* s);
  void checkRedim(RedimStmt* s);
  Expr* checkCondition(Expr* e);
  void checkBody(const Block& body, LoopWord loop);

  // expressions (CheckerExpr.cpp)
  Expr* check(Expr* e);
  Expr* checkName(NameExpr* e);
  Expr* checkUnary(UnaryExpr* e);
  Expr* checkBinary(BinaryExpr* e);
  Expr* checkOperator(BinaryExpr* e);  // e's left operand checked already
  Expr* checkArithmetic(BinaryExpr* e);
  Expr* checkComparison(BinaryExpr* e);
  Expr* checkLogic(BinaryExpr* e);
  Expr* checkCall(CallExpr* e);
  Expr* checkMethodCall(CallExpr* e, const VarInfo* v);
  Expr* checkIndex(CallExpr* e, VarInfo* array);
  Expr* checkMember(MemberExpr* e);
  // e as a `to`; inline for the usual case, a value of that type already.
  Expr* coerce(Expr* e, Type to, int line) { return e->type == to ? e : convert(e, to, line); }
  Expr* convert(Expr* e, Type to, int line);
  Expr* toText(Expr* e, int line);
  void requireValue(const Expr* e, int line);
  Expr* foldConversion(Expr* e, Type to);
  Type integerResult(Type a, Type b) const;
  bool containsScriptCall(const Expr* e) const;
  Expr* makeNameRef(VarInfo* v, int line);

  // calls and overloads (Overloads.cpp)
  Callables& callablesOf(Sym name);
  const Callables* findCallables(Sym name) const;
  // In candidates_, which the next call reuses.
  const std::vector<Candidate>& candidates(Sym name);
  CallInfo* resolveCall(Sym name, List<Expr*>& args, int line);
  CallInfo* resolveSpecial(Sym name, List<Expr*>& args, int line);
  CallInfo* chooseOverload(const std::vector<Candidate>& cands, List<Expr*>& args, Sym name,
                           int line);
  bool fitsAlone(const Candidate& c, const List<Expr*>& args, int line);
  CallInfo* makeDispatch(const std::vector<const Candidate*>& best, List<Expr*>& args);
  CallInfo* makeCallInfo(const Candidate& c);
  void convertArgs(CallInfo* call, List<Expr*>& args, int line);
  [[noreturn]] void failArity(const std::vector<Candidate>& cands, size_t argc, Sym name, int line);
  bool hasCandidates(Sym name);
  static uint64_t typeKey(Type t, uint32_t arg);
  static uint64_t argTypesKey(const List<Expr*>& args);

  [[noreturn]] void fail(int code, int line, std::string message);
  // Out of line, so that the checks that may fail build no message where they pass.
  [[noreturn]] void fail(int code, int line, const char* message);
  // "'name'" and the rest of the message.
  [[noreturn]] void failName(int code, int line, Sym name, const char* rest);
  [[noreturn]] void failConversion(Type from, Type to, int line);
  const std::string& spelling(Sym s) const { return script_.symbols.spelling(s); }

  Script& script_;
  Arena& arena_;
  const std::vector<ContextMethod>* context_;
  SymbolMap<uint32_t> callableIndex_;  // 1 + the name's entry in callables_; 0: none
  std::vector<Callables> callables_;
  std::vector<Candidate> candidates_;
  std::vector<std::vector<Type>> contextParams_;
  std::vector<std::span<const Type>> funcParams_;  // per function, in the arena
  SymbolMap<VarInfo*> globals_;
  SymbolMap<VarInfo*> locals_;
  std::vector<Sym> localNames_;   // the names set in locals_, to clear them for the next function
  FuncDecl* function_ = nullptr;  // the function being checked; null in the main code
  std::vector<VarInfo*> functionLocals_;  // its locals so far, parameters first
  std::vector<LoopWord> loops_;
  std::vector<BinaryExpr*> chain_;  // the operator chains being checked, innermost last
  bool sawOperator_ = false;        // in the statement being checked, for Stmt::hasOperators
  Sym symStr_, symCstr_, symUbound_, symBeep_;
  std::optional<CompileError> error_;
};

bool isConvertible(Type from, Type to);

}  // namespace vorline::script
