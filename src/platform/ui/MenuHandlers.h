// The menu handlers of a window or of the application, registered by item name. A handler
// returns True when it handled the command; the handler of an item array gets the index of the
// chosen item.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vorline {

using MenuHandler = std::function<bool()>;
using IndexedMenuHandler = std::function<bool(int64_t index)>;

class MenuHandlers {
 public:
  // Registers the handler under the name; a second registration of a name replaces the first
  // and keeps its place.
  void Add(const std::string& name, MenuHandler handler);
  void Add(const std::string& name, IndexedMenuHandler handler);

  bool Has(const std::string& name) const;
  // Runs the handler of that name; nothing when there is none, else the handler's answer.
  std::optional<bool> Invoke(const std::string& name, int64_t index) const;
  // The registered names, in the order of their first registration.
  std::vector<std::string> Names() const;

 private:
  struct Entry {
    std::string name;
    std::variant<MenuHandler, IndexedMenuHandler> handler;
  };
  void put(const std::string& name, std::variant<MenuHandler, IndexedMenuHandler> handler);
  const Entry* find(const std::string& name) const;

  std::vector<Entry> entries_;
};

}  // namespace vorline
