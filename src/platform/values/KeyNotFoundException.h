// A Dictionary lookup of a key that it does not hold. A RuntimeException with its own error number,
// so it reaches a running script as a run-time error with a clear message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/values/RuntimeException.h"

namespace vorline {

class KeyNotFoundException : public RuntimeException {
 public:
  explicit KeyNotFoundException(std::string_view key)
      : RuntimeException(RuntimeErrorCode::KeyNotFound, key) {}
};

}  // namespace vorline
