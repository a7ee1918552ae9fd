// An argument in a form that the operation does not handle (a shift width). A RuntimeException with
// its own error number, so it reaches a running script as a run-time error with a clear message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/values/RuntimeException.h"

namespace vorline {

class UnsupportedFormatException : public RuntimeException {
 public:
  explicit UnsupportedFormatException(const std::string& what)
      : RuntimeException(RuntimeErrorCode::UnsupportedFormat, what) {}
};

}  // namespace vorline
