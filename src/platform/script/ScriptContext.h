// The binding between the script engine and its context object: a context publishes a table of
// methods that scripts call by name. The engine resolves each call by name and argument types at
// compile time and converts every argument to the declared parameter type before the call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/values/Variant.h"

namespace vorline {

enum class ScriptType {
  Void,
  String,
  Integer,
  Int64,
  UInt64,
  Double,
  Single,
  Boolean,
  Variant,
  Object
};

// One argument of a direct call, as the engine holds it for the parameter's type: Integer and
// Int64 in int64, UInt64 in uint64, Double and Single in real, Boolean in int64 as 0 or 1, a
// String or a Variant (Object too) as the script's own value. Those two stay the script's and
// live until the call returns: a method that keeps one keeps a copy.
union ContextArg {
  int64_t int64;
  uint64_t uint64;
  double real;
  const std::string* text;
  const Variant* value;
};

// Where a direct call leaves its result, by the method's result type: numbers as ContextArg
// holds them, a String in text, a Variant or an Object in value. The engine hands every call
// one with text empty and value nil.
struct ContextResult {
  union {
    int64_t int64 = 0;
    uint64_t uint64;
    double real;
  };
  std::string text;
  Variant value;
};

// A direct entry: object is the method's own, args holds one value per parameter.
using ContextEntry = void (*)(void* object, const ContextArg* args, ContextResult& result);

struct ContextMethod {
  std::string name;  // case does not count when scripts call it
  std::vector<ScriptType> params;
  ScriptType result = ScriptType::Void;
  // Gets one Variant per parameter, already of the parameter's type (a Variant parameter gets
  // the value as it stands). Returns the result boxed (ignored for Void). May throw
  // RuntimeException (platform/values) or any std::exception: the engine turns it into a run-time
  // error of the script.
  std::function<Variant(const Variant* args, std::size_t count)> call;
  // Optional: the same method without the boxing, for methods that scripts call often. When it
  // is set the engine calls it in place of call, with the same values and the same treatment
  // of failures; call stays for callers that hold Variants.
  ContextEntry direct = nullptr;
  void* object = nullptr;
};

class ScriptContext {
 public:
  virtual ~ScriptContext() = default;
  // The method table, stable for the context's lifetime, in the context's own order.
  virtual const std::vector<ContextMethod>& methods() const = 0;

  // Counts memory that the context and its host take on for the running script (text it
  // prints, values it stores), or give back (a negative count), toward the run's memory budget.
  // Past the budget it throws the run-time error "Out of memory ..."; outside a run it does
  // nothing.
  void chargeRun(int64_t bytes) {
    if (charge_) charge_(bytes);
  }

 private:
  friend class ScriptEngine;
  std::function<void(int64_t bytes)> charge_;
};

}  // namespace vorline
