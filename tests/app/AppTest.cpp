// The application: its start-up order, its events and commands, and files opened into new
// calculator windows.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/App.h"
#include "app/AppStartup.h"
#include "platform/files/FileType.h"
#include "platform/files/FolderItem.h"
#include "platform/files/ScratchFolder.h"
#include "platform/graphics/Picture.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/ui/TextArea.h"
#include "shell/FileTypes1.h"
#include "shell/Globals.h"
#include "shell/Menu.h"
#include "shell/_x_img_err.h"
#include "window/FrmMain.h"

namespace vorline {
namespace {

class AppShell : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch.setEnv("VORLINE_RESOURCES_DIR", VORLINE_RESOURCES_DIR);
    Globals::prefixSource.clear();
  }
  void TearDown() override {
    AppStartup::Shutdown();
    Globals::prefixSource.clear();
  }
  App& start() {
    AppStartup::_EarlyStartup();
    App& app = *AppStartup::Application();
    app.SetQuitOnLastWindowClosed(false);
    return app;
  }
  std::vector<std::shared_ptr<FrmMain>> windows(App& app) {
    std::vector<std::shared_ptr<FrmMain>> all;
    for (const auto& w : app.Windows())
      if (auto f = std::dynamic_pointer_cast<FrmMain>(w)) all.push_back(f);
    return all;
  }
  std::shared_ptr<FolderItem> file(const std::string& relative, const std::string& bytes) {
    return std::make_shared<FolderItem>(scratch.write(relative, bytes).string());
  }

  ScratchFolder scratch;
  HeadlessPlatform platform;
};

TEST_F(AppShell, EarlyStartupRegistersTypesAppMenuBarAndHandlers) {
  App& app = start();
  EXPECT_EQ(Application::Instance(), &app);
  EXPECT_EQ(App::Instance(), &app);
  ASSERT_NE(FileTypes1::VRL(), nullptr);
  EXPECT_TRUE(FileTypes1::VRL()->IsRegistered());
  EXPECT_EQ(app.versionData().shortVersion, "1.5.2");
  EXPECT_EQ(app.versionData().longName, "Vorline");
  EXPECT_EQ(app.versionData().majorVersion * 100 + app.versionData().minorVersion * 10 +
                app.versionData().bugVersion,
            152);
  EXPECT_EQ(app.versionData().stageCode, 3);
  EXPECT_EQ(app.GetMenuBar(), Menu::Instance());
  EXPECT_EQ(app.menuHandlers().Names(),
            (std::vector<std::string>{"mnuNew", "AboutMenu", "mnuOpen"}));
  EXPECT_TRUE(Globals::prefixSource.empty()) << "the prefix loads in the Open event";
  EXPECT_TRUE(app.Windows().empty());
}

TEST_F(AppShell, FirstStartCopiesThePrefixLaterStartsDoNot) {
  std::filesystem::remove_all(scratch.app());
  App& app = start();
  EXPECT_TRUE(std::filesystem::exists(scratch.app() / "data"));
  ASSERT_TRUE(std::filesystem::exists(scratch.includes() / "prefix.vrl"));
  app.Launch({});
  EXPECT_NE(Globals::prefixSource.find("graphNextPlot"), std::string::npos);
  AppStartup::Shutdown();
  std::filesystem::remove(scratch.includes() / "prefix.vrl");
  start();
  EXPECT_FALSE(std::filesystem::exists(scratch.includes() / "prefix.vrl"))
      << "a deleted prefix stays deleted";
}

// A user who made an empty application folder gets the prefix as well: it comes with every
// "includes" folder the program makes.
TEST_F(AppShell, FirstStartIntoAnEmptyExistingFolderCopiesThePrefix) {
  std::filesystem::remove_all(scratch.app());
  std::filesystem::create_directories(scratch.app());
  App& app = start();
  ASSERT_TRUE(std::filesystem::exists(scratch.includes() / "prefix.vrl"));
  EXPECT_TRUE(std::filesystem::exists(scratch.app() / "data"));
  app.Launch({});
  EXPECT_NE(Globals::prefixSource.find("graphNextPlot"), std::string::npos);
}

TEST_F(AppShell, LaunchOpensAndMakesOneNewWindow) {
  scratch.write("app/includes/prefix.vrl", "x0 = 1");
  App& app = start();
  app.Launch({});
  EXPECT_EQ(Globals::prefixSource, "x0 = 1\n");
  auto all = windows(app);
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0]->Title(), "untitled.vrl");
  EXPECT_EQ(all[0]->theFile, nullptr);
  EXPECT_EQ(all[0]->opPrecision, 4);
  EXPECT_EQ(all[0]->Sourcetxt()->Text(), "");
}

