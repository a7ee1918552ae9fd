// The platform on Qt Widgets, for the program: installed for its lifetime as the UI services,
// the UI toolkit and the drawing-view service. Needs a QApplication, made before it and
// destroyed after it.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "platform/qt/QtCascade.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtRunGuard.h"
#include "platform/ui/UiServices.h"
#include "platform/ui/UiToolkit.h"
#include "platform/ui/ViewWindow.h"

namespace vorline {

class MenuBar;
class MenuItem;
class QtMenuEnabler;
class QtMenuModel;
class QtSpellDictionary;
class QtWindowPeer;

class QtPlatform : public UiServices, public UiToolkit, public ViewWindowService {
 public:
  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  // UiServices
  void msgBox(const std::string& text) override;
  void beep() override;
  std::string clipboardText() override;
  void setClipboardText(const std::string& text) override;
  std::shared_ptr<FolderItem> openFileDialog(const std::string& filter) override;
  std::shared_ptr<FolderItem> saveFileDialog(const std::string& filter,
                                             const std::string& proposedName) override;
  bool optionKeyDown() override;

  // UiToolkit
  std::unique_ptr<WindowPeer> newWindowPeer(Window& window) override;
  std::shared_ptr<TextArea> newTextArea(Window& window) override;
  std::shared_ptr<Canvas> newCanvas(Window& window) override;
  std::shared_ptr<Label> newLabel(Window& window) override;
  std::shared_ptr<Rectangle> newRectangle(Window& window) override;
  std::shared_ptr<Timer> newTimer(Window& window) override;
  int runEventLoop() override;
  void quitEventLoop(int exitCode) override;
  bool busyPoll() override { return guard_.poll(); }
  void busyEnd() override { guard_.end(); }

  // ViewWindowService
  void showView(Window& owner, const std::shared_ptr<Picture>& picture) override;

  // The Qt menus of a menu bar model, made on first use and shared by every window.
  QtMenuModel& menuModel(const std::shared_ptr<MenuBar>& bar);
  // The Qt side of a window of this platform.
  static QtWindowPeer& peerOf(Window& window);
  QtRunGuard& runGuard() { return guard_; }
  // The time the run guard and the timers go by; a test may move it by hand.
  QtClock& clock() { return *clock_; }
  // Where new windows and drawing views open.
  QtCascade& cascade() { return cascade_; }
  // The spelling dictionary, loaded on first use.
  QtSpellDictionary& spelling();
  // A dictionary of the caller's own in place of the installed one (a test's words), for the
  // text areas made after it.
  void setSpelling(std::unique_ptr<QtSpellDictionary> dictionary);

  // The beeps so far; the menu commands chosen so far and whether the last one was handled.
  int beeps() const { return beeps_; }
  int choices() const { return choices_; }
  bool lastChoiceHandled() const { return lastChoiceHandled_; }

  // The folder the file dialogs start in (the last one used; the home folder at first).
  void setDialogFolder(const QString& folder) { dialogFolder_ = folder; }

 private:
  void choose(MenuItem& item);
  void enablePass();
  void syncFrontWindow();
  static void giveKeysBack();

  // Shared with the timers, which may outlive the platform.
  std::shared_ptr<QtClock> clock_ = std::make_shared<QtClock>();
  QtRunGuard guard_{*clock_};
  std::unique_ptr<QtMenuEnabler> enabler_;
  std::vector<std::unique_ptr<QtMenuModel>> menus_;
  std::unique_ptr<QtSpellDictionary> spelling_;
  QtCascade cascade_;
  UiToolkit* previousToolkit_ = nullptr;
  ViewWindowService* previousViewService_ = nullptr;
  QString dialogFolder_;
  int beeps_ = 0;
  int choices_ = 0;
  bool lastChoiceHandled_ = false;
};

}  // namespace vorline
