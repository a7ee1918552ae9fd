#include "platform/values/Variant.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/text/TextOps.h"

namespace vorline {

namespace {

// A Double truncated toward zero into the Int64 range; NaN gives 0.
int64_t saturatingInt64(double d) {
  if (std::isnan(d)) return 0;
  if (d >= 9223372036854775807.0) return std::numeric_limits<int64_t>::max();
  if (d <= -9223372036854775808.0) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(d);
}

}  // namespace

Variant Variant::Integer(int64_t v) {
  Variant r;
  r.type_ = TypeInteger;
  r.i_ = v;
  return r;
}

Variant Variant::Int64(int64_t v) {
  Variant r;
  r.type_ = TypeInt64;
  r.i_ = v;
  return r;
}

Variant Variant::UInt64(uint64_t v) {
  Variant r;
  r.type_ = TypeInt64;
  r.unsigned_ = true;
  r.i_ = static_cast<int64_t>(v);
  return r;
}

Variant Variant::Single(float v) {
  Variant r;
  r.type_ = TypeSingle;
  r.d_ = v;
  return r;
}

Variant Variant::Double(double v) {
  Variant r;
  r.type_ = TypeDouble;
  r.d_ = v;
  return r;
}

Variant Variant::String(std::string v) {
  Variant r;
  r.type_ = TypeString;
  r.s_ = std::move(v);
  return r;
}

Variant Variant::Boolean(bool v) {
  Variant r;
  r.type_ = TypeBoolean;
  r.i_ = v ? 1 : 0;
  return r;
}

Variant Variant::Object(std::shared_ptr<ScriptObject> v) {
  Variant r;
  if (!v) return r;  // a missing object is nil
  r.type_ = TypeObject;
  r.object_ = std::move(v);
  return r;
}

double Variant::toDouble() const {
  switch (type_) {
    case TypeInteger:
    case TypeInt64:
      return unsigned_ ? static_cast<double>(uint64Value()) : static_cast<double>(i_);
    case TypeSingle:
    case TypeDouble:
      return d_;
    case TypeString:
      return Val(s_);
    case TypeBoolean:
      return i_ != 0 ? 1.0 : 0.0;
    default:
      return 0.0;
  }
}

int64_t Variant::toInt64() const {
  switch (type_) {
    case TypeInteger:
    case TypeInt64:
    case TypeBoolean:
      return i_;
    case TypeSingle:
    case TypeDouble:
      return saturatingInt64(d_);
    case TypeString:
      return saturatingInt64(Val(s_));
    default:
      return 0;
  }
}

uint64_t Variant::toUInt64() const {
  double d = 0;
  switch (type_) {
    case TypeInteger:
    case TypeInt64:
    case TypeBoolean:
      return static_cast<uint64_t>(i_);
    case TypeSingle:
    case TypeDouble:
      d = d_;
      break;
    case TypeString:
      d = Val(s_);
      break;
    default:
      return 0;
  }
  // Negative values wrap as the Int64 would; large ones saturate at the UInt64 range.
  if (std::isnan(d)) return 0;
  if (d < 0) return static_cast<uint64_t>(saturatingInt64(d));
  if (d >= 18446744073709551615.0) return std::numeric_limits<uint64_t>::max();
  return static_cast<uint64_t>(d);
}

std::string Variant::toString() const {
  switch (type_) {
    case TypeInteger:
    case TypeInt64:
      return unsigned_ ? std::to_string(uint64Value()) : Str(i_);
    case TypeSingle:
      return SingleDisplayStr(d_);
    case TypeDouble:
      return DisplayStr(d_);
    case TypeString:
      return s_;
    case TypeBoolean:
      return i_ != 0 ? "True" : "False";
    case TypeObject:
      return object_ ? object_->typeName() : std::string();
    default:
      return std::string();
  }
}

bool Variant::toBoolean() const {
  switch (type_) {
    case TypeInteger:
    case TypeInt64:
    case TypeBoolean:
      return i_ != 0;
    case TypeSingle:
    case TypeDouble:
      return d_ != 0;
    case TypeString:
      return TextEquals(s_, "true");
    case TypeObject:
      return object_ != nullptr;
    default:
      return false;
  }
}

}  // namespace vorline
