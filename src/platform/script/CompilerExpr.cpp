// Expressions and calls of the compiler.
#include "platform/script/Builtins.h"
#include "platform/script/Compiler.h"

namespace vorline::script {

namespace {

Op byBank(Bank b, Op n, Op s, Op v) { return b == Bank::Str ? s : (b == Bank::Var ? v : n); }

// An operand that is an integer converted to Double, for the mixed instructions.
const Expr* intOperand(const Expr* e) {
  if (e->kind != ExprKind::Conv || e->type.base != BaseType::Double) return nullptr;
  const Expr* x = static_cast<const ConvExpr*>(e)->operand;
  if (!isIntegerType(x->type) || x->type.base == BaseType::UInt64) return nullptr;
  return x;
}

}  // namespace

// The register that holds e's value: a variable's own, a constant's, or a new temporary.
uint32_t Compiler::expr(Expr* e) {
  if (e == ready_) return readyReg_;
  if (e->kind == ExprKind::Name) {
    auto* n = static_cast<NameExpr*>(e);
    if (n->var && inFrame(n->var)) return n->var->reg;
  } else if (e->kind == ExprKind::Int || e->kind == ExprKind::Dbl || e->kind == ExprKind::Bool) {
    Num bits;
    if (e->kind == ExprKind::Dbl)
      bits.d = static_cast<DblLit*>(e)->value;
    else
      bits.i = static_cast<IntLit*>(e)->value;
    if (const uint32_t* reg = constRegs_.find(bits.u)) return *reg;
  }
  uint32_t t = temp(e->type);
  exprInto(e, t);
  return t;
}

void Compiler::exprInto(Expr* e, uint32_t dst) {
  if (e == ready_) {
    if (readyReg_ != dst) emit(moveOp(bankOf(e->type)), dst, readyReg_);
    return;
  }
  switch (e->kind) {
    case ExprKind::Int:
    case ExprKind::Bool:
    case ExprKind::Dbl:
    case ExprKind::Str:
    case ExprKind::Nil:
      return literalInto(e, dst);
    case ExprKind::Name: {
      auto* n = static_cast<NameExpr*>(e);
      if (!n->var) {
        List<Expr*> none;
        return callInto(n->call, none, dst);
      }
      Bank b = bankOf(n->var->type);
      if (!inFrame(n->var))
        emit(getGlobalOp(b), dst, n->var->reg);
      else if (n->var->reg != dst)
        emit(moveOp(b), dst, n->var->reg);
      return;
    }
    case ExprKind::Unary:
      return unaryInto(static_cast<UnaryExpr*>(e), dst);
    case ExprKind::Binary:
      return chainInto(static_cast<BinaryExpr*>(e), dst);
    case ExprKind::Call: {
      auto* c = static_cast<CallExpr*>(e);
      if (c->array) return elementInto(c, dst);
      return callInto(c->call, c->args, dst);
    }
    case ExprKind::Member:
      return memberInto(static_cast<MemberExpr*>(e), dst);
    case ExprKind::Conv: {
      auto* c = static_cast<ConvExpr*>(e);
      uint32_t src = expr(c->operand);
      if (isScalar(c->type, BaseType::String)) return textInto(c->operand->type, src, dst);
      return convertInto(c->operand->type, src, c->type, dst);
    }
  }
}

void Compiler::literalInto(Expr* e, uint32_t dst) {
  switch (e->kind) {
    case ExprKind::Str:
      emit(Op::LOADK_S, dst, 0, 0, static_cast<int32_t>(static_cast<StrLit*>(e)->index));
      return;
    case ExprKind::Nil:
      emit(Op::CLEAR_V, dst);
      return;
    case ExprKind::Dbl: {
      Num n;
      n.d = static_cast<DblLit*>(e)->value;
      emit(Op::LOADK_N, dst, 0, 0, numberConstant(n));
      return;
    }
    default: {
      int64_t v = static_cast<IntLit*>(e)->value;
      if (v >= INT32_MIN && v <= INT32_MAX) {
        emit(Op::LOADI_N, dst, 0, 0, static_cast<int32_t>(v));
      } else {
        Num n;
        n.i = v;
        emit(Op::LOADK_N, dst, 0, 0, numberConstant(n));
      }
    }
  }
}

void Compiler::unaryInto(UnaryExpr* e, uint32_t dst) {
  uint32_t src = expr(e->operand);
  BaseType t = e->type.base;
  if (e->op == Tok::KwNot) {
    emit(t == BaseType::Boolean ? Op::NOT_B : (t == BaseType::Variant ? Op::VNOT : Op::NOT_I), dst,
         src);
    return;
  }
  Op op = Op::NEG_I;
  if (t == BaseType::Double)
    op = Op::NEG_D;
  else if (t == BaseType::UInt64)
    op = Op::NEG_U;
  else if (t == BaseType::Variant)
    op = Op::VNEG;
  emit(op, dst, src);
}

// A chain a + b + c ...: its left operands are compiled in a loop from the innermost out, each
// into one register per bank (an instruction reads its operands before it writes), and each
// is the ready left operand of the next.
void Compiler::chainInto(BinaryExpr* e, uint32_t dst) {
  // On a stack that the chains inside the operands share, so that a chain allocates nothing.
  Expr* x = e->lhs;
  if (x->kind != ExprKind::Binary || x == ready_) {  // no chain: the commonest case
    binaryInto(e, dst);
    ready_ = nullptr;
    return;
  }
  const size_t base = chain_.size();
  for (; x->kind == ExprKind::Binary && x != ready_; x = static_cast<BinaryExpr*>(x)->lhs)
    chain_.push_back(static_cast<BinaryExpr*>(x));
  uint32_t acc[kBankCount] = {0, 0, 0, 0};
  bool have[kBankCount] = {false, false, false, false};
  for (size_t i = chain_.size(); i-- > base;) {
    BinaryExpr* link = chain_[i];
    auto b = static_cast<size_t>(bankOf(link->type));
    if (!have[b]) {
      acc[b] = temp(static_cast<Bank>(b));
      have[b] = true;
    }
    binaryInto(link, acc[b]);
    ready_ = link;
    readyReg_ = acc[b];
  }
  chain_.resize(base);
  binaryInto(e, dst);
  ready_ = nullptr;
}

void Compiler::binaryInto(BinaryExpr* e, uint32_t dst) {
  switch (e->op) {
    case Tok::Eq:
    case Tok::Ne:
    case Tok::Lt:
    case Tok::Gt:
    case Tok::Le:
    case Tok::Ge:
      return comparisonInto(e, dst);
    case Tok::KwAnd:
    case Tok::KwOr:
    case Tok::KwXor:
      return logicInto(e, dst);
    default:
      return arithmeticInto(e, dst);
  }
}

void Compiler::arithmeticInto(BinaryExpr* e, uint32_t dst) {
  BaseType t = e->type.base;
  if (t == BaseType::Double && mixedInto(e, dst)) return;
  uint32_t l = expr(e->lhs);
  uint32_t r = expr(e->rhs);
  if (t == BaseType::String) {
    emit(Op::CONCAT_S, dst, l, r);
    return;
  }
  if (t == BaseType::Variant) {
    emit(Op::VOP, dst, l, r, static_cast<int32_t>(e->op));
    return;
  }
  Op op = Op::ADD_I;
  bool dbl = t == BaseType::Double, uns = t == BaseType::UInt64;
  switch (e->op) {
    case Tok::Plus:
      op = dbl ? Op::ADD_D : (uns ? Op::ADD_U : Op::ADD_I);
      break;
    case Tok::Minus:
      op = dbl ? Op::SUB_D : (uns ? Op::SUB_U : Op::SUB_I);
      break;
    case Tok::Star:
      op = dbl ? Op::MUL_D : (uns ? Op::MUL_U : Op::MUL_I);
      break;
    case Tok::Slash:
      op = Op::DIV_D;
      break;
    case Tok::Caret:
      op = Op::POW_D;
      break;
    case Tok::Backslash:
      op = uns ? Op::DIV_U : Op::DIV_I;
      break;
    case Tok::KwMod:
      op = dbl ? Op::MOD_D : (uns ? Op::MOD_U : Op::MOD_I);
      break;
    default:
      break;
  }
  emit(op, dst, l, r);
}

// Double arithmetic with one integer operand, without a separate conversion.
bool Compiler::mixedInto(BinaryExpr* e, uint32_t dst) {
  static const Op kDI[] = {Op::ADD_DI, Op::SUB_DI, Op::MUL_DI, Op::DIV_DI};
  static const Op kID[] = {Op::ADD_ID, Op::SUB_ID, Op::MUL_ID, Op::DIV_ID};
  int k;
  switch (e->op) {
    case Tok::Plus:
      k = 0;
      break;
    case Tok::Minus:
      k = 1;
      break;
    case Tok::Star:
      k = 2;
      break;
    case Tok::Slash:
      k = 3;
      break;
    default:
      return false;
  }
  if (const Expr* ri = intOperand(e->rhs)) {
    uint32_t l = expr(e->lhs);
    emit(kDI[k], dst, l, expr(const_cast<Expr*>(ri)));
    return true;
  }
  if (const Expr* li = intOperand(e->lhs)) {
    uint32_t l = expr(const_cast<Expr*>(li));
    emit(kID[k], dst, l, expr(e->rhs));
    return true;
  }
  return false;
}

void Compiler::comparisonInto(BinaryExpr* e, uint32_t dst) {
  uint32_t l = expr(e->lhs);
  uint32_t r = expr(e->rhs);
  BaseType t = e->lhs->type.base;
  if (t == BaseType::Variant) {
    emit(Op::VCMP, dst, l, r, static_cast<int32_t>(e->op));
    return;
  }
  Op eq = Op::EQ_I, ne = Op::NE_I, lt = Op::LT_I, le = Op::LE_I;
  if (t == BaseType::Double) {
    eq = Op::EQ_D;
    ne = Op::NE_D;
    lt = Op::LT_D;
    le = Op::LE_D;
  }
  if (t == BaseType::UInt64) {
    lt = Op::LT_U;
    le = Op::LE_U;
  }
  if (t == BaseType::String) {
    eq = Op::EQ_S;
    ne = Op::NE_S;
    lt = Op::LT_S;
    le = Op::LE_S;
  }
  switch (e->op) {
    case Tok::Eq:
      emit(eq, dst, l, r);
      break;
    case Tok::Ne:
      emit(ne, dst, l, r);
      break;
    case Tok::Lt:
      emit(lt, dst, l, r);
      break;
    case Tok::Le:
      emit(le, dst, l, r);
      break;
    case Tok::Gt:
      emit(lt, dst, r, l);
      break;  // a > b is b < a, NaN included
    case Tok::Ge:
      emit(le, dst, r, l);
      break;
    default:
      break;
  }
}

// Boolean and / or skip their right side when the left decides.
void Compiler::logicInto(BinaryExpr* e, uint32_t dst) {
  BaseType t = e->type.base;
  if (t == BaseType::Boolean && e->op != Tok::KwXor) {
    uint32_t d = isTemp(Bank::Num, dst) ? dst : temp(Bank::Num);
    exprInto(e->lhs, d);
    size_t skip = emit(e->op == Tok::KwAnd ? Op::JF : Op::JT, d);
    exprInto(e->rhs, d);
    patch(skip);
    if (d != dst) emit(Op::MOVE_N, dst, d);
    return;
  }
  uint32_t l = expr(e->lhs);
  uint32_t r = expr(e->rhs);
  if (t == BaseType::Variant) {
    emit(Op::VOP, dst, l, r, static_cast<int32_t>(e->op));
    return;
  }
  emit(e->op == Tok::KwAnd ? Op::AND_I : (e->op == Tok::KwOr ? Op::OR_I : Op::XOR_I), dst, l, r);
}

uint32_t Compiler::arrayReg(VarInfo* array) {
  if (inFrame(array)) return array->reg;
  uint32_t t = temp(Bank::Arr);
  emit(Op::GETG_A, t, array->reg);
  return t;
}

uint32_t Compiler::elementIndex(CallExpr* e, uint32_t arr) {
  if (e->args.count == 1) return expr(e->args[0]);
  uint32_t base = temp(Bank::Num, e->args.count);
  for (uint32_t i = 0; i < e->args.count; ++i) exprInto(e->args[i], base + i);
  uint32_t flat = temp(Bank::Num);
  emit(Op::AIDX, flat, arr, base, static_cast<int32_t>(e->args.count));
  return flat;
}

void Compiler::elementInto(CallExpr* e, uint32_t dst) {
  uint32_t arr = arrayReg(e->array);
  uint32_t idx = elementIndex(e, arr);
  emit(byBank(bankOf(e->type), Op::AGET_N, Op::AGET_S, Op::AGET_V), dst, arr, idx);
}

void Compiler::memberInto(MemberExpr* e, int64_t dst) {
  uint32_t arr = expr(e->object);
  Bank eb = bankOf(e->object->type.element());
  auto out = [&]() { return dst >= 0 ? static_cast<uint32_t>(dst) : temp(Bank::Num); };
  switch (e->op) {
    case MemberOp::Ubound:
      emit(Op::AUBOUND, out(), arr, 0, 1);
      break;
    case MemberOp::Count:
      emit(Op::ACOUNT, out(), arr);
      break;
    case MemberOp::Append: {
      uint32_t v = expr(e->args[0]);
      emit(byBank(eb, Op::APUSH_N, Op::APUSH_S, Op::APUSH_V), arr, v);
      break;
    }
    case MemberOp::Insert: {
      uint32_t idx = expr(e->args[0]);
      uint32_t v = expr(e->args[1]);
      emit(byBank(eb, Op::AINSERT_N, Op::AINSERT_S, Op::AINSERT_V), arr, idx, v);
      break;
    }
    case MemberOp::Remove:
      emit(Op::AREMOVE, arr, expr(e->args[0]));
      break;
    case MemberOp::Unknown:
      break;
  }
}

// Value conversions between static types (never to String: that is textInto).
void Compiler::convertInto(Type from, uint32_t src, Type to, uint32_t dst) {
  Bank fb = bankOf(from), tb = bankOf(to);
  if (isScalar(from, BaseType::UInt64) && !to.isArray() && isCheckedInteger(to.base)) {
    emit(Op::U2I, dst, src);
    return;
  }
  if (from == to ||
      (fb == Bank::Num && tb == Bank::Num && isIntegerType(from) && isCheckedInteger(to.base)) ||
      (from.base == BaseType::Single && to.base == BaseType::Double)) {
    if (src != dst) emit(moveOp(tb), dst, src);
    return;
  }
  if (to.base == BaseType::Variant) {
    if (fb == Bank::Num)
      emit(Op::BOX_N, dst, src, static_cast<uint32_t>(from.base));
    else if (fb == Bank::Str)
      emit(Op::BOX_S, dst, src);
    else if (from.base == BaseType::Nil)
      emit(Op::CLEAR_V, dst);
    else if (src != dst)
      emit(Op::MOVE_V, dst, src);
    return;
  }
  if (from.base == BaseType::Variant) {
    if (tb == Bank::Num)
      emit(Op::UNBOX_N, dst, src, static_cast<uint32_t>(to.base));
    else if (tb == Bank::Str)
      emit(Op::UNBOX_S, dst, src);
    else
      emit(Op::UNBOX_O, dst, src);
    return;
  }
  if (from.base == BaseType::Nil) {
    emit(Op::CLEAR_V, dst);
    return;
  }
  // numbers
  if (isIntegerType(from.base) && isFloatType(to.base)) {
    emit(from.base == BaseType::UInt64 ? Op::U2D : Op::I2D, dst, src);
    if (to.base == BaseType::Single) emit(Op::D2F, dst, dst);
  } else if (isFloatType(from.base) && isIntegerType(to.base)) {
    emit(to.base == BaseType::UInt64 ? Op::D2U : Op::D2I, dst, src);
    if (integerBits(to.base) < 64) emit(Op::WRAP, dst, dst, static_cast<uint32_t>(to.base));
  } else if (from.base == BaseType::Double && to.base == BaseType::Single) {
    emit(Op::D2F, dst, src);
  } else if (integerBits(to.base) < 64) {
    emit(Op::WRAP, dst, src, static_cast<uint32_t>(to.base));
  } else if (src != dst) {
    emit(Op::MOVE_N, dst, src);
  }
}

void Compiler::textInto(Type from, uint32_t src, uint32_t dst) {
  switch (from.base) {
    case BaseType::String:
      if (src != dst) emit(Op::MOVE_S, dst, src);
      return;
    case BaseType::UInt64:
      emit(Op::STR_U, dst, src);
      return;
    case BaseType::Double:
      emit(Op::STR_D, dst, src);
      return;
    case BaseType::Single:
      emit(Op::STR_F, dst, src);
      return;
    case BaseType::Boolean:
      emit(Op::STR_B, dst, src);
      return;
    case BaseType::Variant:
    case BaseType::Object:
    case BaseType::Nil:
      emit(Op::STR_V, dst, src);
      return;
    default:
      emit(Op::STR_I, dst, src);
      return;
  }
}

// Jumps taken when cond is false; comparisons of numbers fuse with the jump, and Boolean and
// and or become jumps, as their short circuit allows.
std::vector<size_t> Compiler::jumpIfFalse(Expr* cond) {
  if (cond->kind == ExprKind::Binary) {
    auto* b = static_cast<BinaryExpr*>(cond);
    if (b->op == Tok::KwAnd && cond->type.base == BaseType::Boolean) {
      // a and b and c ...: the parts in order, the chain walked in a loop.
      std::vector<Expr*> parts;
      Expr* x = cond;
      for (; x->kind == ExprKind::Binary && static_cast<BinaryExpr*>(x)->op == Tok::KwAnd &&
             x->type.base == BaseType::Boolean;
           x = static_cast<BinaryExpr*>(x)->lhs) {
        parts.push_back(static_cast<BinaryExpr*>(x)->rhs);
      }
      parts.push_back(x);
      std::vector<size_t> out;
      for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
        std::vector<size_t> more = jumpIfFalse(*it);
        out.insert(out.end(), more.begin(), more.end());
      }
      return out;
    }
    if (b->op == Tok::KwOr && cond->type.base == BaseType::Boolean) {
      // a or b: a false tries b, a true jumps over b's test.
      std::vector<size_t> tryRight = jumpIfFalse(b->lhs);
      size_t taken = emit(Op::JMP);
      patchAll(tryRight);
      std::vector<size_t> out = jumpIfFalse(b->rhs);
      patch(taken);
      return out;
    }
    BaseType t = b->lhs->type.base;
    bool isInt = t == BaseType::Integer || t == BaseType::Int64 || t == BaseType::Boolean;
    bool isDbl = t == BaseType::Double;
    bool cmp = b->op == Tok::Eq || b->op == Tok::Ne || b->op == Tok::Lt || b->op == Tok::Gt ||
               b->op == Tok::Le || b->op == Tok::Ge;
    if (cmp && (isInt || isDbl)) {
      uint32_t l = expr(b->lhs);
      uint32_t r = expr(b->rhs);
      Op lt = isInt ? Op::JF_LT_I : Op::JF_LT_D, le = isInt ? Op::JF_LE_I : Op::JF_LE_D;
      Op eq = isInt ? Op::JF_EQ_I : Op::JF_EQ_D, ne = isInt ? Op::JF_NE_I : Op::JF_NE_D;
      switch (b->op) {
        case Tok::Lt:
          return {emit(lt, l, r)};
        case Tok::Gt:
          return {emit(lt, r, l)};
        case Tok::Le:
          return {emit(le, l, r)};
        case Tok::Ge:
          return {emit(le, r, l)};
        case Tok::Eq:
          return {emit(eq, l, r)};
        default:
          return {emit(ne, l, r)};
      }
    }
  }
  uint32_t r = expr(cond);
  return {emit(Op::JF, r)};
}

