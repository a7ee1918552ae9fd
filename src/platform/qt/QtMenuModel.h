// A menu bar model rendered once as Qt menus and actions, shared by the menu bar widget of every
// window that shows the model: one action per item, so a check mark or an enabled state is one
// state in every window. The actions follow the model's changes; choosing one hands its item to
// the platform, which dispatches it to the front window.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/ui/MenuBar.h"

class QMenu;
class QMenuBar;

namespace vorline {

class QtMenuModel : public QObject {
 public:
  struct Hooks {
    std::function<void()> aboutToShow;           // before any of the menus shows
    std::function<void(MenuItem& item)> chosen;  // an item was chosen
    std::function<void()> closed;                // one of the menus closed
  };

  QtMenuModel(const std::shared_ptr<MenuBar>& bar, Hooks hooks);
  ~QtMenuModel() override;

  const MenuBar* bar() const { return raw_; }
  bool expired() const { return bar_.expired(); }
  // Puts the menus into a window's menu bar widget (and again after the model's items change).
  void install(QMenuBar& menuBar);
  // The action that shows an item (a menu's own action for a title or submenu), or nullptr.
  QAction* actionFor(const MenuItem& item) const;

  // The Qt form of a shortcut text ("Cmd+Shift+s" is Ctrl+Shift+S); empty for none.
  static QKeySequence keySequenceOf(const std::string& shortcut);

 private:
  void build();
  void clear();
  void fillMenu(MenuItem& menu, QMenu& view);
  QMenu* makeMenu(MenuItem& item);
  QAction* makeAction(MenuItem& item);
  void follow(MenuItem& item, MenuChange change);
  void showState(const MenuItem& item, QAction& action) const;
  void choose(MenuItem* item);

  std::weak_ptr<MenuBar> bar_;
  MenuBar* raw_;
  int listener_ = 0;
  Hooks hooks_;
  std::vector<std::unique_ptr<QMenu>> menus_;
  std::map<const MenuItem*, QPointer<QAction>> actions_;
  std::vector<QPointer<QMenuBar>> installed_;
};

}  // namespace vorline
