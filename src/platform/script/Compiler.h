// The compiler: checked syntax nodes to typed register bytecode. Registers of a frame per
// bank: parameters, then locals (in the main code: the script-wide variables), then the
// constants that operators use, then temporaries allocated as a stack per statement.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "platform/script/Ast.h"
#include "platform/script/BitsIndex.h"
#include "platform/script/Bytecode.h"
#include "platform/script/Checker.h"
#include "platform/script/CompileError.h"

namespace vorline::script {

struct BuiltinDef;

// The instruction that reads a script-wide variable of a bank into a register.
inline Op getGlobalOp(Bank b) {
  switch (b) {
    case Bank::Str:
      return Op::GETG_S;
    case Bank::Var:
      return Op::GETG_V;
    case Bank::Arr:
      return Op::GETG_A;
    default:
      return Op::GETG_N;
  }
}

// The instruction that copies one register of a bank to another.
inline Op moveOp(Bank b) {
  switch (b) {
    case Bank::Str:
      return Op::MOVE_S;
    case Bank::Var:
      return Op::MOVE_V;
    case Bank::Arr:
      return Op::MOVE_A;
    default:
      return Op::MOVE_N;
  }
}

class Compiler {
 public:
  Compiler(Script& script, Program& program);
  std::optional<CompileError> compile();

 private:
  // An array argument that is a variable: the move into the argument register, and the
  // variable, which a call that lends it names instead.
  struct ArrayArg {
    int64_t move = -1;  // its pc, or -1: the array argument is none or not a variable
    uint32_t from = 0;
    bool global = false;      // not in the frame: read by GETG_A
    bool scriptWide = false;  // a variable of the whole script, which a function may replace
  };
  struct Failure {};
  using Registers = std::array<uint32_t, kBankCount>;  // a count or a register per bank
  struct Loop {
    LoopWord word;
    std::vector<size_t> breaks;
    std::vector<size_t> continues;
  };
  // An argument already in a register (for run-time overload dispatch).
  struct ArgValue {
    uint32_t reg = 0;
    Type type;
  };
  // Hands out a call site's argument registers in parameter order, consecutive per bank.
  struct ArgSlots {
    const CallSite& site;
    uint16_t used[kBankCount] = {0, 0, 0, 0};
    uint32_t next(Type param) {
      auto b = static_cast<size_t>(bankOf(param));
      return site.argBase[b] + used[b]++;
    }
  };

  // functions (Compiler.cpp)
  void compileMain();
  void compileFunction(FuncDecl* f);
  void beginProto(Proto& p, std::span<VarInfo* const> vars, uint32_t paramCount, const Block& body);
  void finishProto();
  void specialiseCalls();
  void emitReturn(Op op, uint32_t reg);
  [[gnu::noinline]] void emitScriptCall(uint32_t dst, int32_t site);
  void collectConstants(const Block& block);
  void collectConstants(const Expr* e);
  void addConstant(const Expr* lit);

  // statements (Compiler.cpp)
  void block(const Block& b);
  Loop loopBody(LoopWord word, const Block& body, int line);
  void stmt(Stmt* s);
  void dim(DimStmt* s);
  void assign(AssignStmt* s);
  void appendChain(AssignStmt* s);
  void callStmt(CallStmt* s);
  void ifStmt(IfStmt* s);
  void forStmt(ForStmt* s);
  void forEach(ForEachStmt* s);
  void whileStmt(WhileStmt* s);
  void doStmt(DoStmt* s);
  void select(SelectStmt* s);
  void returnStmt(ReturnStmt* s);
  void exitStmt(JumpStmt* s);
  void continueStmt(JumpStmt* s);
  void returnDefault();
  void redim(RedimStmt* s);
  void loopBody(const Block& body, LoopWord word, size_t continueTarget,
                std::vector<size_t>* breaksOut);
  Loop* findLoop(LoopWord word);
  void storeVar(VarInfo* v, uint32_t reg, bool take);
  void loadVar(VarInfo* v, uint32_t reg);