size_t Compiler::jumpIfTrue(Expr* cond) { return emit(Op::JT, expr(cond)); }

void Compiler::callInto(CallInfo* call, List<Expr*>& args, int64_t dst) {
  switch (call->kind) {
    case CalleeKind::Special: {
      auto s = static_cast<Special>(call->target);
      if (s == Special::Beep) emit(Op::BEEP);
      if (s == Special::Ubound) {
        uint32_t arr = expr(args[0]);
        emit(Op::AUBOUND, dst >= 0 ? static_cast<uint32_t>(dst) : temp(Bank::Num), arr, 0, 1);
      }
      return;
    }
    case CalleeKind::Dispatch:
      return dispatchCall(call, args, dst);
    case CalleeKind::Builtin:
      if (builtins()[call->target].inlineOp != Op::Count) return inlineCall(call, args, dst);
      break;
    case CalleeKind::Script:
      return scriptCallInto(call, args, dst);
    default:
      break;
  }
  CallSite site = beginSite(call);
  ArgSlots slots{site};
  for (uint32_t i = 0; i < args.count; ++i) exprInto(args[i], slots.next(call->params[i]));
  finishSite(call, site, dst);
}

// The register of a number variable of the frame that e names, or -1.
int64_t Compiler::numberVariable(const Expr* e) const {
  if (e->kind != ExprKind::Name || e == ready_) return -1;
  const VarInfo* v = static_cast<const NameExpr*>(e)->var;
  if (!v || !inFrame(v) || bankOf(v->type) != Bank::Num) return -1;
  return v->reg;
}

