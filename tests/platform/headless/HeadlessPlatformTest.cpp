// What the headless platform adds for tests: dialogs answered from queues, the Option key, modal
// windows, the clock that drives timers, and its installation.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/files/FolderItem.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UiToolkit.h"
#include "platform/ui/Window.h"

namespace vorline {
namespace {

class TimerWindow : public Window {
 public:
  std::vector<std::string> fired;
  void CreateControls() override {
    for (const char* name : {"Slow", "Fast"}) {
      _AddControl(New<Timer>(), name);
      ControlByName<Timer>(name)->Action = [this, name](Timer&) { fired.push_back(name); };
    }
    ControlByName<Timer>("Slow")->SetPeriod(500);
    ControlByName<Timer>("Fast")->SetPeriod(200);
  }
  std::shared_ptr<Timer> timer(const char* name) { return ControlByName<Timer>(name); }
};

TEST(HeadlessPlatform, DialogsAreAnsweredInOrderAndRecorded) {
  HeadlessPlatform platform;
  auto chosen = std::make_shared<FolderItem>("/tmp/pad.vrl");
  platform.answerSaveDialog(chosen);
  platform.answerOpenDialog(nullptr);
  EXPECT_EQ(GetSaveFolderItem("TEXT", "untitled.vrl"), chosen);
  EXPECT_EQ(GetOpenFolderItem("TEXT"), nullptr);  // answered Cancel
  EXPECT_EQ(GetOpenFolderItem("TEXT"), nullptr);  // nothing queued: cancelled
  ASSERT_EQ(platform.dialogs().size(), 3u);
  EXPECT_TRUE(platform.dialogs()[0].save);
  EXPECT_EQ(platform.dialogs()[0].filter, "TEXT");
  EXPECT_EQ(platform.dialogs()[0].proposedName, "untitled.vrl");
  EXPECT_FALSE(platform.dialogs()[1].save);
}

TEST(HeadlessPlatform, TheOptionKeyIsWhatTheTestHolds) {
  HeadlessPlatform platform;
  EXPECT_FALSE(Keyboard::AsyncOptionKey());
  platform.setOptionKey(true);
  EXPECT_TRUE(Keyboard::AsyncOptionKey());
}

TEST(HeadlessPlatform, AModalWindowRunsTheTestsAnswerAndReturns) {
  HeadlessPlatform platform;
  int modal = 0;
  platform.onShowModal = [&](Window& window) {
    ++modal;
    window.Close();
  };
  auto w = std::make_shared<Window>();
  w->Constructor();
  w->ShowModal();
  EXPECT_EQ(modal, 1);
  EXPECT_TRUE(w->IsClosed());
}

TEST(HeadlessPlatform, TimersFireInTheOrderOfTheirDueTimes) {
  HeadlessPlatform platform;
  auto w = std::make_shared<TimerWindow>();
  w->Constructor();
  w->timer("Slow")->SetMode(Timer::ModeMultiple);
  w->timer("Fast")->SetMode(Timer::ModeMultiple);
  platform.advance(1000);
  EXPECT_EQ(w->fired,
            (std::vector<std::string>{"Fast", "Fast", "Slow", "Fast", "Fast", "Slow", "Fast"}));
  EXPECT_EQ(platform.now(), 1000);
}

TEST(HeadlessPlatform, SettingTheModeItHasKeepsARunningTimersRhythm) {
  HeadlessPlatform platform;
  auto w = std::make_shared<TimerWindow>();
  w->Constructor();
  auto fast = w->timer("Fast");
  fast->SetMode(Timer::ModeMultiple);
  platform.advance(150);
  fast->SetMode(Timer::ModeMultiple);
  platform.advance(50);
  EXPECT_EQ(w->fired.size(), 1u);
  fast->SetPeriod(100);  // a new period starts now
  platform.advance(99);
  EXPECT_EQ(w->fired.size(), 1u);
  platform.advance(1);
  EXPECT_EQ(w->fired.size(), 2u);
}

TEST(HeadlessPlatform, TheTimerOfAWindowThatIsGoneFiresNoMore) {
  HeadlessPlatform platform;
  auto w = std::make_shared<TimerWindow>();
  w->Constructor();
  w->timer("Fast")->SetMode(Timer::ModeMultiple);
  w.reset();
  platform.advance(1000);  // nothing to fire, nothing to crash
  EXPECT_EQ(platform.now(), 1000);
}

TEST(HeadlessPlatform, ALongOperationIsStoppedAtTheAskedPoll) {
  HeadlessPlatform platform;
  EXPECT_FALSE(toolkit().busyPoll());
  platform.stopAfterBusyPolls(3);
  EXPECT_FALSE(toolkit().busyPoll());
  EXPECT_FALSE(toolkit().busyPoll());
  EXPECT_TRUE(toolkit().busyPoll());
  EXPECT_TRUE(toolkit().busyPoll());  // the request stands until the test withdraws it
  platform.stopAfterBusyPolls(-1);
  EXPECT_FALSE(toolkit().busyPoll());
  toolkit().busyEnd();
  EXPECT_EQ(platform.busyPolls(), 6);
  EXPECT_EQ(platform.busyEnds(), 1);
}

TEST(HeadlessPlatform, InstallsItselfForItsLifetime) {
  {
    HeadlessPlatform platform;
    EXPECT_TRUE(hasToolkit());
    MsgBox("recorded");
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"recorded"});
  }
  EXPECT_FALSE(hasToolkit());
  EXPECT_THROW(std::make_shared<Window>(), std::logic_error);
  MsgBox("quiet");  // the quiet default takes it
}

}  // namespace
}  // namespace vorline
