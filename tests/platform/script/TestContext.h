// A script context for tests: tagLine, the three setVar and the three printAny overloads of the
// glue's method table, and stringField, each recording what it receives. Tests add methods of
// their own with add().
#pragma once

#include <string>
#include <vector>

#include "platform/script/ScriptContext.h"
#include "platform/values/Variant.h"

namespace vorline::test {

// A host object as methods of a test context return it.
class TestFolder : public ScriptObject {
 public:
  std::string typeName() const override { return "FolderItem"; }
};

class TestContext : public ScriptContext {
 public:
  TestContext();
  const std::vector<ContextMethod>& methods() const override { return methods_; }

  void add(ContextMethod method) { methods_.push_back(std::move(method)); }

  // One entry per call, such as "tagLine 0", "setVar x Double 6", "printAny Int64 3".
  std::vector<std::string> calls;
  // The calls joined with " | ".
  std::string log() const;

  // A value as the log writes it: its type and its text.
  static std::string describe(const Variant& v);

 private:
  void record(const std::string& name, const Variant* args, std::size_t count);
  std::vector<ContextMethod> methods_;
};

}  // namespace vorline::test
