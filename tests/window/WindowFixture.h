// A calculator window on the headless platform, in scratch folders: the application folder,
// the home folder with its Desktop and the XDG folders all point into a temporary folder.
// An application object dispatches menu commands as the platform does.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/files/ScratchFolder.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/ui/Application.h"
#include "platform/ui/TextArea.h"
#include "shell/Globals.h"
#include "shell/Menu.h"
#include "window/FrmMain.h"

namespace vorline {

class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    Menu::ReleaseInstance();
    Globals::prefixSource.clear();
    app.SetQuitOnLastWindowClosed(false);
    Application::RegisterAppObject(&app);
    main_ = openWindow();
  }
  void TearDown() override {
    for (const auto& w : std::vector(app.Windows())) w->Close();
    Application::RegisterAppObject(nullptr);
    Menu::ReleaseInstance();
    Globals::prefixSource.clear();
  }

  // A window made as the application makes one: constructed, shown, started.
  template <class T = FrmMain>
  std::shared_ptr<T> openWindow() {
    auto w = std::make_shared<T>();
    w->Constructor();
    w->Show();
    w->Start();
    return w;
  }
  // The window every test starts with.
  FrmMain& window() { return *main_; }
  TextArea& pad() { return *window().Sourcetxt(); }

  // Puts the text into the pad, chooses Calculator > Run and returns the pad afterwards.
  std::string run(const std::string& text) {
    pad().SetText(text);
    app.MenuItemChosen("mnuRun");
    return pad().Text();
  }
  // The memory entry's value, nil when there is none.
  Variant memory(const std::string& name) { return window().mem.Lookup(name, Variant()); }

  ScratchFolder scratch;
  HeadlessPlatform platform;
  Application app;

 private:
  std::shared_ptr<FrmMain> main_;
};

}  // namespace vorline
