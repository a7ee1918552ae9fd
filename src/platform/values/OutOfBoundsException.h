// An index outside a list or a picture. A RuntimeException with its own error number, so it reaches
// a running script as a run-time error with a clear message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/values/RuntimeException.h"

namespace vorline {

class OutOfBoundsException : public RuntimeException {
 public:
  OutOfBoundsException(int64_t index, int64_t count)
      : RuntimeException(RuntimeErrorCode::OutOfBounds, "index " + std::to_string(index) + " of " +
                                                            std::to_string(count) + " entries") {}
};

}  // namespace vorline
