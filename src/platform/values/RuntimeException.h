// The one error type of a run: an error number and a message. The framework's exception kinds
// derive from it, so whatever a service or a context method throws reaches a running script as a
// run-time error with its own number.
#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/values/RuntimeErrors.h"

namespace vorline {

class RuntimeException : public std::runtime_error {
 public:
  RuntimeException(int64_t number, const std::string& message)
      : std::runtime_error(message), ErrorNumber(number), Message(message) {}
  // One of our own errors: its number, and its text with the detail as the table says.
  explicit RuntimeException(RuntimeErrorCode code, std::string_view detail = {});
  int64_t ErrorNumber;
  std::string Message;

  // The run-time error for any failure: a RuntimeException stays as it is, a failed allocation
  // is OutOfMemory, anything else is Failure with its own message.
  static RuntimeException From(std::exception_ptr failure);
};

// Throws one of our own errors; the one place each of them is raised from.
[[noreturn]] void RaiseError(RuntimeErrorCode code, std::string_view detail = {});

}  // namespace vorline
