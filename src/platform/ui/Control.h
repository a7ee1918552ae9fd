// A control of a window: its name and index, its place and the edges it is locked to, whether
// it shows and takes input, and the design values it was given. The base keeps every property
// that only the program changes; an implementation follows the changes through
// propertyChanged() and keeps the state that the user changes (a text area's text) itself.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "platform/ui/PropertyBlock.h"

namespace vorline {

class Window;

// The index of a control that is no member of a control array.
inline constexpr int64_t kNoControlIndex = -2147483648LL;

class Control {
 public:
  Control() = default;
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  int64_t Index() const { return index_; }
  // The window that holds the control; nullptr before it is added or once the window is gone.
  Window* window() const { return window_; }

  int64_t Left() const { return left_; }
  int64_t Top() const { return top_; }
  int64_t Width() const { return width_; }
  int64_t Height() const { return height_; }
  void SetLeft(int64_t v);
  void SetTop(int64_t v);
  void SetWidth(int64_t v);
  void SetHeight(int64_t v);

  bool LockLeft() const { return lockLeft_; }
  bool LockTop() const { return lockTop_; }
  bool LockRight() const { return lockRight_; }
  bool LockBottom() const { return lockBottom_; }

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  int64_t TabIndex() const { return tabIndex_; }
  bool TabStop() const { return tabStop_; }
  // The name of the control it lies in ("" for the window itself).
  const std::string& InitialParent() const { return initialParent_; }
  // Whether the control can hold the keyboard focus.
  virtual bool AcceptsFocus() const { return false; }

  // Applies a design block in order. Every entry is kept (designValue); the ones the control
  // knows take effect, the others (properties this platform has no use for) change nothing.
  void SetProperties(const PropertyBlock& block);
  // The last design value given under that name, or nullptr.
  const DesignValue* designValue(std::string_view name) const;

  // Moves and sizes the control for a window that grew by (dw, dh): locked to both opposite
  // edges it stretches, locked to the far edge only it moves, otherwise it stays.
  void FollowResize(int64_t dw, int64_t dh);

  // The control's Open event, raised once when its window has made all its controls.
  virtual void RaiseOpen() {}

 protected:
  // Takes effect of one design entry; returns false for a name the control does not know.
  // Subclasses handle their own names and pass the others on to their base.
  virtual bool applyProperty(const std::string& name, const DesignValue& value);
  // A property changed, named as the design names it ("Left", "Visible", "Text", ...); the
  // implementation brings its view up to date. "Design" follows a whole design block.
  virtual void propertyChanged(std::string_view name) { (void)name; }

 private:
  friend class Window;
  void attach(Window* window, const std::string& name);
  void detach() { window_ = nullptr; }

  Window* window_ = nullptr;
  std::string name_;
  int64_t index_ = kNoControlIndex;
  int64_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool lockLeft_ = true, lockTop_ = true, lockRight_ = false, lockBottom_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  int64_t tabIndex_ = 0;
  bool tabStop_ = true;
  std::string initialParent_;
  std::map<std::string, DesignValue, std::less<>> design_;
};

}  // namespace vorline