  // expressions (CompilerExpr.cpp)
  uint32_t expr(Expr* e);
  void exprInto(Expr* e, uint32_t dst);
  void literalInto(Expr* e, uint32_t dst);
  void unaryInto(UnaryExpr* e, uint32_t dst);
  void chainInto(BinaryExpr* e, uint32_t dst);
  void binaryInto(BinaryExpr* e, uint32_t dst);
  void arithmeticInto(BinaryExpr* e, uint32_t dst);
  bool mixedInto(BinaryExpr* e, uint32_t dst);
  void comparisonInto(BinaryExpr* e, uint32_t dst);
  void logicInto(BinaryExpr* e, uint32_t dst);
  void elementInto(CallExpr* e, uint32_t dst);
  uint32_t arrayReg(VarInfo* array);
  uint32_t elementIndex(CallExpr* e, uint32_t arr);
  void memberInto(MemberExpr* e, int64_t dst);
  void convertInto(Type from, uint32_t src, Type to, uint32_t dst);
  void textInto(Type from, uint32_t src, uint32_t dst);
  std::vector<size_t> jumpIfFalse(Expr* cond);
  size_t jumpIfTrue(Expr* cond);
  void callInto(CallInfo* call, List<Expr*>& args, int64_t dst);
  int64_t numberVariable(const Expr* e) const;
  bool arrayVariableInto(const Expr* e, uint32_t to, ArrayArg& array);
  bool lendsArray(const Proto& p) const;
  void scriptCallInto(CallInfo* call, List<Expr*>& args, int64_t dst);
  CallSite beginSite(const CallInfo* call);
  void finishSite(const CallInfo* call, CallSite& site, int64_t dst);
  void candidateCall(const CallInfo* call, const std::vector<ArgValue>& args, int64_t dst);
  // Inline for the usual case, a method called before.
  const CallSite& contextShape(const CallInfo* call) {
    if (call->target < contextShapes_.size() &&
        contextShapes_[call->target].kind == CalleeKind::Context)
      return contextShapes_[call->target];
    return addContextShape(call);
  }
  [[gnu::noinline]] const CallSite& addContextShape(const CallInfo* call);
  static CallSite siteShape(const CallInfo* call);
  void dispatchCall(CallInfo* call, List<Expr*>& args, int64_t dst);
  void emitInline(const BuiltinDef& def, uint32_t a, uint32_t b, int64_t dst, Type result);
  void inlineCall(CallInfo* call, List<Expr*>& args, int64_t dst);
  bool isTemp(Bank b, uint32_t reg) const;
  bool inFrame(const VarInfo* v) const { return !v->global || function_ == nullptr; }
  void defaultInto(Type t, uint32_t dst);

  // emitting
  size_t emit(Op op, uint32_t a = 0, uint32_t b = 0, uint32_t c = 0, int32_t j = 0);
  [[gnu::noinline]] size_t emitGrowing(const Instr& in);
  void patch(size_t at);
  void patchAll(const std::vector<size_t>& at);
  void patchTo(size_t at, size_t target);
  size_t here() const { return proto_->code.size(); }
  // Inline for the usual case, a register within the frame as it stands.
  uint32_t temp(Bank b, uint32_t count = 1) {
    auto i = static_cast<size_t>(b);
    uint32_t r = next_[i];
    next_[i] += count;
    if (next_[i] > proto_->regs[i]) growFrame(i);
    return r;
  }
  void growFrame(size_t bank);
  uint32_t temp(Type t) { return temp(bankOf(t)); }
  int32_t numberConstant(Num n);
  [[noreturn]] void fail(int code, std::string message);

  Script& script_;
  Program& program_;
  // Per context method, the shape of its sites once one has called it (kind Context).
  std::vector<CallSite> contextShapes_;
  Proto* proto_ = nullptr;
  uint32_t protoIndex_ = 0;  // proto_'s place in Program::protos
  FuncDecl* function_ = nullptr;
  int line_ = 0;
  Registers next_ = {0, 0, 0, 0};
  Registers firstTemp_ = {0, 0, 0, 0};
  BitsIndex constRegs_;   // bit pattern -> register
  BitsIndex numberPool_;  // bit pattern -> its index in Program::numbers
  std::vector<Loop> loops_;
  struct CallAt {
    uint32_t proto;
    size_t pc;
    ArrayArg array;
  };
  std::vector<CallAt> scriptCalls_;  // the calls of script functions, for specialiseCalls
  ArrayArg arrayArg_;                // of the call being compiled
  std::vector<size_t> returns_;      // the returns of the function being compiled
  uint32_t one_ = 0;                 // register of the Integer constant 1
  std::vector<BinaryExpr*> chain_;   // the links of the chains being compiled, innermost last
  Expr* ready_ = nullptr;            // a chain's left operand compiled already, in readyReg_
  uint32_t readyReg_ = 0;
  std::optional<CompileError> error_;
};

}  // namespace vorline::script
