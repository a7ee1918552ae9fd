// The platform-independent logic of windows and controls: set-up order, controls by name,
// design values, focus and mouse delivery.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Window.h"

namespace vorline {
namespace {

class TracingWindow : public Window {
 public:
  std::vector<std::string> trace;
  bool takeMouse = false;

  void Layout() override {
    trace.push_back("Layout");
    SetProperties(
        {{"Width", int64_t{524}}, {"Title", std::string("untitled.vrl")}, {"Composite", true}});
  }
  void CreateControls() override {
    trace.push_back("CreateControls");
    _AddControl(New<Label>(), "Caption");
    _AddControl(New<TextArea>(), "Second");
    ControlByName<TextArea>("Second")->SetProperties({{"TabIndex", int64_t{1}}});
    _AddControl(New<TextArea>(), "First");
    ControlByName<TextArea>("First")->SetProperties({{"TabIndex", int64_t{0}}});
    _AddControl(New<Canvas>(), "Badge");
    ControlByName<TextArea>("Second")->Open = [this](TextArea&) { trace.push_back("Second.Open"); };
    ControlByName<TextArea>("First")->Open = [this](TextArea&) { trace.push_back("First.Open"); };
    ControlByName<Canvas>("Badge")->Open = [this](Canvas&) { trace.push_back("Badge.Open"); };
  }
  void AddMenuHandlers() override { trace.push_back("AddMenuHandlers"); }
  bool Event_MouseDown(int64_t x, int64_t y) override {
    trace.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return takeMouse;
  }
  void Event_MouseUp(int64_t, int64_t) override { trace.push_back("MouseUp"); }
};

class WindowTest : public ::testing::Test {
 protected:
  std::shared_ptr<TracingWindow> makeWindow() {
    auto window = std::make_shared<TracingWindow>();
    window->Constructor();
    return window;
  }
  HeadlessPlatform platform;
};

TEST_F(WindowTest, ConstructorRunsTheHooksThenTheOpenEventsInOrderOfCreation) {
  auto w = makeWindow();
  EXPECT_EQ(w->trace, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                                "Second.Open", "First.Open", "Badge.Open"}));
  w->Constructor();  // once only
  EXPECT_EQ(w->trace.size(), 6u);
}

TEST_F(WindowTest, TheFocusGoesToTheLowestTabIndexThatTakesIt) {
  auto w = makeWindow();
  EXPECT_EQ(w->Focus(), w->ControlByName<TextArea>("First").get());
}

TEST_F(WindowTest, AControlThatCannotHoldTheFocusLosesIt) {
  auto w = makeWindow();
  auto first = w->ControlByName<TextArea>("First");
  first->SetEnabled(false);
  EXPECT_EQ(w->Focus(), nullptr);
  w->SetFocus(first.get());
  EXPECT_EQ(w->Focus(), nullptr);  // refused while disabled
  first->SetEnabled(true);
  EXPECT_EQ(w->Focus(), nullptr);  // enabling gives no focus back by itself
  w->SetFocus(first.get());
  EXPECT_EQ(w->Focus(), first.get());
  w->SetFocus(w->ControlByName<Label>("Caption").get());  // a label takes no focus
  EXPECT_EQ(w->Focus(), first.get());
  first->SetVisible(false);
  EXPECT_EQ(w->Focus(), nullptr);
}

TEST_F(WindowTest, ControlsAreFoundByNameAsTheirClass) {
  auto w = makeWindow();
  EXPECT_EQ(w->_ControlByName("Missing"), nullptr);
  EXPECT_EQ(w->ControlByName<Canvas>("Missing"), nullptr);
  auto badge = w->ControlByName<Canvas>("Badge");
  ASSERT_NE(badge, nullptr);
  EXPECT_EQ(badge->Name(), "Badge");
  EXPECT_EQ(badge->window(), w.get());
  EXPECT_THROW(w->ControlByName<TextArea>("Badge"), IllegalCastException);
  EXPECT_EQ(w->Controls().size(), 4u);
}

