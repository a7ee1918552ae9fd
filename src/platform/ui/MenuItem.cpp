#include "platform/ui/MenuItem.h"

namespace vorline {

void MenuItem::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  notify(*this, MenuChange::Text);
}

void MenuItem::SetKeyboardShortcut(std::string shortcut) {
  if (shortcut == shortcut_) return;
  shortcut_ = std::move(shortcut);
  notify(*this, MenuChange::Shortcut);
}

void MenuItem::SetVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  notify(*this, MenuChange::Visible);
}

void MenuItem::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  notify(*this, MenuChange::Checked);
}

void MenuItem::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  notify(*this, MenuChange::Enabled);
}

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
  if (!item) return;
  item->parent_ = this;
  items_.push_back(std::move(item));
  notify(*this, MenuChange::Items);
}

std::shared_ptr<MenuItem> MenuItem::Item(int64_t position) const {
  if (position < 0 || position >= Count()) return nullptr;
  return items_[static_cast<std::size_t>(position)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const {
  for (const auto& item : items_)
    if (item->name_ == name) return item;
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::_Lookup(const std::string& name) const {
  for (const auto& item : items_) {
    if (item->name_ == name) return item;
    if (auto found = item->_Lookup(name)) return found;
  }
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::_Lookup(const std::string& name, int64_t index) const {
  for (const auto& item : items_) {
    if (item->name_ == name && item->index_ == index) return item;
    if (auto found = item->_Lookup(name, index)) return found;
  }
  return nullptr;
}

void MenuItem::ForEachItem(const std::function<void(MenuItem& item)>& visit) {
  for (const auto& item : items_) {
    visit(*item);
    item->ForEachItem(visit);
  }
}

void MenuItem::notify(MenuItem& item, MenuChange change) {
  if (parent_) parent_->notify(item, change);
}

}  // namespace vorline
