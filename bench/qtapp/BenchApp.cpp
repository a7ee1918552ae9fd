#include "BenchApp.h"

#include <QCoreApplication>

#include "app/AppStartup.h"
#include "shell/Globals.h"

namespace vorline {
namespace {

// The platform is chosen before the Qt application exists.
int& offscreen(int& argc) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return argc;
}

}  // namespace

BenchApp::BenchApp(int& argc, char** argv) : qt_(offscreen(argc), argv) {
  qputenv("VORLINE_HOME", home_.filePath("app").toLocal8Bit());
  qputenv("VORLINE_RESOURCES_DIR", VORLINE_BENCH_RESOURCES_DIR);
  platform_ = std::make_unique<QtPlatform>();
  Globals::prefixSource.clear();
  AppStartup::_EarlyStartup();
  app_ = AppStartup::Application();
  app_->SetQuitOnLastWindowClosed(false);
  app_->Launch({});
}

BenchApp::~BenchApp() {
  AppStartup::Shutdown();
  Globals::prefixSource.clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  platform_.reset();
}

std::shared_ptr<FrmMain> BenchApp::front() const {
  return std::dynamic_pointer_cast<FrmMain>(app_->FrontWindow());
}

}  // namespace vorline
