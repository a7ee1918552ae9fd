// A request beyond the size limits of a service (a picture, shell output). A RuntimeException with
// its own error number, so it reaches a running script as a run-time error with a clear message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/values/RuntimeException.h"

namespace vorline {

class OutOfMemoryException : public RuntimeException {
 public:
  explicit OutOfMemoryException(const std::string& what)
      : RuntimeException(RuntimeErrorCode::OutOfMemory, what) {}
};

}  // namespace vorline
