// The menu bar model: lookups, change notices, shortcut texts and handler tables.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/MenuBar.h"
#include "platform/ui/MenuHandlers.h"
#include "platform/ui/ShortcutKey.h"

namespace vorline {
namespace {

std::shared_ptr<MenuItem> named(const std::string& name, int64_t index = kNoMenuIndex) {
  auto item = std::make_shared<MenuItem>(name + " text");
  item->SetName(name);
  item->SetIndex(index);
  return item;
}

class MenuModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto file = named("mnuFile");
    bar->Append(file);
    file->Append(named("mnuSave"));
    auto calc = named("mnuCalculator");
    bar->Append(calc);
    auto precision = named("mnuPrecision");
    calc->Append(precision);
    for (int64_t i = 0; i <= 12; ++i) precision->Append(named("mnupre", i));
  }
  std::shared_ptr<MenuBar> bar = std::make_shared<MenuBar>();
};

TEST_F(MenuModelTest, LookupFindsItemsAtAnyDepthByNameAndIndex) {
  EXPECT_EQ(bar->_Lookup("mnuSave")->Name(), "mnuSave");
  EXPECT_EQ(bar->_Lookup("mnupre", 12)->Index(), 12);
  EXPECT_EQ(bar->_Lookup("mnupre")->Index(), 0);  // by name alone, the first member
  EXPECT_EQ(bar->_Lookup("mnupre", 13), nullptr);
  EXPECT_EQ(bar->_Lookup("ViewHistory"), nullptr);
  EXPECT_EQ(bar->Child("mnuSave"), nullptr);  // Child looks at direct items only
  EXPECT_EQ(bar->Child("mnuCalculator")->Child("mnuPrecision")->Count(), 13);
  EXPECT_EQ(bar->_Lookup("mnupre", 3)->Parent(), bar->_Lookup("mnuPrecision").get());
}

TEST_F(MenuModelTest, ListenersHearChangesOfNestedItemsOnlyWhenSomethingChanges) {
  std::vector<std::string> heard;
  int id = bar->AddListener([&](MenuItem& item, MenuChange change) {
    heard.push_back(item.Name() + (change == MenuChange::Checked ? " checked" : " other"));
  });
  auto four = bar->_Lookup("mnupre", 4);
  four->SetChecked(true);
  four->SetChecked(true);
  four->SetEnabled(true);  // already enabled
  bar->_Lookup("mnuSave")->SetEnabled(false);
  EXPECT_EQ(heard, (std::vector<std::string>{"mnupre checked", "mnuSave other"}));
  bar->RemoveListener(id);
  four->SetChecked(false);
  EXPECT_EQ(heard.size(), 2u);
}

TEST_F(MenuModelTest, ForEachItemVisitsInDisplayOrderMenusBeforeTheirItems) {
  std::vector<std::string> seen;
  bar->ForEachItem([&](MenuItem& item) {
    if (item.Index() <= 0) seen.push_back(item.Name());
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"mnuFile", "mnuSave", "mnuCalculator", "mnuPrecision",
                                            "mnupre"}));
}

struct ShortcutCase {
  const char* text;
  std::optional<std::string> canonical;
};

class ShortcutKeyTest : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(ShortcutKeyTest, ParsesToItsCanonicalForm) {
  std::optional<ShortcutKey> parsed = ShortcutKey::Parse(GetParam().text);
  ASSERT_EQ(parsed.has_value(), GetParam().canonical.has_value());
  if (parsed) {
    EXPECT_EQ(parsed->ToString(), *GetParam().canonical);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortcutKeyTest,
    ::testing::Values(ShortcutCase{"Cmd+S", "Cmd+S"}, ShortcutCase{"Cmd+Shift+s", "Cmd+Shift+S"},
                      ShortcutCase{"shift+cmd+S", "Cmd+Shift+S"},
                      ShortcutCase{"Alt+Ctrl+x", "Ctrl+Option+X"},
                      ShortcutCase{"Option+Z", "Option+Z"}, ShortcutCase{"Cmd++", "Cmd++"},
                      ShortcutCase{"F5", "F5"}, ShortcutCase{"", std::nullopt},
                      ShortcutCase{"Cmd+", std::nullopt}, ShortcutCase{"Hyper+X", std::nullopt}));

TEST(ShortcutKey, ModifiersMustMatchExactly) {
  EXPECT_EQ(ShortcutKey::Parse("Cmd+Shift+s"), ShortcutKey::Parse("Cmd+Shift+S"));
  EXPECT_NE(ShortcutKey::Parse("Cmd+S"), ShortcutKey::Parse("Cmd+Shift+S"));
  EXPECT_NE(ShortcutKey::Parse("Cmd+S"), ShortcutKey::Parse("S"));
}

TEST(MenuHandlers, KeepTheOrderOfFirstRegistrationAndPassTheIndex) {
  MenuHandlers handlers;
  std::vector<std::string> calls;
  handlers.Add("ViewClearHistory", MenuHandler([&] {
                 calls.push_back("clear");
                 return true;
               }));
  handlers.Add("mnupre", IndexedMenuHandler([&](int64_t i) {
                 calls.push_back("pre " + std::to_string(i));
                 return true;
               }));
  handlers.Add("mnuRun", MenuHandler([] { return false; }));
  handlers.Add("ViewClearHistory", MenuHandler([&] {
                 calls.push_back("clear again");
                 return true;
               }));
  EXPECT_EQ(handlers.Names(), (std::vector<std::string>{"ViewClearHistory", "mnupre", "mnuRun"}));
  EXPECT_EQ(handlers.Invoke("mnupre", 12), std::optional<bool>(true));
  EXPECT_EQ(handlers.Invoke("ViewClearHistory", kNoMenuIndex), std::optional<bool>(true));
  EXPECT_EQ(handlers.Invoke("mnuRun", kNoMenuIndex), std::optional<bool>(false));
  EXPECT_EQ(handlers.Invoke("mnuSave", kNoMenuIndex), std::nullopt);
  EXPECT_EQ(calls, (std::vector<std::string>{"pre 12", "clear again"}));
}

}  // namespace
}  // namespace vorline
