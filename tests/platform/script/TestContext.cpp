#include "platform/script/TestContext.h"

namespace vorline::test {

std::string TestContext::describe(const Variant& v) {
  switch (v.type()) {
    case Variant::TypeNil:
      return "Nil";
    case Variant::TypeInteger:
      return "Integer " + v.toString();
    case Variant::TypeInt64:
      return (v.isUnsigned() ? "UInt64 " : "Int64 ") + v.toString();
    case Variant::TypeSingle:
      return "Single " + v.toString();
    case Variant::TypeDouble:
      return "Double " + v.toString();
    case Variant::TypeString:
      return "String " + v.stringValue();
    case Variant::TypeBoolean:
      return "Boolean " + v.toString();
    case Variant::TypeObject:
      return "Object " + v.toString();
  }
  return "?";
}

void TestContext::record(const std::string& name, const Variant* args, std::size_t count) {
  std::string entry = name;
  for (std::size_t i = 0; i < count; ++i) {
    // A name argument (the first of setVar) is written bare.
    entry += " " + (name == "setVar" && i == 0 ? args[i].stringValue() : describe(args[i]));
  }
  calls.push_back(entry);
}

TestContext::TestContext() {
  auto recorder = [this](const char* name) {
    return [this, name](const Variant* args, std::size_t count) {
      record(name, args, count);
      return Variant();
    };
  };
  using T = ScriptType;
  // In the order of the glue's method table.
  methods_.push_back({"setVar", {T::String, T::Double}, T::Void, recorder("setVar")});
  methods_.push_back({"tagLine", {T::Int64}, T::Void, recorder("tagLine")});
  methods_.push_back(
      {"stringField", {T::Int64}, T::String, [this](const Variant* args, std::size_t count) {
         record("stringField", args, count);
         return Variant::String("");
       }});
  methods_.push_back({"setVar", {T::String, T::Int64}, T::Void, recorder("setVar")});
  methods_.push_back({"setVar", {T::String, T::String}, T::Void, recorder("setVar")});
  methods_.push_back({"printAny", {T::String}, T::Void, recorder("printAny")});
  methods_.push_back({"printAny", {T::Int64}, T::Void, recorder("printAny")});
  methods_.push_back({"printAny", {T::Double}, T::Void, recorder("printAny")});
}

std::string TestContext::log() const {
  std::string s;
  for (const std::string& c : calls) s += (s.empty() ? "" : " | ") + c;
  return s;
}

}  // namespace vorline::test
