// Fuzzes the script engine: any source is compiled and run under a budget of steps, memory and
// call depth, with a context that has the generated scripts' methods. Every input must end in a
// compile error, a run-time error or the script's end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/script/ScriptContext.h"
#include "platform/script/ScriptEngine.h"

namespace {

class FuzzContext : public vorline::ScriptContext {
 public:
  FuzzContext() {
    using T = vorline::ScriptType;
    auto quiet = [](const vorline::Variant*, std::size_t) { return vorline::Variant(); };
    methods_ = {
        {"setVar", {T::String, T::Double}, T::Void, quiet},
        {"tagLine", {T::Int64}, T::Void, quiet},
        {"stringField",
         {T::Int64},
         T::String,
         [](const vorline::Variant*, std::size_t) { return vorline::Variant::String(""); }},
        {"now",
         {},
         T::Double,
         [](const vorline::Variant*, std::size_t) { return vorline::Variant::Double(1.5e9); }},
        {"BitwiseShiftLeft",
         {T::UInt64, T::Int64},
         T::UInt64,
         [](const vorline::Variant* a, std::size_t) {
           return vorline::Variant::UInt64(a[0].uint64Value() << (a[1].int64Value() & 63));
         }},
        {"printAny1", {T::Variant}, T::Void, quiet},
        {"raise",
         {T::Int64},
         T::Void,
         [](const vorline::Variant* a, std::size_t) -> vorline::Variant {
           throw vorline::RuntimeException(a[0].int64Value(), "raised");
         }},
        {"setVar", {T::String, T::Int64}, T::Void, quiet},
        {"setVar", {T::String, T::String}, T::Void, quiet},
        {"printAny", {T::String}, T::Void, quiet},
        {"printAny", {T::Int64}, T::Void, quiet},
        {"printAny", {T::Double}, T::Void, quiet},
    };
  }
  const std::vector<vorline::ContextMethod>& methods() const override { return methods_; }

 private:
  std::vector<vorline::ContextMethod> methods_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzContext context;
  vorline::ScriptEngine script;
  script.Source.assign(reinterpret_cast<const char*>(data), size);
  script.Context = &context;
  script.Limits.maxSteps = 20000;
  script.Limits.maxCallDepth = 100;
  script.Limits.maxStringBytes = 64 * 1024;
  script.Limits.maxArrayElements = 10000;
  script.Limits.maxAllocatedBytes = 4 * 1024 * 1024;
  size_t printed = 0;
  script.Print = [&printed](const std::string& text) { printed += text.size(); };
  script.CompilerError = [](const vorline::ScriptLocation&, int64_t, const std::string&) {
    return false;
  };
  script.RuntimeError = [](const vorline::RuntimeException&) {};
  script.Run();
  return 0;
}