TEST_F(AppShell, OpenDocumentsMakeAWindowEach) {
  App& app = start();
  auto ab = file("home/ab.vrl", "a\nb");
  app.Launch({ab, file("home/empty.vrl", ""), ab});
  auto all = windows(app);
  ASSERT_EQ(all.size(), 3u);  // front first
  EXPECT_EQ(all[2]->Sourcetxt()->Text(), "a\nb\n");
  EXPECT_EQ(all[2]->Title(), "ab.vrl");
  EXPECT_EQ(all[2]->theFile, ab);
  EXPECT_EQ(all[1]->Sourcetxt()->Text(), "");
  EXPECT_EQ(all[1]->Title(), "empty.vrl");
  EXPECT_NE(&all[0]->mem, &all[2]->mem);
}

TEST_F(AppShell, CrLfFileOpensWithLineEndings) {
  App& app = start();
  app.openFile(file("home/dos.txt", "a\r\nb\r\n"));
  EXPECT_EQ(windows(app).at(0)->Sourcetxt()->Text(), "a\nb\n");
}

TEST_F(AppShell, UnreadableOrCancelledOpenMakesNoWindow) {
  App& app = start();
  std::filesystem::create_directories(scratch.home() / "folder.vrl");
  app.openFile(std::make_shared<FolderItem>((scratch.home() / "folder.vrl").string()));
  app.openFile(std::make_shared<FolderItem>((scratch.home() / "none.vrl").string()));
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"Unable to read file folder.vrl",
                                                           "Unable to read file none.vrl"}));
  EXPECT_TRUE(app._mnuOpen_Action());
  EXPECT_EQ(platform.dialogs().back().filter, "TEXT");
  EXPECT_TRUE(app.Windows().empty());
}

// The application's items reach its handlers also while a calculator window is in front.
TEST_F(AppShell, ApplicationItemsReachTheApplicationThroughAFrontWindow) {
  App& app = start();
  EXPECT_TRUE(app.MenuItemChosen("mnuNew"));
  ASSERT_EQ(windows(app).size(), 1u);
  for (const std::string& name : app.menuHandlers().Names())
    EXPECT_FALSE(windows(app)[0]->menuHandlers().Has(name)) << name;
  EXPECT_TRUE(app.MenuItemChosen("mnuNew"));
  EXPECT_EQ(windows(app).size(), 2u);
  platform.answerOpenDialog(file("home/o.vrl", "1+1"));
  EXPECT_TRUE(app.HandleShortcut("Cmd+O"));
  EXPECT_EQ(windows(app).at(0)->Title(), "o.vrl");
  int modal = 0;
  platform.onShowModal = [&](Window&) { ++modal; };
  EXPECT_TRUE(app.MenuItemChosen("AboutMenu"));
  EXPECT_EQ(modal, 1);
}

// The headless event loop returns at once, after the launch made its window.
TEST_F(AppShell, MainStartsUpAndRunsTheLoop) {
  EXPECT_EQ(AppStartup::_Main({}), 0);
  ASSERT_NE(AppStartup::Application(), nullptr);
  EXPECT_EQ(windows(*AppStartup::Application()).size(), 1u);
}

// Start-up whose every named file is unreadable opens no window: after the messages the
// program ends with status 1 instead of running on without a window or a menu.
TEST_F(AppShell, MainWithOnlyUnreadableFilesEndsWithStatusOne) {
  auto missing = std::make_shared<FolderItem>((scratch.home() / "missing.vrl").string());
  EXPECT_EQ(AppStartup::_Main({missing, missing}), 1);
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"Unable to read file missing.vrl",
                                                           "Unable to read file missing.vrl"}));
  AppStartup::Shutdown();
  EXPECT_EQ(AppStartup::_Main({missing, file("home/ok.vrl", "1")}), 0) << "one window opened";
}

TEST_F(AppShell, BadgePictureLoadsOnceAndRetriesWhileMissing) {
  _x_img_err::_Release();
  std::shared_ptr<Picture> first = _x_img_err::img_err();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Width(), 48);
  EXPECT_EQ(first->Height(), 18);
  EXPECT_EQ(_x_img_err::img_err(), first);
  _x_img_err::_Release();
  scratch.setEnv("VORLINE_RESOURCES_DIR", scratch.root().string());
  EXPECT_EQ(_x_img_err::img_err(), nullptr);
  std::filesystem::copy_file(VORLINE_RESOURCES_DIR "/err.bmp", scratch.root() / "err.bmp");
  EXPECT_NE(_x_img_err::img_err(), nullptr);
  _x_img_err::_Release();
}

}  // namespace
}  // namespace vorline
