#include "platform/ui/Window.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/EventGuard.h"
#include "platform/ui/Label.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/Rectangle.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UiToolkit.h"
#include "platform/ui/WindowPeer.h"

namespace vorline {

Window::Window() : peer_(toolkit().newWindowPeer(*this)) {}

Window::~Window() {
  // Controls go before the peer: their views may live inside the window's view.
  for (const auto& control : controls_) control->detach();
  focus_ = nullptr;
  controls_.clear();
  peer_.reset();
}

void Window::Constructor() {
  if (constructed_) return;
  constructed_ = true;
  Layout();
  CreateControls();
  AddMenuHandlers();
  for (const auto& control : std::vector(controls_)) control->RaiseOpen();
  focusFirstControl();
}

void Window::Show() {
  if (closed_) return;
  shown_ = true;
  if (Application* app = Application::Instance()) app->windowShown(*this);
  peer_->show();
}

void Window::ShowModal() {
  if (closed_) return;
  shown_ = true;
  if (Application* app = Application::Instance()) app->windowShown(*this);
  peer_->showModal();
}

void Window::Close() {
  if (closed_) return;
  // The application may hold the last reference; this call must finish first.
  std::shared_ptr<Window> keep = weak_from_this().lock();
  closed_ = true;
  shown_ = false;
  peer_->close();
  if (Application* app = Application::Instance()) app->windowClosed(*this);
}

void Window::SetTitle(const std::string& title) {
  title_ = title;
  peer_->windowChanged("Title");
}

void Window::SetMenuBar(std::shared_ptr<MenuBar> bar) {
  menuBar_ = std::move(bar);
  peer_->windowChanged("MenuBar");
}

void Window::Resize(int64_t width, int64_t height) {
  width = std::clamp(width, minWidth_, std::max(minWidth_, maxWidth_));
  height = std::clamp(height, minHeight_, std::max(minHeight_, maxHeight_));
  int64_t dw = width - width_;
  int64_t dh = height - height_;
  if (dw == 0 && dh == 0) return;
  width_ = width;
  height_ = height;
  for (const auto& control : controls_) control->FollowResize(dw, dh);
  peer_->windowChanged("Size");
}

void Window::SetProperties(const PropertyBlock& block) {
  for (const DesignEntry& entry : block.entries()) {
    design_[entry.name] = entry.value;
    applyProperty(entry.name, entry.value);
  }
  peer_->windowChanged("Design");
}

// The window's own design values that take effect here; the rest stay in the design.
bool Window::applyProperty(const std::string& name, const DesignValue& value) {
  if (name == "Width")
    width_ = designInt(value, width_);
  else if (name == "Height")
    height_ = designInt(value, height_);
  else if (name == "MinWidth")
    minWidth_ = designInt(value, minWidth_);
  else if (name == "MinHeight")
    minHeight_ = designInt(value, minHeight_);
  else if (name == "MaxWidth")
    maxWidth_ = designInt(value, maxWidth_);
  else if (name == "MaxHeight")
    maxHeight_ = designInt(value, maxHeight_);
  else if (name == "Title")
    title_ = designString(value);
  else
    return false;
  return true;
}

const DesignValue* Window::designValue(std::string_view name) const {
  auto it = design_.find(name);
  return it == design_.end() ? nullptr : &it->second;
}

template <>
std::shared_ptr<TextArea> Window::New<TextArea>() {
  return toolkit().newTextArea(*this);
}
template <>
std::shared_ptr<Canvas> Window::New<Canvas>() {
  return toolkit().newCanvas(*this);
}
template <>
std::shared_ptr<Label> Window::New<Label>() {
  return toolkit().newLabel(*this);
}
template <>
std::shared_ptr<Rectangle> Window::New<Rectangle>() {
  return toolkit().newRectangle(*this);
}
template <>
std::shared_ptr<Timer> Window::New<Timer>() {
  return toolkit().newTimer(*this);
}

void Window::_AddControl(std::shared_ptr<Control> control, const std::string& name) {
  if (!control) return;
  control->attach(this, name);
  controls_.push_back(control);
  peer_->controlAdded(*control);
}

std::shared_ptr<Control> Window::_ControlByName(const std::string& name) const {
  for (const auto& control : controls_)
    if (control->Name() == name) return control;
  return nullptr;
}

void Window::SetFocus(Control* control) {
  if (control && !(control->AcceptsFocus() && control->Enabled() && control->Visible())) return;
  if (control == focus_) return;
  focus_ = control;
  peer_->focusChanged();
}

// The control that takes keys first: the lowest tab index among those that can hold the
// focus, the first made on a tie.
void Window::focusFirstControl() {
  Control* best = nullptr;
  for (const auto& control : controls_) {
    if (!control->AcceptsFocus() || !control->TabStop() || !control->Enabled() ||
        !control->Visible())
      continue;
    if (!best || control->TabIndex() < best->TabIndex()) best = control.get();
  }
  if (best) SetFocus(best);
}

void Window::controlStateChanged(Control& control) {
  if (focus_ == &control && !(control.Enabled() && control.Visible())) {
    focus_ = nullptr;
    peer_->focusChanged();
  }
}

void Window::_AddMenuHandler(const std::string& itemName, MenuHandler handler) {
  handlers_.Add(itemName, std::move(handler));
}

void Window::_AddMenuHandler(const std::string& itemName, IndexedMenuHandler handler) {
  handlers_.Add(itemName, std::move(handler));
}

bool Window::DeliverKey(const std::string& key) {
  if (closed_) return false;
  std::shared_ptr<Window> keep = weak_from_this().lock();
  bool consumed = false;
  guardEntry([&] {
    auto* area = dynamic_cast<TextArea*>(focus_);
    consumed = area && area->Enabled() ? area->HandleKey(key) : Event_KeyDown(key);
  });
  return consumed;
}

void Window::DeliverMouseDown(int64_t x, int64_t y) {
  if (closed_) return;
  std::shared_ptr<Window> keep = weak_from_this().lock();
  mouseCaptured_ = false;
  guardEntry([&] { mouseCaptured_ = Event_MouseDown(x, y); });
}

void Window::DeliverMouseUp(int64_t x, int64_t y) {
  if (closed_ || !mouseCaptured_) return;
  std::shared_ptr<Window> keep = weak_from_this().lock();
  mouseCaptured_ = false;
  guardEntry([&] { Event_MouseUp(x, y); });
}

}  // namespace vorline
