// The program's start-up on the Qt platform, in-process: a start that opens no window ends.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "app/AppStartup.h"
#include "platform/files/FolderItem.h"
#include "platform/qt/QtHarness.h"
#include "shell/Globals.h"

namespace vorline::qttest {
namespace {

// Every file named at start-up is missing: its message box shows and is closed, and then the
// program ends with status 1 instead of waiting without a window. Should the event loop run
// all the same, the closer's watch ends it with another status, so the test fails, not hangs.
TEST(QtStartup, AStartWithOnlyMissingFilesEndsWithStatusOne) {
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  qputenv("VORLINE_HOME", scratch.filePath("app").toLocal8Bit());
  qputenv("VORLINE_RESOURCES_DIR", VORLINE_TEST_RESOURCES_DIR);
  QtPlatform platform;
  ModalCloser closer;
  QTimer watch;
  watch.setSingleShot(true);
  QObject::connect(&watch, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  watch.start(30000);
  auto missing = std::make_shared<FolderItem>(scratch.filePath("missing.vrl").toStdString());
  int status = AppStartup::_Main({missing});
  AppStartup::Shutdown();
  Globals::prefixSource.clear();
  EXPECT_EQ(closer.messages(), QStringList{"Unable to read file missing.vrl"});
  EXPECT_EQ(status, 1);
}

}  // namespace
}  // namespace vorline::qttest
