#include "platform/qt/QtMenuModel.h"

#include <QMenu>
#include <QMenuBar>

#include "platform/ui/ShortcutKey.h"

namespace vorline {
namespace {

// Qt reads "&" in a menu text as the model does: the mark of the Alt key, "&&" for "&".
QString menuText(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QtMenuModel::QtMenuModel(const std::shared_ptr<MenuBar>& bar, Hooks hooks)
    : bar_(bar), raw_(bar.get()), hooks_(std::move(hooks)) {
  listener_ = bar->AddListener([this](MenuItem& item, MenuChange change) { follow(item, change); });
  build();
}

QtMenuModel::~QtMenuModel() {
  if (std::shared_ptr<MenuBar> bar = bar_.lock()) bar->RemoveListener(listener_);
  clear();
}

QKeySequence QtMenuModel::keySequenceOf(const std::string& shortcut) {
  std::optional<ShortcutKey> key = ShortcutKey::Parse(shortcut);
  if (!key) return QKeySequence();
  QString text;
  if (key->command || key->control) text += "Ctrl+";
  if (key->option) text += "Alt+";
  if (key->shift) text += "Shift+";
  text += QString::fromStdString(key->key);
  return QKeySequence::fromString(text, QKeySequence::PortableText);
}

void QtMenuModel::build() {
  std::shared_ptr<MenuBar> bar = bar_.lock();
  if (!bar) return;
  for (int64_t i = 0; i < bar->Count(); ++i) makeMenu(*bar->Item(i));
}

void QtMenuModel::clear() {
  for (auto& [item, action] : actions_)
    if (action && action->parent() == this) delete action;
  actions_.clear();
  menus_.clear();  // their actions leave every menu bar widget with them
}

// A title or submenu: a menu of its own, whose own action stands for the item.
QMenu* QtMenuModel::makeMenu(MenuItem& item) {
  menus_.push_back(std::make_unique<QMenu>(menuText(item.Text())));
  QMenu* menu = menus_.back().get();
  actions_[&item] = menu->menuAction();
  showState(item, *menu->menuAction());
  QObject::connect(menu, &QMenu::aboutToShow, this, [this] {
    if (hooks_.aboutToShow) hooks_.aboutToShow();
  });
  QObject::connect(menu, &QMenu::aboutToHide, this, [this] {
    if (hooks_.closed) hooks_.closed();
  });
  fillMenu(item, *menu);
  return menu;
}

void QtMenuModel::fillMenu(MenuItem& menu, QMenu& view) {
  for (int64_t i = 0; i < menu.Count(); ++i) {
    MenuItem& item = *menu.Item(i);
    if (item.Count() > 0)
      view.addMenu(makeMenu(item));
    else
      view.addAction(makeAction(item));
  }
}

QAction* QtMenuModel::makeAction(MenuItem& item) {
  auto* action = new QAction(this);
  action->setSeparator(item.IsSeparator());
  action->setMenuRole(QAction::NoRole);
  actions_[&item] = action;
  showState(item, *action);
  QObject::connect(action, &QAction::triggered, this, [this, item = &item] { choose(item); });
  return action;
}

// Items with no text have no command; they do not show.
void QtMenuModel::showState(const MenuItem& item, QAction& action) const {
  if (!item.IsSeparator()) action.setText(menuText(item.Text()));
  action.setVisible(item.Visible() && !item.Text().empty());
  action.setEnabled(item.Enabled());
  if (item.Count() == 0 && !item.IsSeparator())
    action.setShortcut(keySequenceOf(item.KeyboardShortcut()));
  // Only a checked item is checkable, so that an unchecked one looks like a plain command.
  action.setCheckable(item.Checked());
  action.setChecked(item.Checked());
}

void QtMenuModel::follow(MenuItem& item, MenuChange change) {
  if (change == MenuChange::Items) {
    clear();
    build();
    for (const QPointer<QMenuBar>& menuBar : std::vector(installed_))
      if (menuBar) install(*menuBar);
    return;
  }
  if (QAction* action = actionFor(item)) showState(item, *action);
}

// Qt has toggled a checkable action already; the model decides the mark.
void QtMenuModel::choose(MenuItem* item) {
  std::shared_ptr<MenuBar> bar = bar_.lock();
  if (!bar) return;
  if (QAction* action = actionFor(*item)) action->setChecked(item->Checked());
  if (hooks_.chosen) hooks_.chosen(*item);
}

void QtMenuModel::install(QMenuBar& menuBar) {
  menuBar.clear();
  std::erase_if(installed_,
                [&menuBar](const QPointer<QMenuBar>& m) { return !m || m == &menuBar; });
  installed_.push_back(&menuBar);
  std::shared_ptr<MenuBar> bar = bar_.lock();
  if (!bar) return;
  for (int64_t i = 0; i < bar->Count(); ++i)
    if (QAction* action = actionFor(*bar->Item(i))) menuBar.addAction(action);
}

QAction* QtMenuModel::actionFor(const MenuItem& item) const {
  auto it = actions_.find(&item);
  return it == actions_.end() ? nullptr : it->second.data();
}

}  // namespace vorline
