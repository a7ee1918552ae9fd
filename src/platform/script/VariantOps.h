// Operators and conversions on Variants at run time: numbers compute as numbers (Integer when
// both are integers), + with a String joins texts, other operators read a String with Val.
#pragma once

#include <string>

#include "platform/script/Bytecode.h"
#include "platform/script/Lexer.h"
#include "platform/script/Types.h"
#include "platform/values/Variant.h"

namespace vorline::script {

Variant variantBinary(Tok op, const Variant& a, const Variant& b);
bool variantCompare(Tok op, const Variant& a, const Variant& b);
Variant variantNegate(const Variant& a);
Variant variantNot(const Variant& a);

// Boxing a number register of a static type, and reading one back (checked).
Variant boxNumber(BaseType type, Num n);
Num unboxNumber(BaseType type, const Variant& v);
// A Variant as an object (or nil); anything else is a type conversion error.
Variant unboxObject(const Variant& v);

// Double to a 64-bit integer, truncating toward zero; out of range is a run-time error.
int64_t checkedTruncate(double d);
uint64_t checkedTruncateUnsigned(double d);
// A UInt64 as a 64-bit signed integer; a value above its range is a run-time error.
int64_t checkedSigned(uint64_t u);

}  // namespace vorline::script
