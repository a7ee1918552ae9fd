// Calculator > Show Variables: the listing in place of the pad, and the pad back afterwards.
#include "window/WindowFixture.h"

namespace vorline {
namespace {

using VariablesListing = WindowFixture;

TEST_F(VariablesListing, NewWindowListsAns) {
  app.MenuItemChosen("mnuViewShowVariables");
  EXPECT_EQ(pad().Text(), "Memory Variables\nans = 0\n");
  EXPECT_FALSE(pad().Enabled());
  EXPECT_TRUE(window().mnuViewShowVariables()->Checked());
}

TEST_F(VariablesListing, ListsStringsWithoutQuotesNumbersByStrAndOthers) {
  window().mem.SetValue("x", Variant::Double(0.1));
  window().mem.SetValue("$n", Variant::Int64(3));
  window().mem.SetValue("s", Variant::String("a \"b\""));
  window().mem.SetValue("flag", Variant::Boolean(true));
  window().PrintVar();
  EXPECT_EQ(pad().Text(),
            "Memory Variables\nans = 0\nx = 0.1\n$n = 3\ns = a \"b\"\nflag = <non printable>\n");
}

TEST_F(VariablesListing, OffRestoresThePadCaretAndSelection) {
  pad().SetText("x = 1\ny");
  pad().SetSelStart(2);
  pad().SetSelLength(3);
  app.MenuItemChosen("mnuViewShowVariables");
  app.MenuItemChosen("mnuViewShowVariables");
  EXPECT_EQ(pad().Text(), "x = 1\ny");
  EXPECT_EQ(pad().SelStart(), 2);
  EXPECT_EQ(pad().SelLength(), 3);
  EXPECT_TRUE(pad().Enabled());
  EXPECT_FALSE(window().mnuViewShowVariables()->Checked());
}

TEST_F(VariablesListing, RunWhileListingRunsTheListing) {
  app.MenuItemChosen("mnuViewShowVariables");
  app.MenuItemChosen("mnuRun");
  // "Memory Variables" is no expression: the run fails to compile and rebuilds the lines.
  EXPECT_EQ(pad().Text(), "Memory Variables\nans = 0\n");
  EXPECT_EQ(platform.messages().size(), 1u);
}

// The mark lives on the shared item: a second window takes the switching-off branch.
TEST_F(VariablesListing, SecondWindowSwitchesOffFromItsOwnSnapshot) {
  pad().SetText("first");
  app.MenuItemChosen("mnuViewShowVariables");
  auto b = openWindow();
  b->Sourcetxt()->SetText("typed");
  platform.sendKey(*b, "!");
  app.MenuItemChosen("mnuViewShowVariables");
  EXPECT_EQ(b->Sourcetxt()->Text(), "typed");
  EXPECT_TRUE(b->Sourcetxt()->Enabled());
  EXPECT_FALSE(pad().Enabled());
}

}  // namespace
}  // namespace vorline
