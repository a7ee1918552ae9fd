// The program's menu bar: its 45 items with their places, classes, texts, shortcuts, flags and
// indexes, the shared instance, and the commands that reach handlers through it.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "platform/ui/AppleMenuItem.h"
#include "platform/ui/Application.h"
#include "platform/ui/QuitMenuItem.h"
#include "platform/ui/Window.h"
#include "shell/Menu.h"

namespace vorline {
namespace {

enum class Cls { Item, About, Quit };

struct Row {
  std::string menu;  // the name of the item it was appended to; "" for the bar
  std::string name;
  Cls cls;
  std::string text;
  std::string shortcut;
  bool autoEnable;
  int64_t index;
};

constexpr int64_t N = kNoMenuIndex;

std::vector<Row> expectedRows() {
  std::vector<Row> rows = {
      {"", "mnuFile", Cls::Item, "&File", "", false, N},
      {"mnuFile", "AboutMenu", Cls::About, "A&bout VRLN...", "", true, N},
      {"mnuFile", "mnuNew", Cls::Item, "&New", "Cmd+N", true, N},
      {"mnuFile", "mnuOpen", Cls::Item, "&Open...", "Cmd+O", true, N},
      {"mnuFile", "UntitledSeparator", Cls::Item, "-", "", true, N},
      {"mnuFile", "mnuClose", Cls::Item, "&Close", "Cmd+W", true, N},
      {"mnuFile", "mnuSave", Cls::Item, "&Save", "Cmd+S", true, N},
      {"mnuFile", "mnuSaveAs", Cls::Item, "Save &As...", "Cmd+Shift+s", false, N},
      {"mnuFile", "UntitledSeparator0", Cls::Item, "-", "", true, N},
      {"mnuFile", "FileQuit", Cls::Quit, "&Quit", "Cmd+Q", true, N},
      {"mnuFile", "UntitledMenu8", Cls::Item, "", "", false, N},
      {"", "mnuEdit", Cls::Item, "&Edit", "", false, N},
      {"mnuEdit", "EditUndo", Cls::Item, "&Undo", "Cmd+Z", false, N},
      {"mnuEdit", "UntitledMenu3", Cls::Item, "-", "", false, N},
      {"mnuEdit", "EditCut", Cls::Item, "Cu&t", "Cmd+X", false, N},
      {"mnuEdit", "EditCopy", Cls::Item, "&Copy", "Cmd+C", false, N},
      {"mnuEdit", "EditPaste", Cls::Item, "&Paste", "Cmd+V", false, N},
      {"mnuEdit", "EditClear", Cls::Item, "&Delete", "", true, N},
      {"mnuEdit", "UntitledMenu2", Cls::Item, "-", "", false, N},
      {"mnuEdit", "mnuSelectAll", Cls::Item, "Select &All", "Cmd+A", true, N},
      {"mnuEdit", "UntitledMenu7", Cls::Item, "", "", false, N},
      {"", "mnuCalculator", Cls::Item, "&Calculator", "", false, N},
      {"mnuCalculator", "mnuRun", Cls::Item, "&Run", "Cmd+R", true, N},
      {"mnuCalculator", "mnuCalculatorReset", Cls::Item, "R&eset", "", true, N},
      {"mnuCalculator", "UntitledSeparator1", Cls::Item, "-", "", true, N},
      {"mnuCalculator", "mnuOutputMode", Cls::Item, "&Output", "", true, N},
      {"mnuOutputMode", "mnuMode", Cls::Item, "Base 10 &Floating Point", "", true, 0},
      {"mnuOutputMode", "mnuMode", Cls::Item, "Base 10 &Scientific", "", true, 1},
      {"mnuCalculator", "mnuPrecision", Cls::Item, "&Precision", "", true, N},
      {"mnuPrecision", "mnupre", Cls::Item, "&0 Digits", "", true, 0},
      {"mnuPrecision", "mnupre", Cls::Item, "&1 Digit", "", true, 1},
  };
  const char* digits[] = {"&2 Digits",  "&3 Digits",  "&4 Digits", "&5 Digits",
                          "&6 Digits",  "&7 Digits",  "&8 Digits", "&9 Digits",
                          "10 &Digits", "11 D&igits", "12 Di&gits"};
  for (int64_t n = 2; n <= 12; ++n)
    rows.push_back({"mnuPrecision", "mnupre", Cls::Item, digits[n - 2], "", true, n});
  rows.push_back({"mnuCalculator", "UntitledSeparator2", Cls::Item, "-", "", true, N});
  rows.push_back(
      {"mnuCalculator", "mnuViewShowVariables", Cls::Item, "Show &Variables", "", true, N});
  rows.push_back({"mnuCalculator", "UntitledMenu6", Cls::Item, "", "", true, N});
  return rows;
}

Cls classOf(MenuItem& item) {
  if (dynamic_cast<AppleMenuItem*>(&item)) return Cls::About;
  if (dynamic_cast<QuitMenuItem*>(&item)) return Cls::Quit;
  return Cls::Item;
}

TEST(Menu, HoldsTheFortyFiveItemsInDisplayOrder) {
  Menu menu;
  std::vector<Row> expected = expectedRows();
  ASSERT_EQ(expected.size(), 45u);
  std::size_t i = 0;
  menu.ForEachItem([&](MenuItem& item) {
    ASSERT_LT(i, expected.size());
    const Row& row = expected[i++];
    SCOPED_TRACE("item " + std::to_string(i) + " " + row.name);
    EXPECT_EQ(item.Parent() == &menu ? "" : item.Parent()->Name(), row.menu);
    EXPECT_EQ(item.Name(), row.name);
    EXPECT_EQ(classOf(item), row.cls);
    EXPECT_EQ(item.Text(), row.text);
    EXPECT_EQ(item.KeyboardShortcut(), row.shortcut);
    EXPECT_EQ(item.AutoEnable(), row.autoEnable);
    EXPECT_EQ(item.Index(), row.index);
    EXPECT_TRUE(item.Visible());
    EXPECT_FALSE(item.Checked());
  });
  EXPECT_EQ(i, 45u);
  EXPECT_EQ(menu.Count(), 3);
}

// The Alt key of a text: the character after its one "&", lower case; 0 when it has none.
char altKeyOf(const std::string& text) {
  const size_t at = text.find('&');
  if (at == std::string::npos || at + 1 >= text.size()) return 0;
  EXPECT_EQ(text.find('&', at + 1), std::string::npos) << text;
  return static_cast<char>(std::tolower(static_cast<unsigned char>(text[at + 1])));
}

// Every item that shows has an Alt key, and no two items of one menu (or titles of the bar)
// share one, so a single key always reaches its item.
TEST(Menu, EveryShownItemHasAnAltKeyOfItsOwnInItsMenu) {
  Menu menu;
  std::map<std::pair<const MenuItem*, char>, std::string> taken;
  menu.ForEachItem([&](MenuItem& item) {
    if (item.IsSeparator() || item.Text().empty()) return;
    const char key = altKeyOf(item.Text());
    EXPECT_NE(key, 0) << item.Name() << " " << item.Text();
    auto [at, fresh] = taken.emplace(std::make_pair(item.Parent(), key), item.Text());
    EXPECT_TRUE(fresh) << item.Text() << " and " << at->second << " share Alt+" << key;
  });
}

TEST(Menu, TheSharedInstanceIsBuiltOnce) {
  Menu::ReleaseInstance();
  std::shared_ptr<Menu> first = Menu::Instance();
  EXPECT_EQ(Menu::Instance(), first);
  first->_Lookup("mnupre", 4)->SetChecked(true);
  EXPECT_TRUE(Menu::Instance()->_Lookup("mnupre", 4)->Checked());
  Menu::ReleaseInstance();
  EXPECT_NE(Menu::Instance(), first);
  Menu::ReleaseInstance();
}

TEST(Menu, NoItemBearsTheHistoryHandlersNames) {
  Menu menu;
  EXPECT_EQ(menu._Lookup("ViewHistory"), nullptr);
  EXPECT_EQ(menu._Lookup("ViewClearHistory"), nullptr);
}

// A stand-in for the calculator window: the window's twelve handler names on the real bar.
class HandlerWindow : public Window {
 public:
  explicit HandlerWindow(std::shared_ptr<Menu> bar) : bar_(std::move(bar)) {}
  void Layout() override { SetMenuBar(bar_); }
  void AddMenuHandlers() override {
    for (const char* name :
         {"ViewClearHistory", "ViewHistory", "EditClear", "mnuViewShowVariables", "mnuRun",
          "mnuCalculatorReset", "mnuSave", "mnuSaveAs", "mnuClose", "mnuSelectAll"})
      _AddMenuHandler(name, MenuHandler([this, name] {
                        calls.push_back(name);
                        return true;
                      }));
    for (const char* name : {"mnupre", "mnuMode"})
      _AddMenuHandler(name, IndexedMenuHandler([this, name](int64_t index) {
                        calls.push_back(std::string(name) + " " + std::to_string(index));
                        return true;
                      }));
  }
  void Event_EnableMenuItems() override {
    if (hasFile) bar_->_Lookup("mnuSaveAs")->SetEnabled(true);
  }
  std::vector<std::string> calls;
  bool hasFile = false;

