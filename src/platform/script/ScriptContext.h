// The binding between the script engine and its context object: a context publishes a table of
// methods that scripts call by name. The engine resolves each call by name and argument types at
// compile time and converts every argument to the declared parameter type before the call.
#pragma once

#include <cstddef>
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

struct ContextMethod {
  std::string name;  // case does not count when scripts call it
  std::vector<ScriptType> params;
  ScriptType result = ScriptType::Void;
  // Gets one Variant per parameter, already of the parameter's type (a Variant parameter gets
  // the value as it stands). Returns the result boxed (ignored for Void). May throw
  // RuntimeException (XojoScript.h) or any std::exception: the engine turns it into a run-time
  // error of the script.
  std::function<Variant(const Variant* args, std::size_t count)> call;
};

class ScriptContext {
 public:
  virtual ~ScriptContext() = default;
  // The method table, stable for the context's lifetime, in the context's own order.
  virtual const std::vector<ContextMethod>& methods() const = 0;
};

}  // namespace vorline
