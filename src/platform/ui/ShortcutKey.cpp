#include "platform/ui/ShortcutKey.h"

#include "platform/text/TextOps.h"

namespace vorline {
namespace {

// Sets the flag of one modifier name; false for a name that is none.
bool applyModifier(ShortcutKey& shortcut, std::string_view name) {
  std::string m = Lowercase(name);
  if (m == "cmd" || m == "command")
    shortcut.command = true;
  else if (m == "shift")
    shortcut.shift = true;
  else if (m == "option" || m == "alt")
    shortcut.option = true;
  else if (m == "ctrl" || m == "control")
    shortcut.control = true;
  else
    return false;
  return true;
}

}  // namespace

std::optional<ShortcutKey> ShortcutKey::Parse(std::string_view text) {
  if (text.empty()) return std::nullopt;
  // The key is what follows the last "+", or "+" itself when the text ends with "++".
  std::string_view key;
  std::string_view modifiers;
  if (text.size() >= 2 && text.substr(text.size() - 2) == "++") {
    key = "+";
    modifiers = text.substr(0, text.size() - 2);
  } else {
    std::size_t plus = text.rfind('+');
    key = plus == std::string_view::npos ? text : text.substr(plus + 1);
    modifiers = plus == std::string_view::npos ? std::string_view() : text.substr(0, plus);
  }
  if (key.empty()) return std::nullopt;
  ShortcutKey shortcut;
  shortcut.key = Uppercase(key);
  while (!modifiers.empty()) {
    std::size_t plus = modifiers.find('+');
    std::string_view name = modifiers.substr(0, plus);
    if (!applyModifier(shortcut, name)) return std::nullopt;
    modifiers = plus == std::string_view::npos ? std::string_view() : modifiers.substr(plus + 1);
  }
  return shortcut;
}

std::string ShortcutKey::ToString() const {
  std::string out;
  if (command) out += "Cmd+";
  if (control) out += "Ctrl+";
  if (option) out += "Option+";
  if (shift) out += "Shift+";
  return out + key;
}

}  // namespace vorline
