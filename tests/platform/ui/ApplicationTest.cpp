// The application object: the events of the loop's start, quitting, the automatic states of
// the menu items and the way a command finds its handler.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/files/FolderItem.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/ui/Application.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/QuitMenuItem.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/Window.h"

namespace vorline {
namespace {

class TracingApp : public Application {
 public:
  std::vector<std::string> trace;
  bool failOpen = false;
  void Event_Open() override {
    trace.push_back("Open");
    if (failOpen) throw std::runtime_error("no prefix");
  }
  void Event_NewDocument() override { trace.push_back("NewDocument"); }
  void Event_OpenDocument(std::shared_ptr<FolderItem> item) override {
    trace.push_back(item ? "OpenDocument" : "OpenDocument nil");
  }
};

class PadWindow : public Window {
 public:
  void CreateControls() override { _AddControl(New<TextArea>(), "Pad"); }
  std::shared_ptr<TextArea> pad() { return ControlByName<TextArea>("Pad"); }
};

std::shared_ptr<MenuItem> item(const char* name, bool autoEnable, const char* shortcut = "") {
  auto made = std::make_shared<MenuItem>(name);
  made->SetName(name);
  made->SetAutoEnable(autoEnable);
  made->SetKeyboardShortcut(shortcut);
  return made;
}

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::RegisterAppObject(&app);
    auto file = item("mnuFile", false);
    bar->Append(file);
    file->Append(item("mnuNew", true, "Cmd+N"));
    file->Append(item("mnuSaveAs", false, "Cmd+Shift+s"));
    auto quit = std::make_shared<QuitMenuItem>();
    quit->SetName("FileQuit");
    quit->SetText("Quit");
    quit->SetKeyboardShortcut("Cmd+Q");
    file->Append(quit);
    auto edit = item("mnuEdit", false);
    bar->Append(edit);
    edit->Append(item("EditCopy", false, "Cmd+C"));
    edit->Append(item("EditPaste", false, "Cmd+V"));
    app.SetMenuBar(bar);
  }
  void TearDown() override { Application::RegisterAppObject(nullptr); }

  std::shared_ptr<PadWindow> openPad() {
    auto w = std::make_shared<PadWindow>();
    w->Constructor();
    w->SetMenuBar(bar);
    w->Show();
    return w;
  }

  HeadlessPlatform platform;
  TracingApp app;
  std::shared_ptr<MenuBar> bar = std::make_shared<MenuBar>();
};

TEST_F(ApplicationTest, LaunchOpensThenAsksForANewDocumentOrOpensEachGivenOne) {
  app.Launch({});
  app.Launch({std::make_shared<FolderItem>("/tmp/a.vrl"), nullptr});
  EXPECT_EQ(app.trace, (std::vector<std::string>{"Open", "NewDocument", "Open", "OpenDocument",
                                                 "OpenDocument nil"}));
}

TEST_F(ApplicationTest, AFailingOpenEventIsShownAndTheStartGoesOn) {
  app.failOpen = true;
  EXPECT_EQ(app.Run({}), 0);
  EXPECT_EQ(app.trace, (std::vector<std::string>{"Open", "NewDocument"}));
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"Unexpected error: no prefix"}));
}

TEST_F(ApplicationTest, WindowsAreListedFrontFirst) {
  auto a = openPad();
  auto b = openPad();
  EXPECT_EQ(app.Windows(), (std::vector<std::shared_ptr<Window>>{b, a}));
  app.Activate(*a);
  EXPECT_EQ(app.FrontWindow(), a);
}

TEST_F(ApplicationTest, ClosingTheLastWindowQuitsUnlessToldOtherwise) {
  auto a = openPad();
  auto b = openPad();
  a->Close();
  EXPECT_FALSE(app.QuitRequested());
  b->Close();
  EXPECT_TRUE(app.QuitRequested());
}

TEST_F(ApplicationTest, QuitClosesEveryWindow) {
  auto a = openPad();
  auto b = openPad();
  app.Quit(3);
  EXPECT_TRUE(a->IsClosed());
  EXPECT_TRUE(b->IsClosed());
  EXPECT_TRUE(app.Windows().empty());
  EXPECT_EQ(app.ExitCode(), 3);
}

TEST_F(ApplicationTest, TheQuitItemWithoutAHandlerQuits) {
  openPad();
  EXPECT_TRUE(app.HandleShortcut("Cmd+Q"));
  EXPECT_TRUE(app.QuitRequested());
}

TEST_F(ApplicationTest, AutomaticStatesFollowAutoEnableAndThePad) {
  auto w = openPad();
  app.EnableMenuItems();
  EXPECT_TRUE(bar->_Lookup("mnuFile")->Enabled());  // a title opens its menu
  EXPECT_TRUE(bar->_Lookup("mnuNew")->Enabled());
  EXPECT_FALSE(bar->_Lookup("mnuSaveAs")->Enabled());
  EXPECT_TRUE(bar->_Lookup("FileQuit")->Enabled());
  EXPECT_FALSE(bar->_Lookup("EditCopy")->Enabled());
  EXPECT_FALSE(bar->_Lookup("EditPaste")->Enabled());
  w->pad()->SetText("abc");
  w->pad()->SelectAll();
  platform.setClipboardText("x");
  app.EnableMenuItems();
  EXPECT_TRUE(bar->_Lookup("EditCopy")->Enabled());
  EXPECT_TRUE(bar->_Lookup("EditPaste")->Enabled());
}

TEST_F(ApplicationTest, CommandsReachTheApplicationWithoutAnyWindow) {
  int news = 0;
  app._AddMenuHandler("mnuNew", MenuHandler([&] { return ++news > 0; }));
  EXPECT_TRUE(app.MenuItemChosen("mnuNew"));
  EXPECT_TRUE(app.HandleShortcut("Cmd+N"));
  EXPECT_FALSE(app.MenuItemChosen("ViewHistory"));  // no item of that name
  EXPECT_FALSE(app.HandleShortcut("Cmd+Shift+S"));  // disabled
  EXPECT_EQ(news, 2);
}

TEST_F(ApplicationTest, TheFrontWindowsHandlerComesBeforeTheApplications) {
  auto w = openPad();
  std::vector<std::string> calls;
  bool windowTakes = true;
  w->_AddMenuHandler("mnuNew", MenuHandler([&] {
                       calls.push_back("window");
                       return windowTakes;
                     }));
  app._AddMenuHandler("mnuNew", MenuHandler([&] {
                        calls.push_back("app");
                        return true;
                      }));
  EXPECT_TRUE(app.MenuItemChosen("mnuNew"));
  windowTakes = false;
  EXPECT_TRUE(app.MenuItemChosen("mnuNew"));
  EXPECT_EQ(calls, (std::vector<std::string>{"window", "window", "app"}));
}

TEST_F(ApplicationTest, ADisabledItemReachesNoHandler) {
  auto w = openPad();
  int saves = 0;
  w->_AddMenuHandler("mnuSaveAs", MenuHandler([&] { return ++saves > 0; }));
  EXPECT_FALSE(app.MenuItemChosen("mnuSaveAs"));
  EXPECT_EQ(saves, 0);
}

}  // namespace
}  // namespace vorline
