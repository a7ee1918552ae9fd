// The UI contract's harness on the Qt platform: real key events through the window system's
// path (shortcuts included), menu items chosen through their actions after the menu's own
// enable pass, time moved on by hand on the platform's clock, and message boxes closed as they
// show.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

#include "platform/qt/QtPlatform.h"
#include "platform/ui/UiContract.h"

class QWidget;
class QWindow;

namespace vorline::qttest {

// Closes every modal widget that shows: message boxes are read and closed with OK; file
// dialogs are answered from a queue (a path, or "" for Cancel; Cancel when it is empty); any
// other modal widget goes to onOtherModal, or is closed.
class ModalCloser {
 public:
  ModalCloser();
  ~ModalCloser();

  const QStringList& messages() const { return messages_; }
  void clearMessages() { messages_.clear(); }
  void answerDialog(const QString& path) { dialogAnswers_.push_back(path); }
  // The proposed file names of the save dialogs seen so far.
  const QStringList& proposedNames() const { return proposedNames_; }
  int dialogsSeen() const { return dialogsSeen_; }
  std::function<bool(QWidget* modal)> onOtherModal;
  // While paused, modal widgets stay open (a test closes them itself).
  void setPaused(bool paused) { paused_ = paused; }

 private:
  void check();

  QTimer timer_;
  QStringList messages_;
  QStringList proposedNames_;
  std::deque<QString> dialogAnswers_;
  int dialogsSeen_ = 0;
  bool paused_ = false;
  QPointer<QWidget> answered_;  // answered, closing on the next turn
};

// Waits (running the event loop) until the condition holds or the time is up. The bound is
// generous: it only ends a wait that has failed, and a loaded machine may be slow to get there.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 20000);
// Shows the window's widget active, as a click into it would, and waits until it is.
bool activateWindow(Window& window);
// The window system's window of a window, where its keys arrive.
QWindow* windowHandleOf(Window& window);
// Keys as the user types them: a text's characters one by one; one key with modifiers.
void typeText(Window& window, const QString& text);
void pressKey(Window& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The platform's clock goes by hand: advance() moves it on and fires the timers as they come due.
class QtHarness : public contract::UiHarness {
 public:
  QtHarness();
  void press(Window& window, Key key) override;
  void type(Window& window, const std::string& text) override;
  void pressShortcut(Window& window, const std::string& shortcut) override;
  bool chooseMenu(const std::string& name, int64_t index) override;
  void activate(Window& window) override;
  void resize(Window& window, int64_t width, int64_t height) override;
  void advance(int64_t milliseconds) override;
  std::vector<std::string> messages() override;
  int beeps() override { return platform_.beeps(); }

  QtPlatform& platform() { return platform_; }
  ModalCloser& closer() { return closer_; }

 private:
  QtPlatform platform_;
  ModalCloser closer_;
};

// Chooses a menu item as the user would: its menu opens (the enable pass), then, if the item is
// enabled, its action is triggered. False when it could not be chosen or no handler took it.
bool chooseMenuItem(QtPlatform& platform, MenuItem& item);

}  // namespace vorline::qttest
