// Brings the menu items' enabled states up to date before Qt matches a shortcut: a disabled
// action takes no shortcut, so the enable pass must come before the match, as it comes before a
// menu shows. Watches the application's ShortcutOverride events of keys with Ctrl or Alt.
#pragma once

#include <QObject>
#include <functional>

namespace vorline {

class QtMenuEnabler : public QObject {
 public:
  explicit QtMenuEnabler(std::function<void()> enablePass);
  ~QtMenuEnabler() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> enablePass_;
  // The key event seen last: one key goes up the widget tree, but the pass runs once.
  quint64 lastTimestamp_ = 0;
  int lastKey_ = 0;
  bool inPass_ = false;
};

}  // namespace vorline
