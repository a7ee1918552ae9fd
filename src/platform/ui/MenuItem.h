// One item of the menu bar model: a menu title, a command, a separator (text "-") or a submenu
// title (an item with items of its own). Items are platform-independent; the platform shows
// them and reports the item the user chose. Items of one name told apart by Index form an item
// array, whose handler receives the index. State that changes while the program runs (Checked,
// Enabled) lives on the item, so every window that shows the bar shows the same state.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vorline {

// The index of an item that is no member of an item array.
inline constexpr int64_t kNoMenuIndex = -1;

// What changed on an item, for the views that show it.
enum class MenuChange { Checked, Enabled, Text, Visible, Shortcut, Items };

class MenuItem {
 public:
  MenuItem() = default;
  explicit MenuItem(std::string text) : text_(std::move(text)) {}
  virtual ~MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // The text shown; "&" marks the next character as the item's Alt key ("&&" is one "&").
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // The shortcut text ("Cmd+S"; "" for none).
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(std::string shortcut);
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool on) { autoEnable_ = on; }
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  int64_t Index() const { return index_; }
  void SetIndex(int64_t index) { index_ = index; }
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);

  bool IsSeparator() const { return text_ == "-"; }

  // Adds an item at the end of this menu (or a title at the end of the bar).
  void Append(std::shared_ptr<MenuItem> item);
  int64_t Count() const { return static_cast<int64_t>(items_.size()); }
  // The item at a position from 0, or nullptr.
  std::shared_ptr<MenuItem> Item(int64_t position) const;
  // The direct item of that name, or nullptr.
  std::shared_ptr<MenuItem> Child(const std::string& name) const;
  // The first item of that name (and index) among all items below this one, submenus
  // included, in display order; nullptr when there is none.
  std::shared_ptr<MenuItem> _Lookup(const std::string& name) const;
  std::shared_ptr<MenuItem> _Lookup(const std::string& name, int64_t index) const;
  // The menu this item was appended to, or nullptr.
  MenuItem* Parent() const { return parent_; }

  // Calls visit for every item below this one, in display order, a menu before its items.
  void ForEachItem(const std::function<void(MenuItem& item)>& visit);

 protected:
  // Passes a change up to the bar, which tells the views.
  virtual void notify(MenuItem& item, MenuChange change);

 private:
  std::string name_;
  std::string text_;
  std::string shortcut_;
  bool autoEnable_ = true;
  bool visible_ = true;
  int64_t index_ = kNoMenuIndex;
  bool checked_ = false;
  bool enabled_ = true;
  MenuItem* parent_ = nullptr;
  std::vector<std::shared_ptr<MenuItem>> items_;
};

}  // namespace vorline