 private:
  std::shared_ptr<Menu> bar_;
};

class MenuDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::RegisterAppObject(&app);
    app.SetMenuBar(bar);
    for (const char* name : {"mnuNew", "AboutMenu", "mnuOpen"})
      app._AddMenuHandler(name, MenuHandler([this, name] {
                            appCalls.push_back(name);
                            return true;
                          }));
  }
  void TearDown() override { Application::RegisterAppObject(nullptr); }
  std::shared_ptr<HandlerWindow> open() {
    auto w = std::make_shared<HandlerWindow>(bar);
    w->Constructor();
    w->Show();
    return w;
  }

  HeadlessPlatform platform;
  Application app;
  std::shared_ptr<Menu> bar = std::make_shared<Menu>();
  std::vector<std::string> appCalls;
};

TEST_F(MenuDispatchTest, PrecisionItemsPassTheirDigitsAndOutputItemsTheirMode) {
  auto w = open();
  EXPECT_TRUE(app.MenuItemChosen("mnupre", 12));
  EXPECT_TRUE(app.MenuItemChosen("mnupre", 0));
  EXPECT_TRUE(app.MenuItemChosen("mnuMode", 1));
  EXPECT_TRUE(app.HandleShortcut("Cmd+R"));
  EXPECT_EQ(w->calls, (std::vector<std::string>{"mnupre 12", "mnupre 0", "mnuMode 1", "mnuRun"}));
}

