#include "platform/ui/MenuBar.h"

#include <vector>

namespace vorline {

int MenuBar::AddListener(Listener listener) {
  int id = nextId_++;
  listeners_.emplace(id, std::move(listener));
  return id;
}

void MenuBar::RemoveListener(int id) { listeners_.erase(id); }

void MenuBar::notify(MenuItem& item, MenuChange change) {
  // A listener may remove itself (a view that goes away), so call over a copy.
  std::vector<Listener> current;
  current.reserve(listeners_.size());
  for (const auto& [id, listener] : listeners_) current.push_back(listener);
  for (const auto& listener : current) listener(item, change);
}

}  // namespace vorline
