#include "platform/script/OverloadRank.h"

#include <algorithm>
#include <functional>

namespace vorline::script {

namespace {

constexpr int kRankExact = 0, kRankWidens = 1, kRankToFloat = 2, kRankNarrows = 3,
              kRankToInteger = 4, kRankToVariant = 5;

// Whether every value of integer type a is a value of integer type b.
bool integerHolds(BaseType a, BaseType b) {
  const bool ua = isUnsigned(a), ub = isUnsigned(b);
  const int wa = integerBits(a), wb = integerBits(b);
  if (ua == ub) return wb >= wa;
  return ua && wb > wa;
}

// The static type of what a Variant holds.
Type heldType(const Variant& v) {
  switch (v.type()) {
    case Variant::TypeInteger:
      return Type(BaseType::Integer);
    case Variant::TypeInt64:
      return Type(v.isUnsigned() ? BaseType::UInt64 : BaseType::Int64);
    case Variant::TypeSingle:
      return Type(BaseType::Single);
    case Variant::TypeDouble:
      return Type(BaseType::Double);
    case Variant::TypeString:
      return Type(BaseType::String);
    case Variant::TypeBoolean:
      return Type(BaseType::Boolean);
    case Variant::TypeObject:
      return Type(BaseType::Object);
    default:
      return Type(BaseType::Nil);
  }
}

}  // namespace

int conversionRank(Type arg, Type param) {
  if (arg == param) return kRankExact;
  if (arg.isArray() || param.isArray()) return -1;
  if (arg.base == BaseType::Variant)
    return param.base == BaseType::Void || param.base == BaseType::Nil ? -1 : kRankRuntime;
  if (param.base == BaseType::Variant) return arg.base == BaseType::Void ? -1 : kRankToVariant;
  if (isIntegerType(arg.base) && isIntegerType(param.base))
    return integerHolds(arg.base, param.base) ? kRankWidens : kRankNarrows;
  if (isFloatType(arg.base) && isFloatType(param.base)) return kRankWidens;
  if (isIntegerType(arg.base) && isFloatType(param.base)) return kRankToFloat;
  if (isFloatType(arg.base) && isIntegerType(param.base)) return kRankToInteger;
  if (arg.base == BaseType::Nil && param.base == BaseType::Object) return kRankExact;
  return -1;
}

int heldRank(const Variant& held, Type param) {
  if (param.base == BaseType::Variant) return kRankExact;
  const bool object = param.base == BaseType::Object;
  if (held.type() == Variant::TypeObject && !object) return 100;
  const int rank = conversionRank(heldType(held), param);
  if (rank >= 0) return rank;
  if (object) return 100;
  if (param.base == BaseType::String) return kRankRuntime + 1;
  if (isIntegerType(param.base)) return kRankRuntime + 2;
  if (isFloatType(param.base)) return kRankRuntime + 3;
  return kRankRuntime + 4;
}

bool ranksBeat(std::vector<int>& a, std::vector<int>& b) {
  std::sort(a.begin(), a.end(), std::greater<int>());
  std::sort(b.begin(), b.end(), std::greater<int>());
  return a < b;
}

}  // namespace vorline::script
