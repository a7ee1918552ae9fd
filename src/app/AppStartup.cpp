#include "app/AppStartup.h"

#include <exception>
#include <filesystem>
#include <iostream>

#include "app/App.h"
#include "app/AppVersion.h"
#include "platform/files/FolderItem.h"
#include "platform/files/SpecialFolder.h"
#include "platform/ui/EventGuard.h"
#include "platform/ui/UiServices.h"
#include "platform/ui/UiToolkit.h"
#include "platform/ui/Window.h"
#include "shell/AppResources.h"
#include "shell/FileTypes1.h"
#include "shell/Menu.h"

namespace vorline {

std::unique_ptr<App> AppStartup::app_;

void AppStartup::_EarlyStartup() {
  _PrepareApplicationFolder();
  _InitFileTypes();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
}

int AppStartup::_Main(const std::vector<std::shared_ptr<FolderItem>>& documents) {
  try {
    _EarlyStartup();
    _LateStartup();
  } catch (...) {
    std::string text = unexpectedErrorText(std::current_exception());
    std::cerr << "vorline: " << text << "\n";
    try {
      MsgBox(text);
    } catch (...) {
    }
    return 1;
  }
  // Start-up that leaves no window open (every named file unreadable, after its message) ends
  // the program: without a window there is no menu to go on with.
  app_->Launch(documents);
  if (app_->QuitRequested()) return app_->ExitCode();
  if (app_->Windows().empty()) return 1;
  return toolkit().runEventLoop();
}

void AppStartup::Shutdown() {
  if (app_) {
    for (const auto& window : std::vector(app_->Windows())) window->Close();
    if (Application::Instance() == app_.get()) Application::RegisterAppObject(nullptr);
  }
  app_.reset();
  Menu::ReleaseInstance();
}

void AppStartup::_PrepareApplicationFolder() {
  namespace fs = std::filesystem;
  const fs::path folder = SpecialFolder::ApplicationFolderPath();
  std::error_code ec;
  const bool madeIncludes = fs::create_directories(folder / "includes", ec);
  fs::create_directories(folder / "data", ec);
  if (!madeIncludes) return;
  // Without an installed prefix the program starts with an empty one.
  fs::copy_file(AppResources::Path("prefix.vrl"), folder / "includes" / "prefix.vrl", ec);
}

// Registered once per process, also when a tool starts the application again.
void AppStartup::_InitFileTypes() {
  if (!FileTypes1::VRL()) FileTypes1::_Initialize();
}

void AppStartup::_NewAppInstance() {
  app_ = std::make_unique<App>();
  VersionData version;
  version.majorVersion = kAppVersionMajor;
  version.minorVersion = kAppVersionMinor;
  version.bugVersion = kAppVersionPatch;
  version.nonReleaseVersion = 0;
  version.stageCode = 3;
  version.copyright = "Copyright the Vorline authors";
  version.shortVersion = kAppVersion;
  version.longName = "Vorline";
  app_->_x_SetVersionData(version);
  app_->SetMenuBar(Menu::Instance());
  Application::RegisterAppObject(app_.get());
}

void AppStartup::_ApplicationAddMenuHandlers() {
  App* app = app_.get();
  app->_AddMenuHandler("mnuNew", MenuHandler([app] { return app->_mnuNew_Action(); }));
  app->_AddMenuHandler("AboutMenu", MenuHandler([app] { return app->_AboutMenu_Action(); }));
  app->_AddMenuHandler("mnuOpen", MenuHandler([app] { return app->_mnuOpen_Action(); }));
}

}  // namespace vorline
