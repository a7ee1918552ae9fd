#include "platform/script/VariantOps.h"

#include <charconv>
#include <cmath>

#include "platform/text/TextOps.h"
#include "platform/values/RuntimeException.h"

namespace vorline::script {

namespace {

[[noreturn]] void conversionError(const std::string& what) {
  RaiseError(RuntimeErrorCode::TypeConversion, what);
}

// A Variant's number for an operator: a String through Val, an object is an error.
Variant asNumber(const Variant& v) {
  if (v.type() == Variant::TypeObject) conversionError("an object is not a number");
  if (v.isString()) {
    double d = Val(v.stringValue());
    if (d == std::trunc(d) && std::fabs(d) < 9.2e18)
      return Variant::Integer(static_cast<int64_t>(d));
    return Variant::Double(d);
  }
  if (v.isNil()) return Variant::Integer(0);
  if (v.type() == Variant::TypeBoolean) return Variant::Integer(v.booleanValue() ? 1 : 0);
  return v;
}

Variant integerResult(const Variant& a, const Variant& b, int64_t r) {
  if (a.type() == Variant::TypeInt64 || b.type() == Variant::TypeInt64) return Variant::Int64(r);
  return Variant::Integer(r);
}

// With a UInt64 on either side the operation is unsigned and wraps, as for typed operands.
Variant unsignedBinary(Tok op, uint64_t x, uint64_t y) {
  switch (op) {
    case Tok::Plus:
      return Variant::UInt64(x + y);
    case Tok::Minus:
      return Variant::UInt64(x - y);
    case Tok::Star:
      return Variant::UInt64(x * y);
    case Tok::Backslash:
      if (y == 0) RaiseError(RuntimeErrorCode::DivisionByZero);
      return Variant::UInt64(x / y);
    case Tok::KwMod:
      if (y == 0) RaiseError(RuntimeErrorCode::DivisionByZero);
      return Variant::UInt64(x % y);
    case Tok::KwAnd:
      return Variant::UInt64(x & y);
    case Tok::KwOr:
      return Variant::UInt64(x | y);
    case Tok::KwXor:
      return Variant::UInt64(x ^ y);
    default:
      return Variant::Double(0);
  }
}

Variant integerBinary(Tok op, const Variant& a, const Variant& b) {
  if (a.isUnsigned() || b.isUnsigned()) return unsignedBinary(op, a.uint64Value(), b.uint64Value());
  int64_t x = a.int64Value(), y = b.int64Value(), r = 0;
  switch (op) {
    case Tok::Plus:
      if (__builtin_add_overflow(x, y, &r)) RaiseError(RuntimeErrorCode::IntegerOverflow);
      break;
    case Tok::Minus:
      if (__builtin_sub_overflow(x, y, &r)) RaiseError(RuntimeErrorCode::IntegerOverflow);
      break;
    case Tok::Star:
      if (__builtin_mul_overflow(x, y, &r)) RaiseError(RuntimeErrorCode::IntegerOverflow);
      break;
    case Tok::Backslash:
      if (y == 0) RaiseError(RuntimeErrorCode::DivisionByZero);
      if (x == INT64_MIN && y == -1) RaiseError(RuntimeErrorCode::IntegerOverflow);
      r = x / y;
      break;
    case Tok::KwMod:
      if (y == 0) RaiseError(RuntimeErrorCode::DivisionByZero);
      r = y == -1 ? 0 : x % y;
      break;
    case Tok::KwAnd:
      r = x & y;
      break;
    case Tok::KwOr:
      r = x | y;
      break;
    case Tok::KwXor:
      r = x ^ y;
      break;
    default:
      return Variant::Double(0);
  }
  return integerResult(a, b, r);
}

Variant doubleBinary(Tok op, double x, double y) {
  switch (op) {
    case Tok::Plus:
      return Variant::Double(x + y);
    case Tok::Minus:
      return Variant::Double(x - y);
    case Tok::Star:
      return Variant::Double(x * y);
    case Tok::Slash:
      return Variant::Double(x / y);
    case Tok::Caret:
      return Variant::Double(std::pow(x, y));
    case Tok::KwMod:
      return Variant::Double(std::fmod(x, y));
    default:
      return Variant::Double(0);
  }
}

Variant logicBinary(Tok op, const Variant& a, const Variant& b) {
  if (a.type() == Variant::TypeBoolean || b.type() == Variant::TypeBoolean) {
    bool x = a.toBoolean(), y = b.toBoolean();
    bool r = op == Tok::KwAnd ? (x && y) : (op == Tok::KwOr ? (x || y) : (x != y));
    return Variant::Boolean(r);
  }
  Variant x = asNumber(a), y = asNumber(b);
  if (!x.isInteger() || !y.isInteger())
    conversionError("logic operators need Booleans or integers");
  return integerBinary(op, x, y);
}

}  // namespace

Variant variantBinary(Tok op, const Variant& a, const Variant& b) {
  if (op == Tok::KwAnd || op == Tok::KwOr || op == Tok::KwXor) return logicBinary(op, a, b);
  if (op == Tok::Plus && (a.isString() || b.isString())) {
    if (a.type() == Variant::TypeObject || b.type() == Variant::TypeObject)
      conversionError("an object is not text");
    return Variant::String(a.toString() + b.toString());
  }
  Variant x = asNumber(a), y = asNumber(b);
  if (op == Tok::Backslash) {
    if (!x.isInteger()) x = Variant::Integer(checkedTruncate(x.toDouble()));
    if (!y.isInteger()) y = Variant::Integer(checkedTruncate(y.toDouble()));
  }
  bool ints = x.isInteger() && y.isInteger() && op != Tok::Slash && op != Tok::Caret;
  if (ints) return integerBinary(op, x, y);
  return doubleBinary(op, x.toDouble(), y.toDouble());
}

// Texts compare as texts (letter case not counting), numbers as numbers, objects by identity
// (= and <> only); a String against a number reads the String with Val.
bool variantCompare(Tok op, const Variant& a, const Variant& b) {
  int c = 0;
  bool objects = a.type() == Variant::TypeObject || b.type() == Variant::TypeObject;
  if (objects || (a.isNil() && b.isNil())) {
    if (objects && !(a.type() == Variant::TypeObject || a.isNil()))
      conversionError("an object compared with a value");
    if (objects && !(b.type() == Variant::TypeObject || b.isNil()))
      conversionError("an object compared with a value");
    bool same = a.toObject() == b.toObject();
    if (op == Tok::Eq) return same;
    if (op == Tok::Ne) return !same;
    conversionError("objects are only equal or not");
  }
  if (a.isString() && b.isString()) {
    c = TextCompare(a.stringValue(), b.stringValue());
  } else {
    Variant x = asNumber(a), y = asNumber(b);
    if (x.isInteger() && y.isInteger() && !x.isUnsigned() && !y.isUnsigned()) {
      c = x.int64Value() < y.int64Value() ? -1 : (x.int64Value() > y.int64Value() ? 1 : 0);
    } else {
      double p = x.toDouble(), q = y.toDouble();
      if (std::isnan(p) || std::isnan(q)) return op == Tok::Ne;
      c = p < q ? -1 : (p > q ? 1 : 0);
    }
  }
  switch (op) {
    case Tok::Eq:
      return c == 0;
    case Tok::Ne:
      return c != 0;
    case Tok::Lt:
      return c < 0;
    case Tok::Gt:
      return c > 0;
    case Tok::Le:
      return c <= 0;
    case Tok::Ge:
      return c >= 0;
    default:
      return false;
  }
}

Variant variantNegate(const Variant& a) {
  Variant x = asNumber(a);
  if (x.isInteger()) {
    if (x.isUnsigned()) return Variant::UInt64(0 - x.uint64Value());
    if (x.int64Value() == INT64_MIN) RaiseError(RuntimeErrorCode::IntegerOverflow);
    return x.type() == Variant::TypeInt64 ? Variant::Int64(-x.int64Value())
                                          : Variant::Integer(-x.int64Value());
  }
  return Variant::Double(-x.toDouble());
}

Variant variantNot(const Variant& a) {
  if (a.type() == Variant::TypeBoolean) return Variant::Boolean(!a.booleanValue());
  if (a.isInteger())
    return a.isUnsigned() ? Variant::UInt64(~a.uint64Value()) : Variant::Integer(~a.int64Value());
  conversionError("'not' needs a Boolean or an integer");
}

Variant boxNumber(BaseType type, Num n) {
  switch (type) {
    case BaseType::Int64:
      return Variant::Int64(n.i);
    case BaseType::UInt64:
      return Variant::UInt64(n.u);
    case BaseType::Double:
      return Variant::Double(n.d);
    case BaseType::Single:
      return Variant::Single(static_cast<float>(n.d));
    case BaseType::Boolean:
      return Variant::Boolean(n.i != 0);
    default:
      return Variant::Integer(n.i);
  }
}

Num unboxNumber(BaseType type, const Variant& v) {
  if (v.type() == Variant::TypeObject) conversionError("an object is not a number");
  Num n;
  switch (type) {
    case BaseType::Boolean:
      n.i = v.toBoolean() ? 1 : 0;
      break;
    case BaseType::Double:
      n.d = v.toDouble();
      break;
    case BaseType::Single:
      n.d = static_cast<float>(v.toDouble());
      break;
    case BaseType::UInt64:
      n.u = v.isFloat() || v.isString() ? checkedTruncateUnsigned(v.toDouble()) : v.toUInt64();
      break;
    default:
      if (v.isFloat() || v.isString())
        n.i = checkedTruncate(v.toDouble());
      else
        n.i =
            v.isUnsigned() && isCheckedInteger(type) ? checkedSigned(v.uint64Value()) : v.toInt64();
      n.i = wrapToWidth(type, n.i);
      break;
  }
  return n;
}

Variant unboxObject(const Variant& v) {
  if (v.isNil() || v.type() == Variant::TypeObject) return v;
  conversionError("the value is not an object");
}

int64_t checkedTruncate(double d) {
  if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0)) {
    RaiseError(RuntimeErrorCode::IntegerOverflow, DisplayStr(d) + " does not fit in an Integer");
  }
  return static_cast<int64_t>(d);
}

int64_t checkedSigned(uint64_t u) {
  if (u > static_cast<uint64_t>(INT64_MAX))
    RaiseError(RuntimeErrorCode::IntegerOverflow,
               std::to_string(u) + " does not fit in an Integer");
  return static_cast<int64_t>(u);
}

uint64_t checkedTruncateUnsigned(double d) {
  if (d < 0) return static_cast<uint64_t>(checkedTruncate(d));
  if (!(d < 18446744073709551616.0)) {
    RaiseError(RuntimeErrorCode::IntegerOverflow, DisplayStr(d) + " does not fit in a UInt64");
  }
  return static_cast<uint64_t>(d);
}

}  // namespace vorline::script
