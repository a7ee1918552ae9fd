// The platform's side of a window: what shows it on the screen (or records it, headless). The
// window keeps its state itself and tells its peer of every change.
#pragma once

#include <string_view>

namespace vorline {

class Control;

class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  // Shows the window and brings it to the front.
  virtual void show() = 0;
  // Shows the window modally: returns once it has closed (a headless peer may return at once).
  virtual void showModal() = 0;
  // Takes the window off the screen for good; called once. A close that the user asks for (the
  // title bar's button) is reported to Window::Close, which calls this in turn.
  virtual void close() = 0;
  // A property of the window changed ("Title", "Size", "MenuBar", "Design").
  virtual void windowChanged(std::string_view property) { (void)property; }
  // A control was added to the window.
  virtual void controlAdded(Control& control) { (void)control; }
  // The keyboard focus moved (Window::Focus() tells where).
  virtual void focusChanged() {}
};

}  // namespace vorline
