#include "platform/ui/EventGuard.h"

#include <exception>

#include "platform/ui/UiServices.h"

namespace vorline {

std::string unexpectedErrorText(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return std::string(kUnexpectedErrorPrefix) + e.what();
  } catch (...) {
    return std::string(kUnexpectedErrorPrefix) + "unknown exception";
  }
}

bool guardEntry(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (...) {
    std::string text = unexpectedErrorText(std::current_exception());
    // Showing the message must not throw out of the event loop either.
    try {
      MsgBox(text);
    } catch (...) {
    }
    return false;
  }
}

}  // namespace vorline
