// The main of the Qt test programs: the offscreen platform unless the environment names
// another, a QApplication for every test, and an application folder of the run's own, so that
// no test touches the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  if (!home.isValid()) return 2;
  qputenv("VORLINE_HOME", home.path().toLocal8Bit());
  QApplication app(argc, argv);
  QApplication::setApplicationName("vorline");
  QApplication::setApplicationDisplayName("Vorline");
  ::testing::InitGoogleTest(&argc, argv);
  int result = RUN_ALL_TESTS();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return result;
}
