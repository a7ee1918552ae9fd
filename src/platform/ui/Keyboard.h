// The keyboard: the state of the modifier keys, and the key texts that key events carry.
#pragma once

#include <string_view>

#include "platform/ui/UiServices.h"

namespace vorline {

class Keyboard {
 public:
  // True while the Option key (Alt on this platform) is held down at the moment of the call.
  static bool AsyncOptionKey() { return ui().optionKeyDown(); }
};

// The texts of the keys that are not characters, as KeyDown receives them. The keypad Enter
// key, and Ctrl+Return for keyboards without one, send Enter; Return sends Return and types a
// line break.
namespace Keys {
inline constexpr std::string_view Enter = "\x03";
inline constexpr std::string_view Backspace = "\x08";
inline constexpr std::string_view Tab = "\t";
inline constexpr std::string_view Return = "\r";
inline constexpr std::string_view Escape = "\x1b";
inline constexpr std::string_view Left = "\x1c";
inline constexpr std::string_view Right = "\x1d";
inline constexpr std::string_view Up = "\x1e";
inline constexpr std::string_view Down = "\x1f";
inline constexpr std::string_view Delete = "\x7f";
}  // namespace Keys

}  // namespace vorline
