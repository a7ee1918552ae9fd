// A file or process operation that the system refused. A RuntimeException with its own error
// number, so it reaches a running script as a run-time error with a clear message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/values/RuntimeException.h"

namespace vorline {

class IOException : public RuntimeException {
 public:
  explicit IOException(const std::string& what)
      : RuntimeException(RuntimeErrorCode::IOError, what) {}
};

}  // namespace vorline
