// A pattern that the regular-expression engine rejects; Message says why. A RuntimeException with
// its own error number, so it reaches a running script as a run-time error with a clear message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/values/RuntimeException.h"

namespace vorline {

class RegExException : public RuntimeException {
 public:
  explicit RegExException(const std::string& what)
      : RuntimeException(RuntimeErrorCode::RegExError, what) {}
};

}  // namespace vorline
