// A menu shortcut as its text gives it: modifier names and the key joined by "+", as in
// "Cmd+Shift+s". "Cmd" is the command key (Ctrl on this platform), "Option" or "Alt" the option
// key; the key's letter case does not count.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorline {

struct ShortcutKey {
  bool command = false;
  bool shift = false;
  bool option = false;
  bool control = false;
  std::string key;  // letters upper case: "S", "F5", "+"

  // The shortcut of a text; nothing for "" or a text with an unknown modifier.
  static std::optional<ShortcutKey> Parse(std::string_view text);
  // The canonical text: modifiers in the order Cmd, Ctrl, Option, Shift, then the key.
  std::string ToString() const;

  friend bool operator==(const ShortcutKey&, const ShortcutKey&) = default;
};

}  // namespace vorline
