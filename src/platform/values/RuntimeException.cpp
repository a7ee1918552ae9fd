#include "platform/values/RuntimeException.h"

#include <new>

namespace vorline {

namespace {

enum class Shows { Prefixed, Own };

struct ErrorRow {
  std::string_view text;
  Shows shows;
};

ErrorRow rowOf(RuntimeErrorCode code) {
  switch (code) {
#define VORLINE_RUNTIME_ERROR_ROW(name, number, text, shows) \
  case RuntimeErrorCode::name:                               \
    return {text, Shows::shows};
    VORLINE_RUNTIME_ERRORS(VORLINE_RUNTIME_ERROR_ROW)
#undef VORLINE_RUNTIME_ERROR_ROW
  }
  return rowOf(RuntimeErrorCode::Failure);
}

std::string messageOf(RuntimeErrorCode code, std::string_view detail) {
  ErrorRow row = rowOf(code);
  if (detail.empty()) return std::string(row.text);
  if (row.shows == Shows::Own) return std::string(detail);
  std::string message(row.text);
  message += ": ";
  message += detail;
  return message;
}

}  // namespace

std::string_view RuntimeErrorText(RuntimeErrorCode code) { return rowOf(code).text; }

RuntimeException::RuntimeException(RuntimeErrorCode code, std::string_view detail)
    : RuntimeException(ErrorNumberOf(code), messageOf(code, detail)) {}

void RaiseError(RuntimeErrorCode code, std::string_view detail) {
  throw RuntimeException(code, detail);
}

RuntimeException RuntimeException::From(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const RuntimeException& e) {
    return e;
  } catch (const std::bad_alloc&) {
    return RuntimeException(RuntimeErrorCode::OutOfMemory);
  } catch (const std::length_error&) {
    return RuntimeException(RuntimeErrorCode::OutOfMemory);
  } catch (const std::exception& e) {
    return RuntimeException(ErrorNumberOf(RuntimeErrorCode::Failure), e.what());
  } catch (...) {
    return RuntimeException(RuntimeErrorCode::Failure);
  }
}

}  // namespace vorline
