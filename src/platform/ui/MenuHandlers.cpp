#include "platform/ui/MenuHandlers.h"

namespace vorline {

void MenuHandlers::Add(const std::string& name, MenuHandler handler) {
  put(name, std::move(handler));
}

void MenuHandlers::Add(const std::string& name, IndexedMenuHandler handler) {
  put(name, std::move(handler));
}

void MenuHandlers::put(const std::string& name,
                       std::variant<MenuHandler, IndexedMenuHandler> handler) {
  for (Entry& entry : entries_) {
    if (entry.name == name) {
      entry.handler = std::move(handler);
      return;
    }
  }
  entries_.push_back({name, std::move(handler)});
}

const MenuHandlers::Entry* MenuHandlers::find(const std::string& name) const {
  for (const Entry& entry : entries_)
    if (entry.name == name) return &entry;
  return nullptr;
}

bool MenuHandlers::Has(const std::string& name) const { return find(name) != nullptr; }

std::optional<bool> MenuHandlers::Invoke(const std::string& name, int64_t index) const {
  const Entry* entry = find(name);
  if (!entry) return std::nullopt;
  // Copied, so a handler that registers or replaces handlers does not pull itself away.
  auto handler = entry->handler;
  if (auto* plain = std::get_if<MenuHandler>(&handler)) return *plain ? (*plain)() : false;
  auto& indexed = std::get<IndexedMenuHandler>(handler);
  return indexed ? indexed(index) : false;
}

std::vector<std::string> MenuHandlers::Names() const {
  std::vector<std::string> names;
  names.reserve(entries_.size());
  for (const Entry& entry : entries_) names.push_back(entry.name);
  return names;
}

}  // namespace vorline