TEST_F(MenuDispatchTest, TheApplicationsItemsReachItWithOrWithoutAWindowInFront) {
  EXPECT_TRUE(app.MenuItemChosen("mnuNew"));
  auto w = open();
  EXPECT_TRUE(app.MenuItemChosen("AboutMenu"));
  EXPECT_TRUE(app.HandleShortcut("Cmd+O"));
  EXPECT_EQ(appCalls, (std::vector<std::string>{"mnuNew", "AboutMenu", "mnuOpen"}));
  EXPECT_TRUE(w->calls.empty());
}

TEST_F(MenuDispatchTest, SaveAsIsOffUntilTheFrontWindowHasAFile) {
  auto w = open();
  EXPECT_FALSE(app.MenuItemChosen("mnuSaveAs"));
  EXPECT_FALSE(app.HandleShortcut("Cmd+Shift+S"));
  w->hasFile = true;
  EXPECT_TRUE(app.HandleShortcut("Cmd+Shift+S"));
  EXPECT_EQ(w->calls, (std::vector<std::string>{"mnuSaveAs"}));
}

TEST_F(MenuDispatchTest, ItemsWithoutAHandlerDoNothing) {
  open();
  EXPECT_FALSE(app.MenuItemChosen("UntitledMenu6"));
  EXPECT_FALSE(app.MenuItemChosen("UntitledMenu8"));  // not even enabled
  EXPECT_FALSE(app.MenuItemChosen("UntitledSeparator"));
  EXPECT_FALSE(app.QuitRequested());
}

}  // namespace
}  // namespace vorline
