#include "platform/script/Compiler.h"

#include <algorithm>
#include <cstring>

#include "platform/script/Limits.h"

namespace vorline::script {

namespace {

// Constants a prototype has room for before it grows: 1 and a short function's few.
constexpr size_t kFirstConsts = 4;

// The jumps are the rows from JMP to FORLOOP_D.
bool isJump(Op op) { return op >= Op::JMP && op <= Op::FORLOOP_D; }

// Removes the prototype's NOPs; a jump to one lands on the instruction after it.
void dropNops(Proto& p) {
  std::vector<int64_t> at(p.code.size() + 1);  // the new place of each instruction
  int64_t kept = 0;
  for (size_t k = 0; k < p.code.size(); ++k) {
    at[k] = kept;
    kept += p.code[k].op != Op::NOP;
  }
  at[p.code.size()] = kept;
  size_t to = 0;
  for (size_t k = 0; k < p.code.size(); ++k) {
    Instr in = p.code[k];
    if (in.op == Op::NOP) continue;
    if (isJump(in.op)) {
      int64_t target = static_cast<int64_t>(k) + 1 + in.j;
      in.j = static_cast<int32_t>(at[static_cast<size_t>(target)] - at[k] - 1);
    }
    p.code[to] = in;
    p.lines[to] = p.lines[k];
    ++to;
  }
  p.code.resize(to);
  p.lines.resize(to);
}

Op setGlobalOp(Bank b) {
  switch (b) {
    case Bank::Str:
      return Op::SETG_S;
    case Bank::Var:
      return Op::SETG_V;
    case Bank::Arr:
      return Op::SETG_A;
    default:
      return Op::SETG_N;
  }
}

Op returnOp(Bank b) {
  switch (b) {
    case Bank::Str:
      return Op::RET_S;
    case Bank::Var:
      return Op::RET_V;
    case Bank::Arr:
      return Op::RET_A;
    default:
      return Op::RET_N;
  }
}

uint64_t literalBits(const Expr* e) {
  Num n;
  if (e->kind == ExprKind::Dbl)
    n.d = static_cast<const DblLit*>(e)->value;
  else
    n.i = static_cast<const IntLit*>(e)->value;
  return n.u;
}

bool isNumberLiteral(const Expr* e) {
  return e->kind == ExprKind::Int || e->kind == ExprKind::Dbl || e->kind == ExprKind::Bool;
}

}  // namespace

Compiler::Compiler(Script& script, Program& program) : script_(script), program_(program) {}

std::optional<CompileError> Compiler::compile() {
  try {
    program_.strings = std::move(script_.strings);  // the script is done with once compiled
    program_.protos.resize(script_.functions.size() + 1);
    compileMain();
    for (FuncDecl* f : script_.functions) compileFunction(f);
    specialiseCalls();
  } catch (const Failure&) {
  }
  return error_;
}

void Compiler::fail(int code, std::string message) {
  if (!error_) error_ = CompileError{code, std::max(line_, 1), std::move(message)};
  throw Failure{};
}

size_t Compiler::emit(Op op, uint32_t a, uint32_t b, uint32_t c, int32_t j) {
  std::vector<Instr>& code = proto_->code;
  std::vector<int32_t>& lines = proto_->lines;
  const size_t at = code.size();
  if (at == code.capacity() || lines.size() == lines.capacity()) [[unlikely]]
    return emitGrowing(Instr{op, a, b, c, j});
  code.push_back(Instr{op, a, b, c, j});
  lines.push_back(line_);
  return at;
}

// Out of line, so that emit() itself needs no room for growing the code.
size_t Compiler::emitGrowing(const Instr& in) {
  proto_->code.push_back(in);
  proto_->lines.push_back(line_);
  return proto_->code.size() - 1;
}

void Compiler::patchTo(size_t at, size_t target) {
  proto_->code[at].j =
      static_cast<int32_t>(static_cast<int64_t>(target) - static_cast<int64_t>(at + 1));
}

void Compiler::patch(size_t at) { patchTo(at, here()); }

void Compiler::patchAll(const std::vector<size_t>& at) {
  for (size_t a : at) patch(a);
}

void Compiler::growFrame(size_t bank) {
  if (next_[bank] > static_cast<uint32_t>(kMaxRegisters))
    fail(kErrTooLarge, "The script needs too many registers");
  proto_->regs[bank] = next_[bank];
}

bool Compiler::isTemp(Bank b, uint32_t reg) const {
  return reg >= firstTemp_[static_cast<size_t>(b)];
}

int32_t Compiler::numberConstant(Num n) {
  auto [index, added] = numberPool_.insert(n.u, static_cast<uint32_t>(program_.numbers.size()));
  if (added) program_.numbers.push_back(n);
  return static_cast<int32_t>(index);
}

// ---------------------------------------------------------------- functions

void Compiler::compileMain() {
  protoIndex_ = 0;
  proto_ = &program_.protos[0];
  proto_->name = "(main)";
  function_ = nullptr;
  beginProto(*proto_, script_.globals, 0, script_.main);
  // A generated script is mostly top-level statements of a few instructions each, about one
  // in two a call: room for them up front spares copying the growing code and sites.
  const size_t statements = script_.main.count;
  proto_->code.reserve(3 * statements);
  proto_->lines.reserve(3 * statements);
  program_.sites.reserve(statements);
  block(script_.main);
  emit(Op::END);
  finishProto();
}

void Compiler::compileFunction(FuncDecl* f) {
  protoIndex_ = f->index + 1;
  proto_ = &program_.protos[protoIndex_];
  proto_->name = script_.symbols.spelling(f->name);
  proto_->result = f->isSub ? Type() : f->result;
  function_ = f;
  line_ = f->line;
  beginProto(*proto_, {f->locals.items, f->locals.count}, f->params.count, f->body);
  // Most functions are a line or two: room for them up front spares growing the code in steps.
  proto_->code.reserve(4 + 4 * f->body.count);
  proto_->lines.reserve(4 + 4 * f->body.count);
  block(f->body);
  returnDefault();
  finishProto();
}

// Registers: the variables (parameters first), then the operators' constants.
void Compiler::beginProto(Proto& p, std::span<VarInfo* const> vars, uint32_t paramCount,
                          const Block& body) {
  next_ = {0, 0, 0, 0};
  constRegs_.clear();
  loops_.clear();
  for (size_t i = 0; i < vars.size(); ++i) {
    Bank b = bankOf(vars[i]->type);
    vars[i]->reg = temp(b);
    if (i < paramCount) ++p.params[static_cast<size_t>(b)];
  }
  p.constBase = next_[0];
  Num one;
  one.i = 1;
  one_ = temp(Bank::Num);
  constRegs_.insert(one.u, one_);
  p.consts.reserve(kFirstConsts);
  p.consts.push_back(one);
  collectConstants(body);
  firstTemp_ = next_;
}

// A function's returns name it, and those of a numbers-only or parameters-only function take
// the lighter path its calls take.
void Compiler::finishProto() {
  proto_->numbersOnly = proto_->regs[1] == 0 && proto_->regs[2] == 0 && proto_->regs[3] == 0;
  proto_->paramsOnly = !proto_->numbersOnly && proto_->regs[2] == 0 &&
                       proto_->regs[1] == proto_->params[1] && proto_->regs[3] == proto_->params[3];
  if (function_ == nullptr) return;  // the main frame is set up once, at the start of a run
  for (size_t at : returns_) {
    Instr& in = proto_->code[at];
    bool value = in.op == Op::RET_N;
    if (proto_->numbersOnly && (value || in.op == Op::RET0))
      in.op = value ? Op::RETN_N : Op::RETN0;
    else if (proto_->paramsOnly && (value || in.op == Op::RET0) && proto_->regs[1] == 0)
      in.op = value ? Op::RETA_N : Op::RETA0;
    else if (proto_->paramsOnly && (value || in.op == Op::RET0))
      in.op = value ? Op::RETP_N : Op::RETP0;
  }
  std::vector<Num>& entries = program_.entries;
  proto_->entry = static_cast<uint32_t>(entries.size());
  entries.resize(entries.size() + proto_->constBase - proto_->params[0], Num{0});
  entries.insert(entries.end(), proto_->consts.begin(), proto_->consts.end());
  // Whole blocks of four, the frame grown to hold them: the zeros past the constants land in
  // temporaries.
  const uint32_t count = (static_cast<uint32_t>(entries.size()) - proto_->entry + 3) & ~3u;
  entries.resize(proto_->entry + count, Num{0});
  proto_->entryCount = count;
  proto_->regs[0] = std::max(proto_->regs[0], proto_->params[0] + count);
  returns_.clear();
}

// A return names its function, for what leaving it drops; finishProto picks its kind.
void Compiler::emitReturn(Op op, uint32_t reg) { returns_.push_back(emit(op, reg, protoIndex_)); }

// A return finds the result's register in its call; the kind of call is chosen once every
// function is compiled.
void Compiler::emitScriptCall(uint32_t dst, int32_t site) {
  size_t at = emit(Op::CALL, 0, 0, dst, site);
  scriptCalls_.push_back({protoIndex_, at, std::exchange(arrayArg_, ArrayArg{})});
}

// A function whose one array register is its parameter, which it only reads and changes the
// elements of, and which calls no script function and sets no script-wide array, can read
// the array through its caller's register: nothing can replace the array while it runs.
bool Compiler::lendsArray(const Proto& p) const {
  if (!p.paramsOnly || p.regs[1] != 0 || p.params[3] != 1) return false;
  for (const Instr& in : p.code) {
    switch (in.op) {
      case Op::CALL:
      case Op::CALLN:
      case Op::CALLP:
      case Op::CALLA:
      case Op::CALLR:
      case Op::CALLRG:
      case Op::SETG_A:
      case Op::MOVE_A:
      case Op::CLEAR_A:
      case Op::GETG_A:
      case Op::NEWARR:
      case Op::RET_A:
        return false;
      default:
        break;
    }
  }
  return true;
}

// Calls of numbers-only and parameters-only functions take lighter paths. A function that
// may read its array through its caller's register does so when every call of it passes a
// variable: its calls name the variable, and their moves of it are dropped.
void Compiler::specialiseCalls() {
  std::vector<char> lends(program_.protos.size()), lent(program_.protos.size());
  for (size_t k = 1; k < lends.size(); ++k) lends[k] = lendsArray(program_.protos[k]);
  auto target = [this](const CallAt& at) {
    const Instr& in = program_.protos[at.proto].code[at.pc];
    return program_.sites[static_cast<uint32_t>(in.j)].target;
  };
  // A later argument may call a function that replaces a script-wide array after the call has
  // read it: the calls that pass such an array keep their own reference.
  std::vector<char> replaced;
  for (size_t k = 1; k < program_.protos.size(); ++k) {
    for (const Instr& in : program_.protos[k].code) {
      if (in.op != Op::SETG_A) continue;
      if (in.a >= replaced.size()) replaced.resize(in.a + 1);
      replaced[in.a] = 1;
    }
  }
  for (const CallAt& at : scriptCalls_) {
    const bool mayBeReplaced =
        at.array.scriptWide && at.array.from < replaced.size() && replaced[at.array.from];
    if (at.array.move < 0 || mayBeReplaced) lends[target(at)] = 0;
  }
  for (const CallAt& at : scriptCalls_) {
    Proto& caller = program_.protos[at.proto];
    Instr& in = caller.code[at.pc];
    const Proto& callee = program_.protos[target(at)];
    if (lends[target(at)]) {
      in.op = at.array.global ? Op::CALLRG : Op::CALLR;
      in.a = at.array.from;
      caller.code[static_cast<size_t>(at.array.move)].op = Op::NOP;
      lent[at.proto] = 1;
    } else if (callee.numbersOnly) {
      in.op = Op::CALLN;
    } else if (callee.paramsOnly) {
      in.op = callee.regs[1] == 0 ? Op::CALLA : Op::CALLP;
    }
  }
  for (size_t k = 0; k < lent.size(); ++k) {
    if (lent[k]) dropNops(program_.protos[k]);
  }
  for (size_t k = 1; k < lends.size(); ++k) {
    if (!lends[k]) continue;
    for (Instr& in : program_.protos[k].code) {
      if (in.op == Op::RETA_N) in.op = Op::RETR_N;
      if (in.op == Op::RETA0) in.op = Op::RETR0;
    }
  }
}

void Compiler::addConstant(const Expr* lit) {
  uint64_t bits = literalBits(lit);
  if (constRegs_.size() >= static_cast<size_t>(kMaxConstantRegisters) || constRegs_.find(bits))
    return;
  constRegs_.insert(bits, temp(Bank::Num));
  Num n;
  n.u = bits;
  proto_->consts.push_back(n);
}

// Literal operands of operators get registers of their own, filled on entry.
void Compiler::collectConstants(const Expr* e) {
  switch (e->kind) {
    case ExprKind::Unary:
      return collectConstants(static_cast<const UnaryExpr*>(e)->operand);
    case ExprKind::Conv:
      return collectConstants(static_cast<const ConvExpr*>(e)->operand);
    case ExprKind::Binary: {
      // Down the left operands in a loop: a chain may be long.
      for (; e->kind == ExprKind::Binary; e = static_cast<const BinaryExpr*>(e)->lhs) {
        auto* b = static_cast<const BinaryExpr*>(e);
        if (isNumberLiteral(b->lhs)) addConstant(b->lhs);
        if (isNumberLiteral(b->rhs)) addConstant(b->rhs);
        collectConstants(b->rhs);
      }
      return collectConstants(e);
    }
    case ExprKind::Call:
      for (const Expr* a : static_cast<const CallExpr*>(e)->args) collectConstants(a);
      return;
    case ExprKind::Member:
      for (const Expr* a : static_cast<const MemberExpr*>(e)->args) collectConstants(a);
      return;
    default:
      return;
  }
}

void Compiler::collectConstants(const Block& blk) {
  auto ex = [this](const Expr* e) {
    if (e) collectConstants(e);
  };
  for (const Stmt* s : blk) {
    if (!s->hasOperators) continue;
    switch (s->kind) {
      case StmtKind::Dim:
        for (const DimItem& it : static_cast<const DimStmt*>(s)->items) ex(it.init);
        break;
      case StmtKind::Assign:
        ex(static_cast<const AssignStmt*>(s)->value);
        break;
      case StmtKind::Call:
        ex(static_cast<const CallStmt*>(s)->call);
        break;
      case StmtKind::If: {
        auto* i = static_cast<const IfStmt*>(s);
        for (const IfArm& arm : i->arms) {
          ex(arm.cond);
          collectConstants(arm.body);
        }
        collectConstants(i->elseBody);
        break;
      }
      case StmtKind::For:
        collectConstants(static_cast<const ForStmt*>(s)->body);
        break;
      case StmtKind::ForEach:
        collectConstants(static_cast<const ForEachStmt*>(s)->body);
        break;
      case StmtKind::While: {
        auto* w = static_cast<const WhileStmt*>(s);
        ex(w->cond);
        collectConstants(w->body);
        break;
      }
      case StmtKind::Do: {
        auto* d = static_cast<const DoStmt*>(s);
        ex(d->cond);
        collectConstants(d->body);
        break;
      }
      case StmtKind::Select: {
        auto* sel = static_cast<const SelectStmt*>(s);
        for (const CaseArm& arm : sel->arms) {
          for (const CaseItem& it : arm.items) ex(it.test);
          collectConstants(arm.body);
        }
        collectConstants(sel->elseBody);
        break;
      }
      case StmtKind::Return:
        ex(static_cast<const ReturnStmt*>(s)->value);
        break;
      default:
        break;
    }
  }
}

// ---------------------------------------------------------------- statements

void Compiler::block(const Block& b) {
  for (Stmt* s : b) stmt(s);
}

// Temporaries live for one statement.
void Compiler::stmt(Stmt* s) {
  const Registers mark = next_;
  line_ = s->line;
  switch (s->kind) {
    case StmtKind::Dim:
      dim(static_cast<DimStmt*>(s));
      break;
    case StmtKind::Assign:
      assign(static_cast<AssignStmt*>(s));
      break;
    case StmtKind::Call:
      callStmt(static_cast<CallStmt*>(s));
      break;
    case StmtKind::If:
      ifStmt(static_cast<IfStmt*>(s));
      break;
    case StmtKind::For:
      forStmt(static_cast<ForStmt*>(s));
      break;
    case StmtKind::ForEach:
      forEach(static_cast<ForEachStmt*>(s));
      break;
    case StmtKind::While:
      whileStmt(static_cast<WhileStmt*>(s));
      break;
    case StmtKind::Do:
      doStmt(static_cast<DoStmt*>(s));
      break;
    case StmtKind::Select:
      select(static_cast<SelectStmt*>(s));
      break;
    case StmtKind::Return:
      returnStmt(static_cast<ReturnStmt*>(s));
      break;
    case StmtKind::Exit:
      exitStmt(static_cast<JumpStmt*>(s));
      break;
    case StmtKind::Continue:
      continueStmt(static_cast<JumpStmt*>(s));
      break;
    case StmtKind::Print: {
      auto* p = static_cast<PrintStmt*>(s);
      uint32_t r;
      if (p->value) {
        r = expr(p->value);
      } else {
        r = temp(Bank::Str);
        emit(Op::CLEAR_S, r);
      }
      emit(Op::PRINT, r);
      break;
    }
    case StmtKind::End:
      emit(Op::END);
      break;
    case StmtKind::Redim:
      redim(static_cast<RedimStmt*>(s));
      break;
  }
  next_ = mark;
}

void Compiler::defaultInto(Type t, uint32_t dst) {
  switch (bankOf(t)) {
    case Bank::Str:
      emit(Op::CLEAR_S, dst);
      break;
    case Bank::Var:
      emit(Op::CLEAR_V, dst);
      break;
    case Bank::Arr:
      emit(Op::CLEAR_A, dst);
      break;
    default:
      emit(Op::LOADI_N, dst);
      break;
  }
}

void Compiler::storeVar(VarInfo* v, uint32_t reg, bool take) {
  Bank b = bankOf(v->type);
  if (inFrame(v)) {
    if (reg != v->reg) emit(take && b == Bank::Str ? Op::TAKE_S : moveOp(b), v->reg, reg);
  } else {
    emit(take && b == Bank::Str ? Op::TAKEG_S : setGlobalOp(b), v->reg, reg);
  }
}

void Compiler::loadVar(VarInfo* v, uint32_t reg) {
  Bank b = bankOf(v->type);
  if (inFrame(v)) {
    if (reg != v->reg) emit(moveOp(b), reg, v->reg);
  } else {
    emit(getGlobalOp(b), reg, v->reg);
  }
}

// A dim (re)initialises its variables where it stands; arrays get new storage.
void Compiler::dim(DimStmt* s) {
  for (DimItem& item : s->items) {
    line_ = item.line;
    VarInfo* v = item.var;
    uint32_t reg = inFrame(v) ? v->reg : temp(v->type);
    if (v->type.isArray()) {
      uint32_t dims = v->type.dims;
      uint32_t base = temp(Bank::Num, dims);
      if (item.bounds.empty()) emit(Op::LOADI_N, base, 0, 0, -1);
      for (uint32_t i = 0; i < item.bounds.count; ++i) exprInto(item.bounds[i], base + i);
      emit(Op::NEWARR, reg, base, static_cast<uint32_t>(v->type.base), static_cast<int32_t>(dims));
      if (item.init) {
        uint32_t val = expr(item.init);
        Bank eb = bankOf(v->type.element());
        emit(eb == Bank::Str ? Op::FILL_S : (eb == Bank::Var ? Op::FILL_V : Op::FILL_N), reg, val);
      }
    } else if (item.init) {
      exprInto(item.init, reg);
    } else {
      defaultInto(v->type, reg);
    }
    if (!inFrame(v)) storeVar(v, reg, true);
  }
}

void Compiler::assign(AssignStmt* s) {
  if (s->appendChain) return appendChain(s);
  if (s->target->kind == ExprKind::Name) {
    VarInfo* v = static_cast<NameExpr*>(s->target)->var;
    if (inFrame(v)) return exprInto(s->value, v->reg);
    uint32_t r = expr(s->value);
    storeVar(v, r, isTemp(bankOf(v->type), r));
    return;
  }
  auto* el = static_cast<CallExpr*>(s->target);
  uint32_t arr = arrayReg(el->array);
  uint32_t idx = elementIndex(el, arr);
  uint32_t val = expr(s->value);
  Bank eb = bankOf(el->type);
  emit(eb == Bank::Str ? Op::ASET_S : (eb == Bank::Var ? Op::ASET_V : Op::ASET_N), arr, idx, val);
}

// s = s + a + b: each part appended to s in place.
void Compiler::appendChain(AssignStmt* s) {
  VarInfo* v = static_cast<NameExpr*>(s->target)->var;
  std::vector<Expr*> parts;
  Expr* e = s->value;
  while (e->kind == ExprKind::Binary) {
    auto* b = static_cast<BinaryExpr*>(e);
    parts.push_back(b->rhs);
    e = b->lhs;
  }
  std::reverse(parts.begin(), parts.end());
  for (Expr* part : parts) {
    if (part->kind == ExprKind::Str && inFrame(v)) {
      emit(Op::APPENDK_S, v->reg, 0, 0, static_cast<int32_t>(static_cast<StrLit*>(part)->index));
      continue;
    }
    uint32_t r = expr(part);
    emit(inFrame(v) ? Op::APPEND_S : Op::APPENDG_S, v->reg, r);
  }
}

void Compiler::callStmt(CallStmt* s) {
  Expr* e = s->call;
  if (e->kind == ExprKind::Name && static_cast<NameExpr*>(e)->call) {
    List<Expr*> none;
    return callInto(static_cast<NameExpr*>(e)->call, none, -1);
  }
  if (e->kind == ExprKind::Call && static_cast<CallExpr*>(e)->call) {
    auto* c = static_cast<CallExpr*>(e);
    return callInto(c->call, c->args, -1);
  }
  if (e->kind == ExprKind::Member) return memberInto(static_cast<MemberExpr*>(e), -1);
  expr(e);
}

void Compiler::ifStmt(IfStmt* s) {
  std::vector<size_t> ends;
  for (uint32_t i = 0; i < s->arms.count; ++i) {
    line_ = s->arms[i].cond->line;
    std::vector<size_t> falses = jumpIfFalse(s->arms[i].cond);
    block(s->arms[i].body);
    if (i + 1 < s->arms.count || s->hasElse) ends.push_back(emit(Op::JMP));
    patchAll(falses);
  }
  block(s->elseBody);
  patchAll(ends);
}

// Counts in a register of its own when the variable is script-wide (inside a function) or of
// another number type, copying the count to the variable each time round.
// Compiles a loop's body with its own break and continue lists; the continues land after the
// body, and the loop's closing code is attributed to the loop's own line.
Compiler::Loop Compiler::loopBody(LoopWord word, const Block& body, int line) {
  loops_.push_back(Loop{word, {}, {}});
  block(body);
  Loop loop = std::move(loops_.back());
  loops_.pop_back();
  patchAll(loop.continues);
  line_ = line;
  return loop;
}

void Compiler::forStmt(ForStmt* s) {
  VarInfo* v = s->var;
  Type count = s->start->type;
  bool isInt = count.base != BaseType::Double;
  bool direct = inFrame(v) && (v->type == count || (isInt && isCheckedInteger(v->type.base)));
  uint32_t ctr = direct ? v->reg : temp(Bank::Num);
  uint32_t conv = direct ? 0 : temp(Bank::Num);
  exprInto(s->start, ctr);
  uint32_t lim = temp(Bank::Num);
  exprInto(s->limit, lim);
  uint32_t stp = temp(Bank::Num);
  if (s->step) {
    exprInto(s->step, stp);
    if (s->down) emit(isInt ? Op::NEG_I : Op::NEG_D, stp, stp);
  } else if (isInt) {
    emit(Op::LOADI_N, stp, 0, 0, s->down ? -1 : 1);
  } else {
    Num n;
    n.d = s->down ? -1.0 : 1.0;
    emit(Op::LOADK_N, stp, 0, 0, numberConstant(n));
  }
  size_t prep = emit(isInt ? Op::FORPREP_I : Op::FORPREP_D, ctr, lim, stp);
  size_t top = here();
  if (!direct) {
    convertInto(count, ctr, v->type, conv);
    storeVar(v, conv, false);
  }
  Loop loop = loopBody(LoopWord::For, s->body, s->line);
  if (!direct) {
    loadVar(v, conv);
    convertInto(v->type, conv, count, ctr);
  }
  Op step = !isInt ? Op::FORLOOP_D : (s->step || s->down ? Op::FORLOOP_I : Op::FORLOOP_I1);
  size_t back = emit(step, ctr, lim, stp);
  patchTo(back, top);
  patch(prep);
  if (!direct) {
    // Skipped or finished, the variable holds the count as a direct loop's would.
    convertInto(count, ctr, v->type, conv);
    storeVar(v, conv, false);
  }
  patchAll(loop.breaks);
}

void Compiler::forEach(ForEachStmt* s) {
  VarInfo* v = s->var;
  Type elem = s->array->type.element();
  uint32_t arr = temp(Bank::Arr);
  exprInto(s->array, arr);
  uint32_t idx = temp(Bank::Num);
  uint32_t cnt = temp(Bank::Num);
  uint32_t value = temp(elem);
  uint32_t conv = temp(v->type);
  emit(Op::LOADI_N, idx);
  size_t top = here();
  emit(Op::ACOUNT, cnt, arr);
  size_t done = emit(Op::JF_LT_I, idx, cnt);
  Bank eb = bankOf(elem);
  emit(eb == Bank::Str ? Op::AGET_S : (eb == Bank::Var ? Op::AGET_V : Op::AGET_N), value, arr, idx);
  convertInto(elem, value, v->type, conv);
  storeVar(v, conv, false);
  Loop loop = loopBody(LoopWord::For, s->body, s->line);
  emit(Op::ADD_I, idx, idx, one_);
  patchTo(emit(Op::LOOP), top);
  patch(done);
  patchAll(loop.breaks);
}

void Compiler::whileStmt(WhileStmt* s) {
  size_t top = here();
  std::vector<size_t> falses = jumpIfFalse(s->cond);
  Loop loop = loopBody(LoopWord::While, s->body, s->line);
  patchTo(emit(Op::LOOP), top);
  patchAll(falses);
  patchAll(loop.breaks);
}

void Compiler::doStmt(DoStmt* s) {
  size_t top = here();
  std::vector<size_t> exits;
  if (s->cond && s->condAtTop) exits.push_back(jumpIfTrue(s->cond));
  Loop loop = loopBody(LoopWord::Do, s->body, s->line);
  if (s->cond && !s->condAtTop) exits.push_back(jumpIfTrue(s->cond));
  patchTo(emit(Op::LOOP), top);
  patchAll(exits);
  patchAll(loop.breaks);
}

void Compiler::select(SelectStmt* s) {
  exprInto(s->subject, s->temp->reg);
  std::vector<size_t> ends;
  for (CaseArm& arm : s->arms) {
    line_ = arm.line;
    std::vector<size_t> matches;
    for (CaseItem& item : arm.items) matches.push_back(jumpIfTrue(item.test));
    size_t skip = emit(Op::JMP);
    patchAll(matches);
    block(arm.body);
    ends.push_back(emit(Op::JMP));
    patch(skip);
  }
  block(s->elseBody);
  patchAll(ends);
}

void Compiler::returnStmt(ReturnStmt* s) {
  if (!function_) {
    if (s->value) expr(s->value);
    emit(Op::END);
    return;
  }
  if (!s->value) return returnDefault();
  uint32_t r = expr(s->value);
  emitReturn(returnOp(bankOf(function_->result)), r);
}

void Compiler::returnDefault() {
  if (!function_) {
    emit(Op::END);
    return;
  }
  if (function_->isSub) {
    emitReturn(Op::RET0, 0);
    return;
  }
  uint32_t r = temp(function_->result);
  defaultInto(function_->result, r);
  emitReturn(returnOp(bankOf(function_->result)), r);
}

Compiler::Loop* Compiler::findLoop(LoopWord word) {
  for (auto it = loops_.rbegin(); it != loops_.rend(); ++it) {
    if (word == LoopWord::Any || it->word == word) return &*it;
  }
  return nullptr;
}

// exit leaves the innermost (or the named) loop, else the function, else the script.
void Compiler::exitStmt(JumpStmt* s) {
  if (s->word == LoopWord::Function || s->word == LoopWord::Sub) return returnDefault();
  if (Loop* loop = findLoop(s->word)) {
    loop->breaks.push_back(emit(Op::JMP));
    return;
  }
  returnDefault();
}

void Compiler::continueStmt(JumpStmt* s) {
  Loop* loop = findLoop(s->word);
  if (!loop) fail(kErrSyntax, "'continue' outside a loop");
  loop->continues.push_back(emit(Op::JMP));
}

void Compiler::redim(RedimStmt* s) {
  uint32_t base = temp(Bank::Num, s->bounds.count);
  for (uint32_t i = 0; i < s->bounds.count; ++i) exprInto(s->bounds[i], base + i);
  uint32_t arr = arrayReg(s->var);
  emit(Op::REDIM, arr, base, 0, static_cast<int32_t>(s->bounds.count));
}

}  // namespace vorline::script
