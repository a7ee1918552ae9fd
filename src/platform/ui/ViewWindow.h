// The window that shows a calculator window's drawing view: the script's off-screen picture,
// shown in a window of its own that belongs to the window that ran the script. Every call shows
// the picture as it is at that moment, so a script that draws and shows again is seen again.
// The Qt front end installs the real service; without one (tests, the pad runner) nothing shows.
#pragma once

#include <memory>

namespace vorline {

class Picture;
class Window;

class ViewWindowService {
 public:
  virtual ~ViewWindowService() = default;
  // Shows the picture in the owner's view window (made on first use, brought to the front),
  // sized to the picture. A null picture shows nothing.
  virtual void showView(Window& owner, const std::shared_ptr<Picture>& picture) = 0;
};

namespace detail {
inline ViewWindowService* installedViewWindowService = nullptr;
}  // namespace detail

// Installs the service (nullptr: none); returns the one installed before.
inline ViewWindowService* installViewWindowService(ViewWindowService* service) {
  ViewWindowService* before = detail::installedViewWindowService;
  detail::installedViewWindowService = service;
  return before;
}

// What the glue's showView calls, through its owner window: shows the drawing view.
inline void ShowViewWindow(Window& owner, const std::shared_ptr<Picture>& picture) {
  if (detail::installedViewWindowService)
    detail::installedViewWindowService->showView(owner, picture);
}

}  // namespace vorline
