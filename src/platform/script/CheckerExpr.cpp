// Expressions of the checker: types, operators, conversions.
#include <cmath>

#include "platform/script/Checker.h"
#include "platform/script/Limits.h"

namespace vorline::script {

namespace {

// Operators as messages name them: symbols as written, keyword operators in lower case.
const char* opText(Tok op) {
  switch (op) {
    case Tok::KwMod:
      return "mod";
    case Tok::KwAnd:
      return "and";
    case Tok::KwOr:
      return "or";
    case Tok::KwXor:
      return "xor";
    case Tok::KwNot:
      return "not";
    default:
      break;
  }
  const char* text = SymbolTokenText(op);
  return text ? text : "?";
}

bool isComparison(Tok op) {
  return op == Tok::Eq || op == Tok::Ne || op == Tok::Lt || op == Tok::Gt || op == Tok::Le ||
         op == Tok::Ge;
}

bool isObjectLike(Type t) { return isScalar(t, BaseType::Object) || isScalar(t, BaseType::Nil); }

}  // namespace

bool isConvertible(Type from, Type to) {
  if (from == to) return true;
  if (from.isArray() || to.isArray()) return false;
  if (from.base == BaseType::Void || to.base == BaseType::Void || to.base == BaseType::Nil)
    return false;
  if (to.base == BaseType::Variant) return true;
  if (from.base == BaseType::Variant) return true;
  if (isNumericType(from.base) && isNumericType(to.base)) return true;
  return from.base == BaseType::Nil && to.base == BaseType::Object;
}

Expr* Checker::check(Expr* e) {
  switch (e->kind) {
    case ExprKind::Int:
      e->type = Type(BaseType::Integer);
      return e;
    case ExprKind::Dbl:
      e->type = Type(BaseType::Double);
      return e;
    case ExprKind::Str:
      e->type = Type(BaseType::String);
      return e;
    case ExprKind::Bool:
      e->type = Type(BaseType::Boolean);
      return e;
    case ExprKind::Nil:
      e->type = Type(BaseType::Nil);
      return e;
    case ExprKind::Name:
      return checkName(static_cast<NameExpr*>(e));
    case ExprKind::Unary:
      return checkUnary(static_cast<UnaryExpr*>(e));
    case ExprKind::Binary:
      return checkBinary(static_cast<BinaryExpr*>(e));
    case ExprKind::Call:
      return checkCall(static_cast<CallExpr*>(e));
    case ExprKind::Member:
      return checkMember(static_cast<MemberExpr*>(e));
    case ExprKind::Conv:
      return e;
  }
  return e;
}

// A bare name is the variable; without one, a method called without parentheses.
Expr* Checker::checkName(NameExpr* e) {
  if (e->var) return e;  // made by the checker itself (a select's subject)
  if (VarInfo* v = lookupVar(e->name)) {
    e->var = v;
    e->type = v->type;
    return e;
  }
  List<Expr*> none;
  e->call = resolveCall(e->name, none, e->line);
  if (!e->call) failName(kErrUndefined, e->line, e->name, " is not declared");
  e->type = e->call->result;
  return e;
}

void Checker::requireValue(const Expr* e, int line) {
  if (e->type.base == BaseType::Void) fail(kErrNoValue, line, "The call gives no value");
}

Expr* Checker::checkUnary(UnaryExpr* e) {
  Expr* x = e->operand = check(e->operand);
  requireValue(x, e->line);
  Type t = x->type;
  if (e->op == Tok::KwNot) {
    if (isScalar(t, BaseType::Boolean) || isScalar(t, BaseType::Variant)) {
      e->type = t;
    } else if (isIntegerType(t)) {
      e->type = integerResult(t, t);
      e->operand = coerce(x, e->type, e->line);
    } else {
      fail(kErrLogicOperands, e->line, "'not' needs a Boolean or an integer, not " + typeName(t));
    }
    return e;
  }
  if (isScalar(t, BaseType::Variant)) {
    e->type = t;
    return e;
  }
  if (!isNumericType(t))
    fail(kErrTypeMismatch, e->line,
         std::string("Type mismatch: unary ") + opText(e->op) + " on " + typeName(t));
  e->type = isIntegerType(t) ? integerResult(t, t) : Type(BaseType::Double);
  e->operand = coerce(x, e->type, e->line);
  if (e->op == Tok::Plus) return e->operand;
  // Fold the sign of a literal: -5, -1e999.
  if (e->operand->kind == ExprKind::Int && static_cast<IntLit*>(e->operand)->value != INT64_MIN &&
      e->type.base != BaseType::UInt64) {
    auto* lit = static_cast<IntLit*>(e->operand);
    lit->value = -lit->value;
    return lit;
  }
  if (e->operand->kind == ExprKind::Dbl) {
    auto* lit = static_cast<DblLit*>(e->operand);
    lit->value = -lit->value;
    return lit;
  }
  return e;
}

Type Checker::integerResult(Type a, Type b) const {
  if (a.base == BaseType::UInt64 || b.base == BaseType::UInt64) return Type(BaseType::UInt64);
  if (a.base == BaseType::Int64 || b.base == BaseType::Int64) return Type(BaseType::Int64);
  return Type(BaseType::Integer);
}

// A chain a + b + c ... is checked in a loop from its innermost left operand out, so that a
// long chain (a pasted column of numbers) costs no stack.
// The chain is kept on one stack for the whole check (an operand's own chains go above it and
// are gone when it is checked), so that no expression allocates one.
Expr* Checker::checkBinary(BinaryExpr* e) {
  const size_t base = chain_.size();
  Expr* x = e;
  for (; x->kind == ExprKind::Binary; x = static_cast<BinaryExpr*>(x)->lhs)
    chain_.push_back(static_cast<BinaryExpr*>(x));
  Expr* left = check(x);
  for (size_t i = chain_.size(); i-- > base;) {
    BinaryExpr* op = chain_[i];
    op->lhs = left;
    left = checkOperator(op);
  }
  chain_.resize(base);
  return left;
}

Expr* Checker::checkOperator(BinaryExpr* e) {
  sawOperator_ = true;
  e->rhs = check(e->rhs);
  requireValue(e->lhs, e->line);
  requireValue(e->rhs, e->line);
  if (e->lhs->type.isArray() || e->rhs->type.isArray()) {
    fail(kErrTypeMismatch, e->line,
         std::string("Type mismatch: ") + opText(e->op) + " on an array");
  }
  if (isComparison(e->op)) return checkComparison(e);
  if (e->op == Tok::KwAnd || e->op == Tok::KwOr || e->op == Tok::KwXor) return checkLogic(e);
  return checkArithmetic(e);
}

Expr* Checker::checkArithmetic(BinaryExpr* e) {
  Type l = e->lhs->type, r = e->rhs->type;
  if (e->op == Tok::Plus && isScalar(l, BaseType::String) && isScalar(r, BaseType::String)) {
    e->type = l;
    return e;
  }
  bool lv = isScalar(l, BaseType::Variant), rv = isScalar(r, BaseType::Variant);
  if ((lv || rv) && isConvertible(l, Type(BaseType::Variant)) &&
      isConvertible(r, Type(BaseType::Variant)) && !isObjectLike(l) && !isObjectLike(r)) {
    e->type = Type(BaseType::Variant);
    e->lhs = coerce(e->lhs, e->type, e->line);
    e->rhs = coerce(e->rhs, e->type, e->line);
    return e;
  }
  if (!isNumericType(l) || !isNumericType(r)) {
    fail(kErrTypeMismatch, e->line,
         std::string("Type mismatch: ") + typeName(l) + " " + opText(e->op) + " " + typeName(r));
  }
  bool ints = isIntegerType(l) && isIntegerType(r);
  switch (e->op) {
    case Tok::Slash:
    case Tok::Caret:
      e->type = Type(BaseType::Double);
      break;
    case Tok::Backslash:
      // Integer division of Doubles truncates them first.
      e->type = integerResult(isIntegerType(l) ? l : Type(BaseType::Integer),
                              isIntegerType(r) ? r : Type(BaseType::Integer));
      break;
    default:
      e->type = ints ? integerResult(l, r) : Type(BaseType::Double);
      break;
  }
  e->lhs = coerce(e->lhs, e->type, e->line);
  e->rhs = coerce(e->rhs, e->type, e->line);
  return e;
}

// Numbers with numbers, Strings with Strings, Booleans and objects with = and <> only; a
// Variant compares at run time.
Expr* Checker::checkComparison(BinaryExpr* e) {
  Type l = e->lhs->type, r = e->rhs->type;
  Type operand;
  bool equality = e->op == Tok::Eq || e->op == Tok::Ne;
  if (isScalar(l, BaseType::Variant) || isScalar(r, BaseType::Variant) ||
      (isObjectLike(l) && isObjectLike(r))) {
    if (!isConvertible(l, Type(BaseType::Variant)) || !isConvertible(r, Type(BaseType::Variant))) {
      fail(kErrTypeMismatch, e->line,
           "Type mismatch: " + typeName(l) + " " + opText(e->op) + " " + typeName(r));
    }
    if ((isObjectLike(l) || isObjectLike(r)) && !equality) {
      fail(kErrUndefinedOperator, e->line,
           std::string("Objects cannot be compared with ") + opText(e->op));
    }
    operand = Type(BaseType::Variant);
  } else if (isNumericType(l) && isNumericType(r)) {
    if (isIntegerType(l) && isIntegerType(r)) {
      bool lu = l.base == BaseType::UInt64, ru = r.base == BaseType::UInt64;
      operand = lu && ru ? Type(BaseType::UInt64)
                         : (lu || ru ? Type(BaseType::Double) : Type(BaseType::Integer));
    } else {
      operand = Type(BaseType::Double);
    }
  } else if (l == r && (l.base == BaseType::String || l.base == BaseType::Boolean)) {
    if (l.base == BaseType::Boolean && !equality) {
      fail(kErrUndefinedOperator, e->line,
           std::string("Booleans cannot be compared with ") + opText(e->op));
    }
    operand = l;
  } else {
    fail(kErrTypeMismatch, e->line,
         "Type mismatch: " + typeName(l) + " " + opText(e->op) + " " + typeName(r));
  }
  e->lhs = coerce(e->lhs, operand, e->line);
  e->rhs = coerce(e->rhs, operand, e->line);
  e->type = Type(BaseType::Boolean);
  return e;
}

Expr* Checker::checkLogic(BinaryExpr* e) {
  Type l = e->lhs->type, r = e->rhs->type;
  if (isScalar(l, BaseType::Boolean) && isScalar(r, BaseType::Boolean)) {
    e->type = l;
    return e;
  }
  if (isIntegerType(l) && isIntegerType(r)) {
    e->type = integerResult(l, r);
  } else {
    auto fitsVariant = [](Type t) {
      return isScalar(t, BaseType::Variant) || isScalar(t, BaseType::Boolean) || isIntegerType(t);
    };
    bool anyVariant = isScalar(l, BaseType::Variant) || isScalar(r, BaseType::Variant);
    if (!anyVariant || !fitsVariant(l) || !fitsVariant(r)) {
      fail(kErrLogicOperands, e->line,
           std::string("'") + opText(e->op) + "' needs Booleans or integers, not " + typeName(l) +
               " and " + typeName(r));
    }
    e->type = Type(BaseType::Variant);
  }
  e->lhs = coerce(e->lhs, e->type, e->line);
  e->rhs = coerce(e->rhs, e->type, e->line);
  return e;
}

// name(args): an array element when name is an array variable, else a call (str() turns
// anything into text).
Expr* Checker::checkCall(CallExpr* e) {
  VarInfo* v = lookupVar(e->name);
  if (v && v->type.isArray()) return checkIndex(e, v);
  return checkMethodCall(e, v);
}

// name(args) where name is no array: a call; v is a scalar variable of that name, if any.
Expr* Checker::checkMethodCall(CallExpr* e, const VarInfo* v) {
  for (Expr*& a : e->args) a = check(a);
  if ((e->name == symStr_ || e->name == symCstr_) && e->args.count == 1 &&
      !hasCandidates(e->name)) {
    return toText(e->args[0], e->line);
  }
  e->call = resolveCall(e->name, e->args, e->line);
  if (!e->call) {
    if (v) failName(kErrNotAnArray, e->line, e->name, " is not an array or a method");
    failName(kErrUndefined, e->line, e->name, " is not declared");
  }
  e->type = e->call->result;
  return e;
}

Expr* Checker::checkIndex(CallExpr* e, VarInfo* array) {
  if (e->args.count < array->type.dims)
    fail(kErrTooFewSubscripts, e->line, "Too few subscripts for '" + spelling(e->name) + "'");
  if (e->args.count > array->type.dims)
    fail(kErrTooManySubscripts, e->line, "Too many subscripts for '" + spelling(e->name) + "'");
  for (Expr*& a : e->args) a = coerce(check(a), Type(BaseType::Integer), e->line);
  e->array = array;
  e->type = array->type.element();
  return e;
}

// Array members: ubound / lastindex, count, append / add, insert, remove.
Expr* Checker::checkMember(MemberExpr* e) {
  e->object = check(e->object);
  Type t = e->object->type;
  const std::string& m = script_.symbols.lower(e->member);
  if (!t.isArray())
    fail(kErrUndefined, e->line, "'" + spelling(e->member) + "' is not a member of " + typeName(t));
  size_t want = 0;
  if (m == "ubound" || m == "lastindex") {
    e->op = MemberOp::Ubound;
  } else if (m == "count") {
    e->op = MemberOp::Count;
  } else if (m == "append" || m == "add") {
    e->op = MemberOp::Append;
    want = 1;
  } else if (m == "insert" || m == "addat") {
    e->op = MemberOp::Insert;
    want = 2;
  } else if (m == "remove" || m == "removeat") {
    e->op = MemberOp::Remove;
    want = 1;
  } else {
    fail(kErrUndefined, e->line, "Arrays have no member '" + spelling(e->member) + "'");
  }
  if (e->args.count < want)
    fail(kErrNotEnoughParams, e->line, "Not enough parameters for '" + spelling(e->member) + "'");
  if (e->args.count > want)
    fail(kErrTooManyParams, e->line, "Too many parameters for '" + spelling(e->member) + "'");
  if (want > 0 && t.dims != 1)
    fail(kErrTypeMismatch, e->line, "Only one-dimensional arrays can grow or shrink");
  for (Expr*& a : e->args) a = check(a);
  if (e->op == MemberOp::Append) e->args[0] = coerce(e->args[0], t.element(), e->line);
  if (e->op == MemberOp::Insert) {
    e->args[0] = coerce(e->args[0], Type(BaseType::Integer), e->line);
    e->args[1] = coerce(e->args[1], t.element(), e->line);
  }
  if (e->op == MemberOp::Remove) e->args[0] = coerce(e->args[0], Type(BaseType::Integer), e->line);
  e->type = (e->op == MemberOp::Ubound || e->op == MemberOp::Count) ? Type(BaseType::Integer)
                                                                    : Type(BaseType::Void);
  return e;
}

Expr* Checker::convert(Expr* e, Type to, int line) {
  Type from = e->type;
  // A number literal converts to any number type, and is folded below: the commonest conversion,
  // a literal argument of a number parameter of another type.
  const bool numberLiteral = e->kind == ExprKind::Int || e->kind == ExprKind::Dbl;
  if (!numberLiteral || !isNumericType(to)) {
    requireValue(e, line);
    if (!isConvertible(from, to)) failConversion(from, to, line);
  }
  if (Expr* folded = foldConversion(e, to)) return folded;
  auto* c = arena_.make<ConvExpr>(e);
  c->type = to;
  c->line = line;
  c->depth = static_cast<uint16_t>(e->depth + 1);
  return c;
}

void Checker::failConversion(Type from, Type to, int line) {
  fail(kErrTypeMismatch, line,
       "Type mismatch: expected " + typeName(to) + ", got " + typeName(from));
}

// Literal conversions done at compile time: 2 as a Double is the constant 2.0.
Expr* Checker::foldConversion(Expr* e, Type to) {
  if (to.isArray()) return nullptr;
  if (e->kind == ExprKind::Int) {
    auto* lit = static_cast<IntLit*>(e);
    if (isFloatType(to.base)) {
      double d = static_cast<double>(lit->value);
      if (e->type.base == BaseType::UInt64)
        d = static_cast<double>(static_cast<uint64_t>(lit->value));
      auto* f = arena_.make<DblLit>(to.base == BaseType::Single ? static_cast<float>(d) : d);
      f->line = e->line;
      f->type = to;
      return f;
    }
    if (isIntegerType(to.base)) {
      lit->value = wrapToWidth(to.base, lit->value);
      lit->type = to;
      return lit;
    }
  }
  if (e->kind == ExprKind::Dbl && isFloatType(to.base)) {
    auto* lit = static_cast<DblLit*>(e);
    if (to.base == BaseType::Single) lit->value = static_cast<float>(lit->value);
    lit->type = to;
    return lit;
  }
  return nullptr;
}

// Str of any value, as print and str() show it.
Expr* Checker::toText(Expr* e, int line) {
  requireValue(e, line);
  Type t = e->type;
  if (isScalar(t, BaseType::String)) return e;
  if (t.isArray()) fail(kErrTypeMismatch, line, "Type mismatch: an array has no text");
  auto* c = arena_.make<ConvExpr>(e);
  c->type = Type(BaseType::String);
  c->line = line;
  c->depth = static_cast<uint16_t>(e->depth + 1);
  return c;
}

bool Checker::containsScriptCall(const Expr* e) const {
  switch (e->kind) {
    case ExprKind::Name: {
      auto* n = static_cast<const NameExpr*>(e);
      return n->call && n->call->callsScript;
    }
    case ExprKind::Unary:
      return containsScriptCall(static_cast<const UnaryExpr*>(e)->operand);
    case ExprKind::Binary: {
      for (; e->kind == ExprKind::Binary; e = static_cast<const BinaryExpr*>(e)->lhs) {
        if (containsScriptCall(static_cast<const BinaryExpr*>(e)->rhs)) return true;
      }
      return containsScriptCall(e);
    }
    case ExprKind::Conv:
      return containsScriptCall(static_cast<const ConvExpr*>(e)->operand);
    case ExprKind::Call: {
      auto* c = static_cast<const CallExpr*>(e);
      if (c->call && c->call->callsScript) return true;
      for (const Expr* a : c->args) {
        if (containsScriptCall(a)) return true;
      }
      return false;
    }
    case ExprKind::Member:
      return true;  // arrays may alias the String; keep it simple
    default:
      return false;
  }
}

}  // namespace vorline::script
