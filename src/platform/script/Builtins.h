// The language's built-in functions, registered from one table of {name, parameter types,
// result type, implementation}. Maths that loops lean on compile to their own instructions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/script/Bytecode.h"
#include "platform/script/ScriptString.h"
#include "platform/script/Types.h"
#include "platform/values/Variant.h"

namespace vorline::script {

class Vm;

// The arguments of one built-in call: the first register of each bank, parameters in order
// within their bank; the result goes to the out register of its bank.
struct BuiltinArgs {
  const Num* n = nullptr;
  const ScriptString* s = nullptr;
  const Variant* v = nullptr;
  Num* outN = nullptr;
  ScriptString* outS = nullptr;
  Variant* outV = nullptr;
  Vm* vm = nullptr;
};

using BuiltinFn = void (*)(BuiltinArgs&);

struct BuiltinDef {
  const char* name;
  std::vector<Type> params;
  Type result;
  BuiltinFn fn = nullptr;   // called through CALLB, unless
  Op inlineOp = Op::Count;  // a one-instruction form exists
  int32_t mathIndex = 0;    // for MATH1_D / MATH2_D
};

const std::vector<BuiltinDef>& builtins();

using Math1Fn = double (*)(double);
using Math2Fn = double (*)(double, double);
extern const Math1Fn kMath1[];
extern const Math2Fn kMath2[];

}  // namespace vorline::script
