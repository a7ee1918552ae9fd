// The platform's boxed value: any script value with its type code. The glue, the engine and the
// window share it (context method arguments and results, the variables memory).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/values/ScriptObject.h"

namespace vorline {

class Variant {
 public:
  // Type codes as the platform reports them (VarType).
  enum Type : int {
    TypeNil = 0,
    TypeInteger = 2,
    TypeInt64 = 3,  // also UInt64, told apart by isUnsigned()
    TypeSingle = 4,
    TypeDouble = 5,
    TypeString = 8,
    TypeObject = 9,
    TypeBoolean = 11,
  };

  Variant() = default;  // nil
  static Variant Integer(int64_t v);
  static Variant Int64(int64_t v);
  static Variant UInt64(uint64_t v);
  static Variant Single(float v);
  static Variant Double(double v);
  static Variant String(std::string v);
  static Variant Boolean(bool v);
  static Variant Object(std::shared_ptr<ScriptObject> v);

  Type type() const { return type_; }
  bool isNil() const { return type_ == TypeNil; }
  bool isUnsigned() const { return unsigned_; }
  bool isInteger() const { return type_ == TypeInteger || type_ == TypeInt64; }
  bool isFloat() const { return type_ == TypeSingle || type_ == TypeDouble; }
  bool isNumber() const { return isInteger() || isFloat(); }
  bool isString() const { return type_ == TypeString; }

  // Conversions as the platform's Variant makes them: a String through Val, a Boolean as 1/0,
  // nil as 0; toString gives Str of integers, the display form of Doubles, "True"/"False".
  double toDouble() const;
  int64_t toInt64() const;  // a Double truncates toward zero (saturating at the Int64 range)
  uint64_t toUInt64() const;
  std::string toString() const;
  bool toBoolean() const;  // numbers: non-zero; Strings: "true" letter case not counting
  std::shared_ptr<ScriptObject> toObject() const { return object_; }

  // The raw payload for the stored type (no conversion).
  int64_t int64Value() const { return i_; }
  uint64_t uint64Value() const { return static_cast<uint64_t>(i_); }
  double doubleValue() const { return d_; }
  bool booleanValue() const { return i_ != 0; }
  const std::string& stringValue() const { return s_; }

 private:
  Type type_ = TypeNil;
  bool unsigned_ = false;
  int64_t i_ = 0;  // integers (UInt64 stored bit for bit) and Booleans
  double d_ = 0;   // Single and Double
  std::string s_;
  std::shared_ptr<ScriptObject> object_;
};

}  // namespace vorline
