#include "platform/ui/Control.h"

#include "platform/ui/Window.h"

namespace vorline {

void Control::SetLeft(int64_t v) {
  left_ = v;
  propertyChanged("Left");
}

void Control::SetTop(int64_t v) {
  top_ = v;
  propertyChanged("Top");
}

void Control::SetWidth(int64_t v) {
  width_ = v;
  propertyChanged("Width");
}

void Control::SetHeight(int64_t v) {
  height_ = v;
  propertyChanged("Height");
}

void Control::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  propertyChanged("Visible");
  if (window_) window_->controlStateChanged(*this);
}

void Control::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  propertyChanged("Enabled");
  if (window_) window_->controlStateChanged(*this);
}

void Control::SetProperties(const PropertyBlock& block) {
  for (const DesignEntry& entry : block.entries()) {
    design_[entry.name] = entry.value;
    applyProperty(entry.name, entry.value);
  }
  propertyChanged("Design");
}

const DesignValue* Control::designValue(std::string_view name) const {
  auto it = design_.find(name);
  return it == design_.end() ? nullptr : &it->second;
}

void Control::FollowResize(int64_t dw, int64_t dh) {
  if (dw != 0) {
    if (lockLeft_ && lockRight_)
      SetWidth(width_ + dw);
    else if (lockRight_)
      SetLeft(left_ + dw);
  }
  if (dh != 0) {
    if (lockTop_ && lockBottom_)
      SetHeight(height_ + dh);
    else if (lockBottom_)
      SetTop(top_ + dh);
  }
}

// The geometry, locks and states every control shares; set quietly, as a block is applied
// whole and announced once as "Design".
bool Control::applyProperty(const std::string& name, const DesignValue& value) {
  if (name == "Left")
    left_ = designInt(value, left_);
  else if (name == "Top")
    top_ = designInt(value, top_);
  else if (name == "Width")
    width_ = designInt(value, width_);
  else if (name == "Height")
    height_ = designInt(value, height_);
  else if (name == "LockLeft")
    lockLeft_ = designBool(value, lockLeft_);
  else if (name == "LockTop")
    lockTop_ = designBool(value, lockTop_);
  else if (name == "LockRight")
    lockRight_ = designBool(value, lockRight_);
  else if (name == "LockBottom")
    lockBottom_ = designBool(value, lockBottom_);
  else if (name == "Visible")
    SetVisible(designBool(value, visible_));
  else if (name == "Enabled")
    SetEnabled(designBool(value, enabled_));
  else if (name == "TabIndex")
    tabIndex_ = designInt(value, tabIndex_);
  else if (name == "TabStop")
    tabStop_ = designBool(value, tabStop_);
  else if (name == "InitialParent")
    initialParent_ = designString(value);
  else if (name == "Index")
    index_ = designInt(value, index_);
  else if (name == "Name")
    name_ = designString(value);
  else
    return false;
  return true;
}

void Control::attach(Window* window, const std::string& name) {
  window_ = window;
  name_ = name;
}

}  // namespace vorline
