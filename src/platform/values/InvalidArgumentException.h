// A value outside what the operation accepts (a moment beyond the calendar, a picture size). A
// RuntimeException with its own error number, so it reaches a running script as a run-time error
// with a clear message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/values/RuntimeException.h"

namespace vorline {

class InvalidArgumentException : public RuntimeException {
 public:
  explicit InvalidArgumentException(const std::string& what)
      : RuntimeException(RuntimeErrorCode::InvalidArgument, what) {}
};

}  // namespace vorline
