#include "platform/qt/QtAppFixture.h"

#include <QCoreApplication>

#include "app/AppStartup.h"
#include "platform/qt/TestDictionary.h"
#include "shell/Globals.h"
#include "shell/_x_img_err.h"

namespace vorline::qttest {

void QtAppFixture::SetUp() {
  ASSERT_TRUE(scratch_.isValid());
  platform.clock().setByHand();
  qputenv("VORLINE_HOME", scratch_.filePath("app").toLocal8Bit());
  qputenv("VORLINE_RESOURCES_DIR", VORLINE_TEST_RESOURCES_DIR);
  platform.setDialogFolder(scratch_.path());
  // The pads' prose is checked against the test's own words, not what the system has installed.
  platform.setSpelling(TestDictionary("3\nthe\nquick\nfox\n").release());
  Globals::prefixSource.clear();
  AppStartup::_EarlyStartup();
  app().SetQuitOnLastWindowClosed(false);
  app().Launch({});
  window_ = front();
  ASSERT_TRUE(window_);
  ASSERT_TRUE(activateWindow(*window_));
}

void QtAppFixture::TearDown() {
  window_.reset();
  AppStartup::Shutdown();
  Globals::prefixSource.clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtAppFixture::duringTheRun(QObject& scope, std::function<void()> action) {
  QMetaObject::invokeMethod(
      &scope,
      [this, &scope, action = std::move(action)]() mutable {
        if (platform.runGuard().running())
          action();
        else
          duringTheRun(scope, std::move(action));
      },
      Qt::QueuedConnection);
}

App& QtAppFixture::app() { return *AppStartup::Application(); }

std::shared_ptr<FrmMain> QtAppFixture::front() {
  return std::dynamic_pointer_cast<FrmMain>(app().FrontWindow());
}

}  // namespace vorline::qttest
