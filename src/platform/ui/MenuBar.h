// The menu bar model: its items are the menu titles. One bar can serve the application and any
// number of windows; views (the platform's menus) follow its changes through listeners.
#pragma once

#include <functional>
#include <map>

#include "platform/ui/MenuItem.h"

namespace vorline {

class MenuBar : public MenuItem {
 public:
  using Listener = std::function<void(MenuItem& item, MenuChange change)>;

  // Registers a view's listener; the returned id removes it.
  int AddListener(Listener listener);
  void RemoveListener(int id);

 protected:
  void notify(MenuItem& item, MenuChange change) override;

 private:
  std::map<int, Listener> listeners_;
  int nextId_ = 1;
};

}  // namespace vorline
