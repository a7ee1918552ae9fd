// The framework's failure for an object taken as a class that it is not (a control looked up by
// name as the wrong kind).
#pragma once

#include <string>

#include "platform/values/RuntimeException.h"

namespace vorline {

class IllegalCastException : public RuntimeException {
 public:
  explicit IllegalCastException(const std::string& what = "Illegal cast")
      : RuntimeException(RuntimeErrorCode::Failure, what) {}
};

}  // namespace vorline