// The move of an array variable to its argument register, kept in array; false when e is no
// such variable.
bool Compiler::arrayVariableInto(const Expr* e, uint32_t to, ArrayArg& array) {
  if (e->kind != ExprKind::Name || e == ready_) return false;
  const VarInfo* v = static_cast<const NameExpr*>(e)->var;
  if (!v || bankOf(v->type) != Bank::Arr) return false;
  bool global = !inFrame(v);
  array.move = static_cast<int64_t>(emit(global ? Op::GETG_A : Op::MOVE_A, to, v->reg));
  array.from = v->reg;
  array.global = global;
  array.scriptWide = v->global;
  return true;
}

// A call of a script function: two number variables in a row as arguments move in one
// instruction.
void Compiler::scriptCallInto(CallInfo* call, List<Expr*>& args, int64_t dst) {
  CallSite site = beginSite(call);
  ArgSlots slots{site};
  ArrayArg array;  // the arguments may hold calls of their own
  for (uint32_t i = 0; i < args.count; ++i) {
    uint32_t to = slots.next(call->params[i]);
    int64_t first = numberVariable(args[i]);
    int64_t second = i + 1 < args.count ? numberVariable(args[i + 1]) : -1;
    if (bankOf(call->params[i]) == Bank::Arr && arrayVariableInto(args[i], to, array)) continue;
    if (first < 0 || second < 0 || bankOf(call->params[i]) != Bank::Num ||
        bankOf(call->params[i + 1]) != Bank::Num) {
      exprInto(args[i], to);
      continue;
    }
    slots.next(call->params[++i]);  // the register after to: both are numbers
    emit(Op::MOVE2_N, to, static_cast<uint32_t>(first), static_cast<uint32_t>(second));
  }
  if (site.argCount[static_cast<size_t>(Bank::Arr)] == 1) arrayArg_ = array;
  finishSite(call, site, dst);
}

