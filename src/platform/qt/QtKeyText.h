// The key texts that the platform's key events carry (Keyboard.h), read from Qt's key events.
#pragma once

#include <optional>
#include <string>

class QKeyEvent;

namespace vorline {

// The text of a key as KeyDown receives it: a typed character, or the code of Return, Enter
// (the keypad Enter key and Ctrl+Return), Esc, Tab, Backspace, Delete or an arrow. Nothing for
// a key the text control or the menus handle on their own (Home, F5, Ctrl+letter, Ctrl+arrow).
std::optional<std::string> keyTextOf(const QKeyEvent& event);

}  // namespace vorline
