// A window: its design, its controls (found by name), its menu bar and its menu handlers (by
// item name), and the events its subclass handles. Windows are made with std::make_shared and
// set up with Constructor(); the application holds every shown window until it closes.
//
// The platform delivers user input through the Deliver* entry points, which catch what escapes
// a handler (EventGuard.h); menu commands arrive through the Application.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/MenuHandlers.h"
#include "platform/ui/PropertyBlock.h"
#include "platform/values/IllegalCastException.h"

namespace vorline {

class Canvas;
class Label;
class MenuBar;
class Rectangle;
class TextArea;
class Timer;
class WindowPeer;

class Window : public std::enable_shared_from_this<Window> {
 public:
  Window();  // needs an installed toolkit (UiToolkit.h)
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Sets the window up: Layout, CreateControls and AddMenuHandlers, then every control's Open
  // event in the order of creation, then the focus goes to the first control that takes it.
  void Constructor();
  // Shows the window and brings it to the front; the application holds it from then on.
  void Show();
  // Shows the window modally; returns once it is closed (at once on a headless platform).
  void ShowModal();
  // Closes the window for good; the application lets it go. Safe inside its own handlers.
  void Close();
  bool IsShown() const { return shown_ && !closed_; }
  bool IsClosed() const { return closed_; }

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  const std::shared_ptr<MenuBar>& GetMenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<MenuBar> bar);

  int64_t Width() const { return width_; }
  int64_t Height() const { return height_; }
  int64_t MinWidth() const { return minWidth_; }
  int64_t MinHeight() const { return minHeight_; }
  int64_t MaxWidth() const { return maxWidth_; }
  int64_t MaxHeight() const { return maxHeight_; }
  // Sizes the window as the user's resizing does: within its limits, with every control
  // following by its locks.
  void Resize(int64_t width, int64_t height);

  // Applies the window's design block (see Control::SetProperties).
  void SetProperties(const PropertyBlock& block);
  const DesignValue* designValue(std::string_view name) const;

  // A new control of the platform's kind for this window, not yet added (TextArea, Canvas,
  // Label, Rectangle or Timer).
  template <class T>
  std::shared_ptr<T> New();
  // Adds a control under a name; any Control subclass will do, also one without a view.
  void _AddControl(std::shared_ptr<Control> control, const std::string& name);
  // The control of that name, or nullptr.
  std::shared_ptr<Control> _ControlByName(const std::string& name) const;
  // The control of that name as a T; nullptr when there is none, IllegalCastException when it
  // is of another class.
  template <class T>
  std::shared_ptr<T> ControlByName(const std::string& name) const;
  const std::vector<std::shared_ptr<Control>>& Controls() const { return controls_; }

  // The control that has the keyboard focus, or nullptr for the window itself.
  Control* Focus() const { return focus_; }
  // Gives the focus to a control that can take it (enabled, visible); nullptr to the window.
  void SetFocus(Control* control);

  void _AddMenuHandler(const std::string& itemName, MenuHandler handler);
  void _AddMenuHandler(const std::string& itemName, IndexedMenuHandler handler);
  const MenuHandlers& menuHandlers() const { return handlers_; }

  // Entry points of the platform. A key goes to the focused text area (its KeyDown, then its
  // own typing) or, when no enabled text area has the focus, to the window's Event_KeyDown.
  // Returns whether a handler consumed the key.
  bool DeliverKey(const std::string& key);
  // A mouse press in the window; when Event_MouseDown answers True the release is delivered.
  void DeliverMouseDown(int64_t x, int64_t y);
  void DeliverMouseUp(int64_t x, int64_t y);

  WindowPeer& peer() const { return *peer_; }

  // A control's visibility or enabled state changed: a control that can no longer hold the
  // focus loses it.
  void controlStateChanged(Control& control);

  // Construction hooks and events, for subclasses.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}
  virtual bool Event_KeyDown(const std::string& key) {
    (void)key;
    return false;
  }
  virtual bool Event_MouseDown(int64_t x, int64_t y) {
    (void)x;
    (void)y;
    return false;
  }
  virtual void Event_MouseUp(int64_t x, int64_t y) {
    (void)x;
    (void)y;
  }
  // Raised before a menu shows or a shortcut is matched, after every item got its automatic
  // state; the front window enables the items it serves beyond that.
  virtual void Event_EnableMenuItems() {}
  // Raised when the window comes to the front: shown, chosen by the user, or left in front by
  // the closing of the window before it.
  virtual void Event_Activate() {}

 private:
  void focusFirstControl();
  bool applyProperty(const std::string& name, const DesignValue& value);

  std::unique_ptr<WindowPeer> peer_;
  std::string title_;
  std::shared_ptr<MenuBar> menuBar_;
  int64_t width_ = 300, height_ = 300;
  int64_t minWidth_ = 64, minHeight_ = 64;
  int64_t maxWidth_ = 32000, maxHeight_ = 32000;
  std::map<std::string, DesignValue, std::less<>> design_;
  std::vector<std::shared_ptr<Control>> controls_;
  Control* focus_ = nullptr;
  MenuHandlers handlers_;
  bool constructed_ = false;
  bool shown_ = false;
  bool closed_ = false;
  bool mouseCaptured_ = false;
};

template <>
std::shared_ptr<TextArea> Window::New<TextArea>();
template <>
std::shared_ptr<Canvas> Window::New<Canvas>();
template <>
std::shared_ptr<Label> Window::New<Label>();
template <>
std::shared_ptr<Rectangle> Window::New<Rectangle>();
template <>
std::shared_ptr<Timer> Window::New<Timer>();

template <class T>
std::shared_ptr<T> Window::ControlByName(const std::string& name) const {
  std::shared_ptr<Control> control = _ControlByName(name);
  if (!control) return nullptr;
  auto typed = std::dynamic_pointer_cast<T>(control);
  if (!typed) throw IllegalCastException("Illegal cast: control " + name);
  return typed;
}

}  // namespace vorline
