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

bool isIntegerType(BaseType b);
// Integer and Int64: overflow is an error. The sized types and UInt64 wrap.
bool isCheckedInteger(BaseType b);
bool isUnsigned(BaseType b);
bool isFloatType(BaseType b);
bool isNumericType(BaseType b);
inline bool isIntegerType(Type t) { return !t.isArray() && isIntegerType(t.base); }
inline bool isFloatType(Type t) { return !t.isArray() && isFloatType(t.base); }
inline bool isNumericType(Type t) { return !t.isArray() && isNumericType(t.base); }
inline bool isScalar(Type t, BaseType b) { return !t.isArray() && t.base == b; }

Bank bankOf(Type t);
std::string typeName(Type t);

// The static type of a context method's parameter or result.
Type fromScriptType(ScriptType t);

// The width in bits of a sized integer type (64 for Integer, Int64, UInt64).
int integerBits(BaseType b);

// Wraps a 64-bit value to a sized integer type's width (no change for 64-bit types).
int64_t wrapToWidth(BaseType b, int64_t v);

}  // namespace vorline::script