// A context method's site is the same at every call but for its registers (every resolution
// to it carries the method's own parameter types), so its sites start from one shape, made
// at the first, which also gives the method's parameter list its place in the program.
const CallSite& Compiler::addContextShape(const CallInfo* call) {
  if (call->target >= contextShapes_.size()) contextShapes_.resize(call->target + 1);
  CallSite& shape = contextShapes_[call->target];
  shape = siteShape(call);
  shape.params = static_cast<uint32_t>(program_.paramLists.size());
  program_.paramLists.emplace_back(call->params.begin(), call->params.end());
  return shape;
}

// A site without its registers: the callee and how many arguments go in each bank.
CallSite Compiler::siteShape(const CallInfo* call) {
  CallSite site;
  site.kind = call->kind;
  site.target = call->kind == CalleeKind::Script ? call->target + 1 : call->target;
  site.result = call->result;
  for (const Type& p : call->params) ++site.argCount[static_cast<size_t>(bankOf(p))];
  return site;
}

// Arguments go to consecutive registers per bank; the callee finds them there.
CallSite Compiler::beginSite(const CallInfo* call) {
  CallSite site = call->kind == CalleeKind::Context ? contextShape(call) : siteShape(call);
  for (size_t b = 0; b < kBankCount; ++b) {
    site.argBase[b] = next_[b];
    next_[b] += site.argCount[b];
  }
  for (size_t b = 0; b < kBankCount; ++b)
    if (next_[b] > proto_->regs[b]) growFrame(b);
  return site;
}

