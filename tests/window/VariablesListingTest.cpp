// Calculator > Show Variables: the listing in place of the pad, and the pad back afterwards.
#include <fstream>
#include <iterator>

#include "platform/files/FolderItem.h"
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

// One entry is one listing line: a value's line breaks show as the sign that results use.
TEST_F(VariablesListing, AValuesLineBreaksStayOnItsLine) {
  window().mem.SetValue("s", Variant::String("a\nb\r\nc\rd\xE2\x80\xA8"
                                             "e\xE2\x80\xA9"
                                             "f\xEF\xB7\x90"
                                             "g\xEF\xB7\x91"
                                             "h"));
  window().PrintVar();
  EXPECT_EQ(pad().Text(),
            "Memory Variables\nans = 0\ns = a\xE2\x8F\x8E"
            "b\xE2\x8F\x8E"
            "c\xE2\x8F\x8E"
            "d\xE2\x8F\x8E"
            "e\xE2\x8F\x8E"
            "f\xE2\x8F\x8E"
            "g\xE2\x8F\x8E"
            "h\n");
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

// The disabled pad lost the focus while the listing showed; it has it back afterwards.
TEST_F(VariablesListing, OffGivesTheFocusBackToThePad) {
  ASSERT_EQ(window().Focus(), &pad());
  app.MenuItemChosen("mnuViewShowVariables");
  EXPECT_EQ(window().Focus(), nullptr);
  app.MenuItemChosen("mnuViewShowVariables");
  EXPECT_EQ(window().Focus(), &pad());
}

TEST_F(VariablesListing, RunWhileListingRunsTheListing) {
  app.MenuItemChosen("mnuViewShowVariables");
  app.MenuItemChosen("mnuRun");
  // "Memory Variables" is no expression: the run fails to compile and rebuilds the lines.
  EXPECT_EQ(pad().Text(), "Memory Variables\nans = 0\n");
  EXPECT_EQ(platform.messages().size(), 1u);
}

// The shared item's mark follows the front window, so choosing it in either of two windows
// switches that window's own listing, and no typed key is lost.
TEST_F(VariablesListing, TheMarkFollowsTheFrontWindowAndNoTypedKeyIsLost) {
  pad().SetText("first");
  app.MenuItemChosen("mnuViewShowVariables");
  auto b = openWindow();
  EXPECT_FALSE(b->mnuViewShowVariables()->Checked()) << "b shows its pad";
  b->Sourcetxt()->SetText("typed");
  b->Sourcetxt()->SetSelStart(5);
  platform.sendKey(*b, "!");
  ASSERT_EQ(b->Sourcetxt()->Text(), "typed!");
  app.MenuItemChosen("mnuViewShowVariables");
  EXPECT_EQ(b->Sourcetxt()->Text(), "Memory Variables\nans = 0\n");
  app.MenuItemChosen("mnuViewShowVariables");
  EXPECT_EQ(b->Sourcetxt()->Text(), "typed!");
  EXPECT_TRUE(b->Sourcetxt()->Enabled());

  app.Activate(window());
  EXPECT_TRUE(window().mnuViewShowVariables()->Checked()) << "the first window shows its listing";
  app.MenuItemChosen("mnuViewShowVariables");
  EXPECT_EQ(pad().Text(), "first");
  EXPECT_TRUE(pad().Enabled());
  EXPECT_FALSE(window().mnuViewShowVariables()->Checked());
}

// Closing the front window leaves the mark to the window behind it.
TEST_F(VariablesListing, TheWindowLeftInFrontSetsTheMark) {
  app.MenuItemChosen("mnuViewShowVariables");
  auto b = openWindow();
  EXPECT_FALSE(window().mnuViewShowVariables()->Checked());
  b->Close();
  EXPECT_TRUE(window().mnuViewShowVariables()->Checked());
}

// Save and Save As write the user's pad, not the listing that shows in its place.
TEST_F(VariablesListing, SaveWhileTheListingShowsWritesThePad) {
  const std::filesystem::path first = scratch.home() / "mine.vrl",
                              second = scratch.home() / "copy.vrl";
  pad().SetText("x = 1 //1\n");
  app.MenuItemChosen("mnuViewShowVariables");
  platform.answerSaveDialog(std::make_shared<FolderItem>(first.string()));
  app.MenuItemChosen("mnuSave");
  platform.answerSaveDialog(std::make_shared<FolderItem>(second.string()));
  app.MenuItemChosen("mnuSaveAs");
  for (const auto& path : {first, second}) {
    std::ifstream in(path, std::ios::binary);
    std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(saved, "x = 1 //1\n") << path;
  }
  EXPECT_EQ(pad().Text(), "Memory Variables\nans = 0\n") << "the listing still shows";
  app.MenuItemChosen("mnuViewShowVariables");
  EXPECT_EQ(pad().Text(), "x = 1 //1\n");
}

}  // namespace
}  // namespace vorline
