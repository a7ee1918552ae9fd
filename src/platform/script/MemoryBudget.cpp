#include "platform/script/MemoryBudget.h"

#include <string>

#include "platform/script/ScriptEngine.h"

namespace vorline::script {

void MemoryBudget::fail() const {
  throw RuntimeException(
      6, "Out of memory: the run holds more than " + std::to_string(limit_) + " bytes");
}

}  // namespace vorline::script
