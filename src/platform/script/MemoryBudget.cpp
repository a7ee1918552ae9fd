#include "platform/script/MemoryBudget.h"

#include <string>

#include "platform/values/RuntimeException.h"

namespace vorline::script {

void MemoryBudget::fail() const {
  RaiseError(RuntimeErrorCode::OutOfMemory,
             "the run holds more than " + std::to_string(limit_) + " bytes");
}

}  // namespace vorline::script
