// Static types of the script language, as the checker resolves them and the compiler lays out
// registers for them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/script/ScriptContext.h"
#include "platform/values/Variant.h"

namespace vorline::script {

enum class BaseType : uint8_t {
  Void,
  Nil,  // the type of the literal nil
  Boolean,
  Integer,
  Int64,
  Int32,
  Int16,
  Int8,
  UInt64,
  UInt32,
  UInt16,
  UInt8,
  Double,
  Single,
  String,
  Variant,
  Object,
};

// The register bank a value lives in: numbers (and Booleans) in 8-byte slots, Strings, boxed
// values (Variants and host objects), arrays.
enum class Bank : uint8_t { Num, Str, Var, Arr, None };
inline constexpr int kBankCount = 4;

struct Type {
  BaseType base = BaseType::Void;
  uint8_t dims = 0;  // 0: a scalar; otherwise an array of `base` with that many dimensions

  constexpr Type() = default;
  constexpr Type(BaseType b, uint8_t d = 0) : base(b), dims(d) {}
  bool operator==(const Type&) const = default;

  bool isArray() const { return dims > 0; }
  Type element() const { return Type(base); }
};

// Inline, like bankOf below: the checker and the compiler ask them of every operand.
inline bool isIntegerType(BaseType b) { return b >= BaseType::Integer && b <= BaseType::UInt8; }
// Integer and Int64: overflow is an error. The sized types and UInt64 wrap.
inline bool isCheckedInteger(BaseType b) { return b == BaseType::Integer || b == BaseType::Int64; }
inline bool isUnsigned(BaseType b) { return b >= BaseType::UInt64 && b <= BaseType::UInt8; }
inline bool isFloatType(BaseType b) { return b == BaseType::Double || b == BaseType::Single; }
inline bool isNumericType(BaseType b) { return isIntegerType(b) || isFloatType(b); }
inline bool isIntegerType(Type t) { return !t.isArray() && isIntegerType(t.base); }
inline bool isFloatType(Type t) { return !t.isArray() && isFloatType(t.base); }
inline bool isNumericType(Type t) { return !t.isArray() && isNumericType(t.base); }
inline bool isScalar(Type t, BaseType b) { return !t.isArray() && t.base == b; }

inline Bank bankOf(Type t) {
  if (t.isArray()) return Bank::Arr;
  switch (t.base) {
    case BaseType::Void:
      return Bank::None;
    case BaseType::String:
      return Bank::Str;
    case BaseType::Variant:
    case BaseType::Object:
    case BaseType::Nil:
      return Bank::Var;
    default:
      return Bank::Num;
  }
}
std::string typeName(Type t);

// The static type of a context method's parameter or result.
Type fromScriptType(ScriptType t);

// The width in bits of a sized integer type (64 for Integer, Int64, UInt64).
int integerBits(BaseType b);

// Wraps a 64-bit value to a sized integer type's width (no change for 64-bit types).
int64_t wrapToWidth(BaseType b, int64_t v);

}  // namespace vorline::script
