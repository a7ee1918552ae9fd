// The framework's failure for a use of nothing where an object is needed (a window without a
// menu bar, an item that is not there).
#pragma once

#include <string>

#include "platform/values/RuntimeException.h"

namespace vorline {

class NilObjectException : public RuntimeException {
 public:
  explicit NilObjectException(const std::string& detail = {})
      : RuntimeException(RuntimeErrorCode::NilObject, detail) {}
};

}  // namespace vorline
