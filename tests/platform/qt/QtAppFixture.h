// The real program in-process on the Qt platform (offscreen): the start-up sequence, the
// application object and its first calculator window, in an application folder of the test's
// own (a first start, so the shipped prefix is copied in). Message boxes and file dialogs are
// closed or answered as they show. The platform's clock goes by hand: time stands still for
// the run guard and the timers until a test moves it on.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

#include "app/App.h"
#include "platform/qt/QtHarness.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/Timer.h"
#include "window/FrmMain.h"

namespace vorline::qttest {

// The program's platform, except that Quit leaves the test program's event handling alone: the
// tests never run the main loop, and Qt would end every later nested loop (a message box's, a
// dialog's) at once.
class FixturePlatform : public QtPlatform {
 public:
  void quitEventLoop(int exitCode) override { (void)exitCode; }
};

class QtAppFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  App& app();
  // The calculator window in front.
  std::shared_ptr<FrmMain> front();
  FrmMain& window() { return *window_; }
  TextArea& pad() { return *window_->Sourcetxt(); }
  std::string padText() { return pad().Text(); }
  // Keys as the user types them into the front window.
  void type(const QString& text) { typeText(*window_, text); }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    pressKey(*window_, key, modifiers);
  }
  // While a run polls, each poll moves the clock by hand on by this much.
  static constexpr int64_t kStepPerPoll = 50;
  // Calls the action on the first turn of the event loop while a run goes on: the first time
  // the run guard brings the windows up to date, as it does once the run counts as long.
  void duringTheRun(QObject& scope, std::function<void()> action);

  // A path in the test's own scratch folder.
  QString scratchPath(const QString& name) const { return scratch_.filePath(name); }

  FixturePlatform platform;
  ModalCloser closer;

 private:
  QTemporaryDir scratch_;
  std::shared_ptr<FrmMain> window_;
};

}  // namespace vorline::qttest
