// The framework's failure for a use of nothing where an object is needed (a window without a
// menu bar, an item that is not there).
#pragma once

#include <stdexcept>
#include <string>

namespace vorline {

class NilObjectException : public std::runtime_error {
public:
  explicit NilObjectException(const std::string& what = "Nil object") : std::runtime_error(what) {}
};

}  // namespace vorline