// With the arguments in place: the result's register, the site, the call instruction.
void Compiler::finishSite(const CallInfo* call, CallSite& site, int64_t dst) {
  if (call->result.base != BaseType::Void) {
    site.dst = (dst >= 0 ? static_cast<uint32_t>(dst) : temp(call->result));
  }
  program_.sites.push_back(site);
  auto index = static_cast<int32_t>(program_.sites.size() - 1);
  if (call->kind == CalleeKind::Script) return emitScriptCall(site.dst, index);
  emit(call->kind == CalleeKind::Builtin ? Op::CALLB : Op::CALLC, 0, 0, 0, index);
}

// A call of one dispatch candidate with the arguments already in registers. A built-in that
// is one instruction has no function to call: its instruction gets the converted arguments.
void Compiler::candidateCall(const CallInfo* call, const std::vector<ArgValue>& args, int64_t dst) {
  if (call->kind == CalleeKind::Builtin && builtins()[call->target].inlineOp != Op::Count) {
    uint32_t regs[2] = {0, 0};
    for (size_t i = 0; i < args.size() && i < 2; ++i) {
      regs[i] = temp(call->params[i]);
      convertInto(args[i].type, args[i].reg, call->params[i], regs[i]);
    }
    return emitInline(builtins()[call->target], regs[0], regs[1], dst, call->result);
  }
  CallSite site = beginSite(call);
  ArgSlots slots{site};
  for (size_t i = 0; i < args.size(); ++i)
    convertInto(args[i].type, args[i].reg, call->params[i], slots.next(call->params[i]));
  finishSite(call, site, dst);
}

