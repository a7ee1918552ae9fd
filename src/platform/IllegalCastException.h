// The framework's failure for an object taken as a class that it is not (a control looked up by
// name as the wrong kind).
#pragma once

#include <stdexcept>
#include <string>

namespace vorline {

class IllegalCastException : public std::runtime_error {
public:
  explicit IllegalCastException(const std::string& what = "Illegal cast") : std::runtime_error(what) {}
};

}  // namespace vorline
