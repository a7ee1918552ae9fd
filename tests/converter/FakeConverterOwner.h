// A host for the converter that keeps its memory as a list of names and records every call,
// so tests can check what a conversion registered, declared and asked.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "converter/ckConverterOwner.h"

namespace vorline {

class FakeConverterOwner : public ckConverterOwner {
 public:
  std::vector<std::string> memory{"ans"};  // names in the memory, in entry order
  std::vector<std::string> lines;          // the registered source lines
  std::vector<std::string> calls;          // every call: "has x", "create x", "declares", ...
  std::string currentPath = "/nonexistent/";
  std::string extraDeclares;  // appended to the declarations, for stored strings and the like
  bool debugFlag = false;

  bool msg_memory_has_symbol(std::string_view name) override {
    calls.push_back("has " + std::string(name));
    return std::find(memory.begin(), memory.end(), name) != memory.end();
  }
  void msg_memory_create_symbol(const std::string& name, const std::string&) override {
    calls.push_back("create " + name);
    memory.push_back(name);
  }
  int64_t msg_append_source_line(std::string_view line) override {
    calls.push_back("append " + std::string(line));
    lines.emplace_back(line);
    return static_cast<int64_t>(lines.size()) - 1;
  }
  std::string msg_memory_get_symbol_declares() override {
    calls.push_back("declares");
    std::string text;
    for (const std::string& name : memory) text += "dim " + name + " as double = 0\n";
    return text + extraDeclares;
  }
  std::string msg_memory_get_array_declares() override { return {}; }
  std::string msg_get_current_path() override {
    calls.push_back("path");
    return currentPath;
  }
  void msg_memory_reset() override {
    calls.push_back("reset");
    memory = {"ans"};
  }
  void msg_set_debug_flag(bool flag) override {
    calls.push_back(flag ? "debug 1" : "debug 0");
    debugFlag = flag;
  }

  // The registered lines, each followed by "\n" (so "" means none, "\n" one empty line).
  std::string registered() const {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
  }
};

}  // namespace vorline
