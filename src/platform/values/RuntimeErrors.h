// Every run-time error of ours, defined once. Each row: name, number, text, and how a detail
// shows: Prefixed gives "text: detail", Own gives the detail alone (the text is what shows
// without one). The numbers and texts are what users read in "Runtime Error" messages.
#pragma once

#include <cstdint>
#include <string_view>

#define VORLINE_RUNTIME_ERRORS(X)                            \
  X(OutOfBounds, 1, "Out of bounds", Prefixed)               \
  X(DivisionByZero, 2, "Integer division by zero", Prefixed) \
  X(IntegerOverflow, 3, "Integer overflow", Prefixed)        \
  X(NilObject, 4, "Nil object", Prefixed)                    \
  X(StackOverflow, 5, "Stack overflow", Prefixed)            \
  X(OutOfMemory, 6, "Out of memory", Prefixed)               \
  X(ZeroStep, 7, "Step of a for loop is zero", Prefixed)     \
  X(Stopped, 8, "Stopped", Prefixed)                         \
  X(TypeConversion, 9, "Type conversion", Prefixed)          \
  X(UnsupportedFormat, 10, "Unsupported format", Prefixed)   \
  X(KeyNotFound, 11, "Key not found", Prefixed)              \
  X(IOError, 12, "I/O error", Prefixed)                      \
  X(InvalidArgument, 13, "Invalid argument", Prefixed)       \
  X(RegExError, 14, "Pattern not accepted", Own)             \
  X(Failure, 15, "Unknown failure", Own)

namespace vorline {

enum class RuntimeErrorCode : int64_t {
#define VORLINE_RUNTIME_ERROR_ENUM(name, number, text, shows) name = number,
  VORLINE_RUNTIME_ERRORS(VORLINE_RUNTIME_ERROR_ENUM)
#undef VORLINE_RUNTIME_ERROR_ENUM
};

// The ErrorNumber that users see for an error.
constexpr int64_t ErrorNumberOf(RuntimeErrorCode code) { return static_cast<int64_t>(code); }

// The error's own text, as the table gives it.
std::string_view RuntimeErrorText(RuntimeErrorCode code);

}  // namespace vorline
