// The window's script engine as one of its controls, so that it is found by name like the
// others ("script1"). It adds no behaviour to the engine but a memory budget; its design block sets
// the Source.
#pragma once

#include <unistd.h>

#include <string>

#include "platform/script/ScriptEngine.h"
#include "platform/ui/Control.h"

namespace vorline {

class ScriptEngineControl : public Control, public ScriptEngine {
 public:
  // Every run may hold a quarter of the machine's memory; past it the run ends with "Out of
  // memory" and the window stays usable. Set once, so a test or fuzz target may choose its own.
  ScriptEngineControl() { Limits.maxAllocatedBytes = quarterOfMemory(); }

 protected:
  bool applyProperty(const std::string& name, const DesignValue& value) override {
    if (name != "Source") return Control::applyProperty(name, value);
    Source = designString(value);
    return true;
  }

 private:
  static int64_t quarterOfMemory() {
    long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return 0;
    return static_cast<int64_t>(pages) * pageSize / 4;
  }
};

}  // namespace vorline