TEST_F(WindowTest, AControlOutlivingItsWindowNoLongerPointsAtIt) {
  auto w = makeWindow();
  auto badge = w->ControlByName<Canvas>("Badge");
  w.reset();
  EXPECT_EQ(badge->window(), nullptr);
}

TEST_F(WindowTest, DesignValuesTakeEffectAndAllAreKept) {
  auto w = makeWindow();
  EXPECT_EQ(w->Width(), 524);
  EXPECT_EQ(w->Title(), "untitled.vrl");
  ASSERT_NE(w->designValue("Composite"), nullptr);
  EXPECT_TRUE(designBool(*w->designValue("Composite")));
  EXPECT_EQ(w->designValue("Missing"), nullptr);

  auto timer = w->New<Timer>();
  timer->SetProperties({{"Period", int64_t{300}}, {"Mode", int64_t{0}}});
  EXPECT_EQ(timer->Period(), 300);
  EXPECT_EQ(timer->Mode(), Timer::ModeOff);

  auto area = w->ControlByName<TextArea>("First");
  area->SetProperties({{"Text", std::string()},
                       {"TextFont", std::string("Monaco")},
                       {"TextSize", 12.0f},
                       {"Visible", false},
                       {"LockRight", true},
                       {"Index", kNoControlIndex}});
  EXPECT_FALSE(area->CanUndo());  // an empty design text is no change to take back
  EXPECT_FALSE(area->Visible());
  EXPECT_TRUE(area->LockRight());
  EXPECT_EQ(designString(*area->designValue("TextFont")), "Monaco");
  EXPECT_EQ(designNumber(*area->designValue("TextSize")), 12.0);
  EXPECT_EQ(area->Index(), kNoControlIndex);
}

TEST_F(WindowTest, TheReleaseOfAPressComesOnlyWhenMouseDownTookIt) {
  auto w = makeWindow();
  w->trace.clear();
  w->DeliverMouseDown(3, 4);
  w->DeliverMouseUp(3, 4);
  w->takeMouse = true;
  w->DeliverMouseDown(5, 6);
  w->DeliverMouseUp(5, 6);
  w->DeliverMouseUp(5, 6);
  EXPECT_EQ(w->trace, (std::vector<std::string>{"MouseDown 3,4", "MouseDown 5,6", "MouseUp"}));
}

TEST_F(WindowTest, AClosedWindowTakesNoKeysAndLeavesTheApplication) {
  Application app;
  Application::RegisterAppObject(&app);
  app.SetQuitOnLastWindowClosed(false);
  auto w = makeWindow();
  w->Show();
  w->Show();
  EXPECT_EQ(app.Windows().size(), 1u);
  w->Close();
  EXPECT_TRUE(w->IsClosed());
  EXPECT_TRUE(app.Windows().empty());
  EXPECT_FALSE(w->DeliverKey("a"));
  EXPECT_EQ(w->ControlByName<TextArea>("First")->Text(), "");
  Application::RegisterAppObject(nullptr);
}

TEST_F(WindowTest, ATextAreaTypesLikeAPlainEditor) {
  auto w = makeWindow();
  auto area = w->ControlByName<TextArea>("First");
  platform.typeText(*w,
                    "ab\xC3\xA9"
                    "d");
  EXPECT_EQ(area->Text(),
            "ab\xC3\xA9"
            "d");
  platform.sendKey(*w, "\x1c");  // left
  platform.sendKey(*w, "\x08");  // backspace takes the "é"
  EXPECT_EQ(area->Text(), "abd");
  platform.sendKey(*w, "\x7f");  // delete takes the "d"
  EXPECT_EQ(area->Text(), "ab");
  area->SelectAll();
  platform.sendKey(*w, "\x1c");  // left collapses the selection to its start
  EXPECT_EQ(area->SelStart(), 0);
  EXPECT_EQ(area->SelLength(), 0);
  platform.sendKey(*w, "\x1b");  // Esc types nothing
  EXPECT_EQ(area->Text(), "ab");
  area->Undo();
  EXPECT_EQ(area->Text(), "abd");
  area->Undo();
  EXPECT_EQ(area->Text(),
            "ab\xC3\xA9"
            "d");
}

}  // namespace
}  // namespace vorline
