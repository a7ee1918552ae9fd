// Every entry point from the event loop (a menu command, a key, a timer, an open request) runs
// its handler through guardEntry: an exception that escapes it is shown in a message box as
// "Unexpected error: " and its message, and the program goes on with the window as it was.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace vorline {

inline constexpr const char* kUnexpectedErrorPrefix = "Unexpected error: ";

// Runs the handler; returns false when an exception escaped it (and was shown).
bool guardEntry(const std::function<void()>& handler);

// The message box text for an escaped exception.
std::string unexpectedErrorText(const std::exception_ptr& error);

}  // namespace vorline
