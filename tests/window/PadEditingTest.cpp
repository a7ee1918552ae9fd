// The keys the pad handles itself, the undo snapshot and Edit > Delete with its history.
#include "platform/ui/Keyboard.h"
#include "window/WindowFixture.h"

namespace vorline {
namespace {

using PadEditing = WindowFixture;

struct EnterCase {
  const char* name;
  const char* text;
  int64_t caret;
  int64_t selection;
  const char* padAfter;  // nullptr: nothing ran and the key went on to the pad
};

class EnterKey : public WindowFixture, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterKey, RunsTheTextLeftOfTheCaret) {
  const EnterCase& c = GetParam();
  pad().SetText(c.text);
  pad().SetSelStart(c.caret);
  pad().SetSelLength(c.selection);
  bool consumed = platform.sendKey(window(), Keys::Enter);
  if (c.padAfter) {
    EXPECT_TRUE(consumed);
    EXPECT_EQ(pad().Text(), c.padAfter);
  } else {
    EXPECT_FALSE(consumed);
    EXPECT_EQ(pad().Text().size(), std::string(c.text).size() + 1) << "the key types a line break";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnterKey,
    ::testing::Values(EnterCase{"EndOfLine", "a = 1\nx = 2*3\nb", 13, 0, "x = 2*3 //6"},
                      EnterCase{"MidLine", "2+3", 2, 0, "2+"},  // which does not compile
                      EnterCase{"FirstLine", "7*6\nrest", 3, 0, "7*6 //42"},
                      EnterCase{"SelectionStartCounts", "1+1\n5*5+1", 7, 2, "5*5 //25"},
                      EnterCase{"StartOfLine", "1\n2", 2, 0, nullptr},
                      EnterCase{"EmptyLine", "1\n\n2", 2, 0, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PadEditing, OtherKeysTypeAfterTheSnapshot) {
  pad().SetText("ab");
  pad().SetSelStart(2);
  EXPECT_FALSE(platform.sendKey(window(), Keys::Return));
  EXPECT_FALSE(platform.sendKey(window(), Keys::Tab));
  EXPECT_EQ(pad().Text(), "ab\n\t");
  EXPECT_EQ(window().undoText, "ab\n");
}

TEST_F(PadEditing, EscEmptiesThePadAndKeepsTheHistory) {
  window().History = "\nold";
  pad().SetText("keep me");
  EXPECT_TRUE(platform.sendKey(window(), Keys::Escape));
  EXPECT_EQ(pad().Text(), "");
  EXPECT_EQ(window().undoText, "keep me");
  EXPECT_EQ(window().History, "\nold");
}

TEST_F(PadEditing, EscToTheWindowEmptiesThePad) {
  pad().SetText("text");
  EXPECT_TRUE(window().Event_KeyDown(std::string(Keys::Escape)));
  EXPECT_EQ(pad().Text(), "");
  EXPECT_FALSE(window().Event_KeyDown("a"));
}

TEST_F(PadEditing, UndoChangesTwiceRestoresEverything) {
  pad().SetText("first text");
  pad().SetSelStart(2);
  pad().SetSelLength(3);
  window().SaveUndo();
  pad().SetText("second");
  pad().SetSelStart(1);
  window().UndoChanges();
  EXPECT_EQ(pad().Text(), "first text");
  EXPECT_EQ(pad().SelStart(), 2);
  EXPECT_EQ(pad().SelLength(), 3);
  EXPECT_EQ(window().undoText, "second");
  window().UndoChanges();
  EXPECT_EQ(pad().Text(), "second");
  EXPECT_EQ(pad().SelStart(), 1);
  EXPECT_EQ(window().undoText, "first text");
  EXPECT_EQ(window().UndoSelStart, 2);
  EXPECT_EQ(window().UndoSelLength, 3);
}

TEST_F(PadEditing, DeleteKeepsClearedPadsAndOptionForgetsThem) {
  pad().SetText("A");
  app.MenuItemChosen("EditClear");
  pad().SetText("B");
  app.MenuItemChosen("EditClear");
  EXPECT_EQ(window().History, "\nA\nB");
  EXPECT_EQ(pad().Text(), "");
  pad().SetText("C");
  platform.setOptionKey(true);
  app.MenuItemChosen("EditClear");
  EXPECT_EQ(window().History, "\nC");
}

TEST_F(PadEditing, HistoryHandlersAreNotReachableByTheMenu) {
  window().History = "\nA";
  pad().SetText("now");
  EXPECT_FALSE(app.MenuItemChosen("ViewHistory"));
  EXPECT_TRUE(window()._ViewHistory_Action());
  EXPECT_EQ(pad().Text(), "\nA\rnow");
  EXPECT_EQ(pad().SelStart(), 6);
  EXPECT_EQ(window().History, "\nA");
  platform.setOptionKey(true);
  window()._ViewHistory_Action();
  EXPECT_EQ(window().History, "");
  window().History = "x";
  EXPECT_TRUE(window()._ViewClearHistory_Action());
  EXPECT_EQ(window().History, "");
}

TEST_F(PadEditing, StartSetsTheMode) {
  EXPECT_EQ(window().CalMode, 1);
  EXPECT_EQ(window().LastMode, 1);
}

TEST_F(PadEditing, CurrentLineWithATwoCharacterSeparator) {
  pad().SetText("one\r\ntwo\r\nthree");
  pad().SetSelStart(8);
  EXPECT_EQ(window().getCurrentLine(pad(), "\r\n"), "two");
  pad().SetSelStart(3);
  EXPECT_EQ(window().getCurrentLine(pad(), "\r\n"), "one");
}

}  // namespace
}  // namespace vorline