// The overload is chosen at run time by the types the Variant arguments hold.
void Compiler::dispatchCall(CallInfo* call, List<Expr*>& args, int64_t dst) {
  std::vector<ArgValue> values(args.count);
  for (uint32_t i = 0; i < args.count; ++i) values[i] = ArgValue{expr(args[i]), args[i]->type};
  DispatchInfo info;
  for (uint8_t p : call->variantArgs) info.varRegs.push_back(values[p].reg);
  for (CallInfo* c : call->candidates) {
    std::vector<Type> types;
    for (uint8_t p : call->variantArgs) types.push_back(c->params[p]);
    info.candidates.push_back(std::move(types));
    std::vector<int> ranks;
    for (uint32_t i = 0; i < args.count; ++i) {
      if (!isScalar(args[i]->type, BaseType::Variant))
        ranks.push_back(conversionRank(args[i]->type, c->params[i]));
    }
    info.fixedRanks.push_back(std::move(ranks));
  }
  program_.dispatch.push_back(std::move(info));
  uint32_t sel = temp(Bank::Num);
  emit(Op::VSELECT, sel, 0, 0, static_cast<int32_t>(program_.dispatch.size() - 1));
  bool hasResult = call->result.base != BaseType::Void;
  int64_t res = hasResult ? (dst >= 0 ? dst : temp(call->result)) : -1;
  std::vector<size_t> ends;
  for (uint32_t k = 0; k < call->candidates.count; ++k) {
    CallInfo* c = call->candidates[k];
    size_t skip = emit(Op::JNE_K, sel, 0, static_cast<uint32_t>(k));
    if (!hasResult || c->result == call->result) {
      candidateCall(c, values, res);
    } else if (c->result.base == BaseType::Void) {
      candidateCall(c, values, -1);
      emit(Op::CLEAR_V, static_cast<uint32_t>(res));
    } else {
      uint32_t t = temp(c->result);
      candidateCall(c, values, t);
      convertInto(c->result, t, call->result, static_cast<uint32_t>(res));
    }
    ends.push_back(emit(Op::JMP));
    patch(skip);
  }
  patchAll(ends);
}

void Compiler::inlineCall(CallInfo* call, List<Expr*>& args, int64_t dst) {
  uint32_t a = args.count > 0 ? expr(args[0]) : 0;
  uint32_t b = args.count > 1 ? expr(args[1]) : 0;
  emitInline(builtins()[call->target], a, b, dst, call->result);
}

void Compiler::emitInline(const BuiltinDef& def, uint32_t a, uint32_t b, int64_t dst, Type result) {
  uint32_t d = dst >= 0 ? static_cast<uint32_t>(dst) : temp(result);
  emit(def.inlineOp, d, a, b, def.mathIndex);
}

}  // namespace vorline::script
