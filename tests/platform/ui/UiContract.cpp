#include "platform/ui/UiContract.h"

#include <stdexcept>

#include "platform/ui/Canvas.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Rectangle.h"
#include "platform/ui/TextArea.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UiServices.h"

namespace vorline::contract {
namespace {

using Key = UiHarness::Key;

std::shared_ptr<MenuItem> item(const char* name, const char* text, const char* shortcut = "",
                               bool autoEnable = true, int64_t index = kNoMenuIndex) {
  auto made = std::make_shared<MenuItem>(text);
  made->SetName(name);
  made->SetKeyboardShortcut(shortcut);
  made->SetAutoEnable(autoEnable);
  made->SetIndex(index);
  return made;
}

}  // namespace

// ---- the window under test ----

void ContractWindow::Layout() {
  SetMenuBar(bar_);
  SetProperties({{"Width", int64_t{400}},
                 {"Height", int64_t{300}},
                 {"MinWidth", int64_t{100}},
                 {"MinHeight", int64_t{80}},
                 {"Title", std::string("contract")}});
}

void ContractWindow::CreateControls() {
  _AddControl(New<Rectangle>(), "Frame");
  ControlByName<Rectangle>("Frame")->SetProperties({{"Left", int64_t{0}},
                                                    {"Top", int64_t{0}},
                                                    {"Width", int64_t{400}},
                                                    {"Height", int64_t{270}},
                                                    {"LockRight", true},
                                                    {"LockBottom", true}});
  _AddControl(New<TextArea>(), "Pad");
  ControlByName<TextArea>("Pad")->SetProperties({{"InitialParent", std::string("Frame")},
                                                 {"Left", int64_t{4}},
                                                 {"Top", int64_t{4}},
                                                 {"Width", int64_t{391}},
                                                 {"Height", int64_t{263}},
                                                 {"LockRight", true},
                                                 {"LockBottom", true},
                                                 {"AcceptTabs", true},
                                                 {"Multiline", true}});
  _AddControl(New<Canvas>(), "Badge");
  ControlByName<Canvas>("Badge")->SetProperties({{"Left", int64_t{333}},
                                                 {"Top", int64_t{276}},
                                                 {"Width", int64_t{42}},
                                                 {"Height", int64_t{18}},
                                                 {"LockLeft", false},
                                                 {"LockTop", false},
                                                 {"LockRight", true},
                                                 {"LockBottom", true},
                                                 {"Visible", false}});
  _AddControl(New<Timer>(), "Blink");
  ControlByName<Timer>("Blink")->SetProperties({{"Period", int64_t{300}}, {"Mode", int64_t{0}}});

  pad()->KeyDown = [this](TextArea&, const std::string& key) {
    padKeys.push_back(key);
    if (key == throwOnPadKey) throw std::runtime_error("pad key failed");
    return consumePadKeys;
  };
  pad()->KeyUp = [this](TextArea&, const std::string& key) { padKeysUp.push_back(key); };
  blink()->Action = [this](Timer& timer) {
    badge()->SetVisible(!badge()->Visible());
    if (++blinkSteps == 6) {
      timer.SetMode(Timer::ModeOff);
      badge()->SetVisible(false);
    }
  };
}

void ContractWindow::AddMenuHandlers() {
  _AddMenuHandler("cmdRun", MenuHandler([this] { return ++runs > 0; }));
  _AddMenuHandler("cmdClose", MenuHandler([this] {
                    Close();
                    return true;
                  }));
  _AddMenuHandler("cmdFallback", MenuHandler([] { return false; }));
  _AddMenuHandler("cmdLocked", MenuHandler([this] { return ++lockedRuns > 0; }));
  _AddMenuHandler("cmdThrow", MenuHandler([]() -> bool { throw std::runtime_error("boom"); }));
  _AddMenuHandler(
      "cmdArray", IndexedMenuHandler([this](int64_t index) {
        arrayIndexes.push_back(index);
        bar_->_Lookup("cmdArray", index)->SetChecked(!bar_->_Lookup("cmdArray", index)->Checked());
        return true;
      }));
}

bool ContractWindow::Event_KeyDown(const std::string& key) {
  windowKeys.push_back(key);
  return true;
}

void ContractWindow::Event_EnableMenuItems() {
  if (enableLocked) bar_->_Lookup("cmdLocked")->SetEnabled(true);
}

std::shared_ptr<TextArea> ContractWindow::pad() const { return ControlByName<TextArea>("Pad"); }
std::shared_ptr<Canvas> ContractWindow::badge() const { return ControlByName<Canvas>("Badge"); }
std::shared_ptr<Timer> ContractWindow::blink() const { return ControlByName<Timer>("Blink"); }

// ---- the fixture ----

std::shared_ptr<MenuBar> UiContract::buildMenuBar() {
  auto menuBar = std::make_shared<MenuBar>();
  auto file = item("mnuFileT", "File", "", false);
  menuBar->Append(file);
  file->Append(item("cmdNew", "New", "Cmd+N"));
  file->Append(item("cmdClose", "Close", "Cmd+W"));
  auto edit = item("mnuEditT", "Edit", "", false);
  menuBar->Append(edit);
  edit->Append(item("EditUndo", "Undo", "Cmd+Z", false));
  edit->Append(item("EditCut", "Cut", "Cmd+X", false));
  edit->Append(item("EditCopy", "Copy", "Cmd+C", false));
  edit->Append(item("EditPaste", "Paste", "Cmd+V", false));
  auto tools = item("mnuToolsT", "Tools", "", false);
  menuBar->Append(tools);
  tools->Append(item("cmdRun", "Run", "Cmd+R"));
  tools->Append(item("cmdFallback", "Fallback"));
  tools->Append(item("cmdLocked", "Locked", "", false));
  tools->Append(item("cmdThrow", "Throw"));
  tools->Append(item("cmdNobody", "Nobody"));
  auto options = item("cmdOptions", "Options");
  tools->Append(options);
  for (int64_t i = 0; i < 3; ++i)
    options->Append(item("cmdArray", i == 0 ? "A" : i == 1 ? "B" : "C", "", true, i));
  return menuBar;
}

void UiContract::SetUp() {
  ui = GetParam().make();
  app = std::make_unique<Application>();
  Application::RegisterAppObject(app.get());
  app->SetQuitOnLastWindowClosed(false);
  bar = buildMenuBar();
  app->SetMenuBar(bar);
  app->_AddMenuHandler("cmdNew", MenuHandler([this] { return ++appNewRuns > 0; }));
  app->_AddMenuHandler("cmdFallback", MenuHandler([this] { return ++appFallbackRuns > 0; }));
}

void UiContract::TearDown() {
  for (const auto& window : std::vector(app->Windows())) window->Close();
  Application::RegisterAppObject(nullptr);
  app.reset();
  ui.reset();
}

std::shared_ptr<ContractWindow> UiContract::openWindow() {
  auto window = std::make_shared<ContractWindow>(bar);
  window->Constructor();
  window->Show();
  ui->activate(*window);
  return window;
}

// ---- text and selection ----

TEST_P(UiContract, TextAndSelectionCountCharactersNotBytes) {
  auto w = openWindow();
  auto pad = w->pad();
  pad->SetText("h\xC3\xA9llo \xF0\x9F\x98\x80 w");  // "héllo 😀 w"
  EXPECT_EQ(pad->Text(), "h\xC3\xA9llo \xF0\x9F\x98\x80 w");
  EXPECT_EQ(pad->SelStart(), 0);
  pad->SetSelStart(6);
  pad->SetSelLength(1);
  EXPECT_EQ(pad->SelText(), "\xF0\x9F\x98\x80");
  pad->SetSelStart(100);
  EXPECT_EQ(pad->SelStart(), 9);
  EXPECT_EQ(pad->SelLength(), 0);
  pad->SetSelStart(7);
  pad->SetSelLength(50);
  EXPECT_EQ(pad->SelLength(), 2);
  pad->SelectAll();
  EXPECT_EQ(pad->SelStart(), 0);
  EXPECT_EQ(pad->SelLength(), 9);
}

// The pad reads back every character as it was written: the separators that the Qt editor
// makes blocks of or shows as a break, and a no-break space, which its plain text turns into
// a space.
TEST_P(UiContract, TextReadsBackEveryCharacterAsItWasWritten) {
  auto w = openWindow();
  auto pad = w->pad();
  // U+2028, U+00A0, U+2029, U+FDD0 and U+FDD1, and separators of both kinds side by side. The
  // characters that begin no block come first, before any block was begun by a separator, and
  // again after.
  const std::string cases[] = {
      "a\u2028b\n\n",      "1\u00A0000\n\u2028", "a\u2029b",   "a\uFDD0b\uFDD1c",
      "\u2029\n\u2029x\n", "a\u2028b\n\n",       "1\u00A0000",
  };
  for (const std::string& written : cases) {
    pad->SetText(written);
    EXPECT_EQ(pad->Text(), written);
    pad->SetText("x");
    pad->SelectAll();
    pad->ReplaceSelection(written);
    EXPECT_EQ(pad->Text(), written);
  }
  // A program's write that changes only some separators; typing and deleting line breaks next
  // to a line that a separator began.
  pad->SetText("a\u2029b\nc");
  pad->SetText("a\nb\u2029c");
  EXPECT_EQ(pad->Text(), "a\nb\u2029c");
  pad->SetText("a\u2029bc");
  pad->SetSelStart(3);
  ui->press(*w, Key::Return);
  ui->type(*w, "d");
  EXPECT_EQ(pad->Text(), "a\u2029b\ndc");
  pad->SetSelStart(0);
  ui->press(*w, Key::Return);
  EXPECT_EQ(pad->Text(), "\na\u2029b\ndc");
  pad->SetSelStart(1);
  ui->press(*w, Key::Backspace);
  EXPECT_EQ(pad->Text(), "a\u2029b\ndc");
  pad->SetText("a\n\u2029b");
  pad->SetSelStart(3);
  ui->press(*w, Key::Backspace);
  EXPECT_EQ(pad->Text(), "a\nb");
  pad->SetText("a\n\u2029b");
  pad->SetSelStart(2);
  ui->press(*w, Key::Backspace);
  EXPECT_EQ(pad->Text(), "a\u2029b");
}

TEST_P(UiContract, TypingReplacesTheSelection) {
  auto w = openWindow();
  auto pad = w->pad();
  pad->SetText("abcdef");
  pad->SetSelStart(2);
  pad->SetSelLength(2);
  ui->type(*w, "X");
  EXPECT_EQ(pad->Text(), "abXef");
  EXPECT_EQ(pad->SelStart(), 3);
  EXPECT_EQ(pad->SelLength(), 0);
}

TEST_P(UiContract, UndoTakesBackTheProgramsOwnWrites) {
  auto w = openWindow();
  auto pad = w->pad();
  ui->type(*w, "ab");
  pad->SetText("replaced by a run");
  ASSERT_TRUE(pad->CanUndo());
  pad->Undo();
  EXPECT_EQ(pad->Text(), "ab");
}

TEST_P(UiContract, DisabledPadTakesNoTyping) {
  auto w = openWindow();
  w->pad()->SetText("listing");
  w->pad()->SetEnabled(false);
  ui->type(*w, "x");
  EXPECT_EQ(w->pad()->Text(), "listing");
  EXPECT_TRUE(w->padKeys.empty());
}

// ---- keys ----

TEST_P(UiContract, KeypadEnterAndCtrlReturnSendCode3AndReturnSendsReturn) {
  auto w = openWindow();
  ui->press(*w, Key::KeypadEnter);
  ui->press(*w, Key::CtrlReturn);
  ui->press(*w, Key::Return);
  EXPECT_EQ(w->padKeys, (std::vector<std::string>{"\x03", "\x03", "\r"}));
}

TEST_P(UiContract, ReturnTypesALineBreakAtTheCaret) {
  auto w = openWindow();
  w->pad()->SetText("ab");
  w->pad()->SetSelStart(1);
  ui->press(*w, Key::Return);
  EXPECT_EQ(w->pad()->Text(), "a\nb");
  EXPECT_EQ(w->pad()->SelStart(), 2);
}

TEST_P(UiContract, AConsumedKeyNeverReachesThePad) {
  auto w = openWindow();
  w->pad()->SetText("x = 2*3");
  w->pad()->SetSelStart(7);
  w->consumePadKeys = true;
  ui->press(*w, Key::KeypadEnter);
  ui->type(*w, "q");
  ui->press(*w, Key::Tab);
  EXPECT_EQ(w->pad()->Text(), "x = 2*3");
  EXPECT_EQ(w->padKeys, (std::vector<std::string>{"\x03", "q", "\t"}));
}

TEST_P(UiContract, KeyUpFollowsEachKeyDown) {
  auto w = openWindow();
  ui->type(*w, "ab");
  EXPECT_EQ(w->padKeys, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(w->padKeysUp, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(w->pad()->Text(), "ab");
}

TEST_P(UiContract, KeysGoToTheWindowWhileThePadIsDisabled) {
  auto w = openWindow();
  w->pad()->SetEnabled(false);
  ui->press(*w, Key::Escape);
  EXPECT_EQ(w->windowKeys, (std::vector<std::string>{"\x1b"}));
  EXPECT_TRUE(w->padKeys.empty());
}

// ---- menus ----

TEST_P(UiContract, ACommandGoesToTheFrontWindowOfTwo) {
  auto a = openWindow();
  auto b = openWindow();
  EXPECT_TRUE(ui->chooseMenu("cmdRun"));
  EXPECT_EQ(a->runs, 0);
  EXPECT_EQ(b->runs, 1);
  ui->activate(*a);
  EXPECT_TRUE(ui->chooseMenu("cmdRun"));
  EXPECT_EQ(a->runs, 1);
  EXPECT_EQ(b->runs, 1);
}

TEST_P(UiContract, TheApplicationTakesWhatNoWindowHandles) {
  auto a = openWindow();
  auto b = openWindow();
  EXPECT_TRUE(ui->chooseMenu("cmdNew"));
  ui->activate(*a);
  EXPECT_TRUE(ui->chooseMenu("cmdNew"));
  EXPECT_EQ(appNewRuns, 2);
  // A window handler that answers False passes the command on.
  EXPECT_TRUE(ui->chooseMenu("cmdFallback"));
  EXPECT_EQ(appFallbackRuns, 1);
  EXPECT_FALSE(ui->chooseMenu("cmdNobody"));
}

TEST_P(UiContract, AnItemArrayHandlerGetsTheChosenIndex) {
  auto w = openWindow();
  EXPECT_TRUE(ui->chooseMenu("cmdArray", 2));
  EXPECT_TRUE(ui->chooseMenu("cmdArray", 0));
  EXPECT_EQ(w->arrayIndexes, (std::vector<int64_t>{2, 0}));
}

TEST_P(UiContract, AnItemWithoutAutoEnableNeedsTheFrontWindowToEnableIt) {
  auto w = openWindow();
  EXPECT_FALSE(ui->chooseMenu("cmdLocked"));
  EXPECT_EQ(w->lockedRuns, 0);
  w->enableLocked = true;
  EXPECT_TRUE(ui->chooseMenu("cmdLocked"));
  EXPECT_EQ(w->lockedRuns, 1);
}

TEST_P(UiContract, CheckMarksAreOneStateInEveryWindow) {
  auto a = openWindow();
  auto b = openWindow();
  ASSERT_EQ(a->GetMenuBar(), b->GetMenuBar());
  ui->activate(*a);
  ASSERT_TRUE(ui->chooseMenu("cmdArray", 1));
  EXPECT_TRUE(b->GetMenuBar()->_Lookup("cmdArray", 1)->Checked());
  ui->activate(*b);
  ASSERT_TRUE(ui->chooseMenu("cmdArray", 1));
  EXPECT_FALSE(a->GetMenuBar()->_Lookup("cmdArray", 1)->Checked());
  EXPECT_EQ(a->arrayIndexes.size(), 1u);
  EXPECT_EQ(b->arrayIndexes.size(), 1u);
}

TEST_P(UiContract, AShortcutChoosesItsItem) {
  auto w = openWindow();
  ui->pressShortcut(*w, "Cmd+R");
  EXPECT_EQ(w->runs, 1);
  EXPECT_EQ(w->pad()->Text(), "");
}

TEST_P(UiContract, EditItemsServeTheFocusedPad) {
  auto w = openWindow();
  ui->type(*w, "hello");
  w->pad()->SelectAll();
  EXPECT_TRUE(ui->chooseMenu("EditCopy"));
  EXPECT_EQ(vorline::ui().clipboardText(), "hello");
  EXPECT_TRUE(ui->chooseMenu("EditCut"));
  EXPECT_EQ(w->pad()->Text(), "");
  EXPECT_TRUE(ui->chooseMenu("EditPaste"));
  EXPECT_TRUE(ui->chooseMenu("EditPaste"));
  EXPECT_EQ(w->pad()->Text(), "hellohello");
  EXPECT_TRUE(ui->chooseMenu("EditUndo"));
  EXPECT_EQ(w->pad()->Text(), "hello");
  // Nothing selected: Cut and Copy are off.
  EXPECT_FALSE(ui->chooseMenu("EditCopy"));
}

TEST_P(UiContract, ClosingTheFrontWindowInItsOwnHandlerBringsTheOtherForward) {
  auto a = openWindow();
  auto b = openWindow();
  std::weak_ptr<ContractWindow> gone = b;
  b.reset();
  EXPECT_TRUE(ui->chooseMenu("cmdClose"));
  EXPECT_TRUE(gone.expired());
  ASSERT_EQ(app->Windows().size(), 1u);
  EXPECT_EQ(app->FrontWindow(), a);
  EXPECT_TRUE(ui->chooseMenu("cmdRun"));
  EXPECT_EQ(a->runs, 1);
}

// ---- escaped exceptions ----

TEST_P(UiContract, AnExceptionFromAHandlerIsShownAndTheWindowGoesOn) {
  auto w = openWindow();
  ui->chooseMenu("cmdThrow");
  w->throwOnPadKey = "z";
  ui->type(*w, "z");
  ASSERT_EQ(ui->messages(), (std::vector<std::string>{"Unexpected error: boom",
                                                      "Unexpected error: pad key failed"}));
  ui->type(*w, "ok");
  EXPECT_EQ(w->pad()->Text(), "ok");
  EXPECT_TRUE(ui->chooseMenu("cmdRun"));
  EXPECT_EQ(w->runs, 1);
}

// ---- message boxes and beeps ----

TEST_P(UiContract, MessageBoxesAndBeepsAreSeenInOrder) {
  openWindow();
  app->_AddMenuHandler("cmdNobody", MenuHandler([] {
                         MsgBox("Error at line: 5\n[2] Type mismatch");
                         Beep();
                         MsgBox("second");
                         return true;
                       }));
  ASSERT_TRUE(ui->chooseMenu("cmdNobody"));
  EXPECT_EQ(ui->messages(),
            (std::vector<std::string>{"Error at line: 5\n[2] Type mismatch", "second"}));
  EXPECT_EQ(ui->beeps(), 1);
}

// ---- timers ----

TEST_P(UiContract, TheBlinkTimerShowsAndHidesTheBadgeSixTimesThenRests) {
  auto w = openWindow();
  std::vector<bool> seen;
  w->blink()->SetMode(Timer::ModeMultiple);
  for (int step = 0; step < 7; ++step) {
    ui->advance(300);
    seen.push_back(w->badge()->Visible());
  }
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false, true, false, false}));
  EXPECT_EQ(w->blinkSteps, 6);
  EXPECT_EQ(w->blink()->Mode(), Timer::ModeOff);
}

TEST_P(UiContract, ASingleShotTimerFiresOnceAndGoesOff) {
  auto w = openWindow();
  w->blink()->SetMode(Timer::ModeSingle);
  ui->advance(1000);
  EXPECT_EQ(w->blinkSteps, 1);
  EXPECT_EQ(w->blink()->Mode(), Timer::ModeOff);
}

TEST_P(UiContract, ATimerSwitchedOffFiresNoMore) {
  auto w = openWindow();
  w->blink()->SetMode(Timer::ModeMultiple);
  ui->advance(450);
  w->blink()->SetMode(Timer::ModeOff);
  ui->advance(1000);
  EXPECT_EQ(w->blinkSteps, 1);
}

// ---- window geometry ----

TEST_P(UiContract, ControlsFollowAResizeByTheirLocks) {
  auto w = openWindow();
  ui->resize(*w, 500, 400);
  EXPECT_EQ(w->Width(), 500);
  EXPECT_EQ(w->Height(), 400);
  auto pad = w->pad();
  EXPECT_EQ(pad->Left(), 4);
  EXPECT_EQ(pad->Top(), 4);
  EXPECT_EQ(pad->Width(), 491);
  EXPECT_EQ(pad->Height(), 363);
  auto badge = w->badge();
  EXPECT_EQ(badge->Left(), 433);
  EXPECT_EQ(badge->Top(), 376);
  EXPECT_EQ(badge->Width(), 42);
  ui->resize(*w, 10, 10);
  EXPECT_EQ(w->Width(), 100);
  EXPECT_EQ(w->Height(), 80);
  EXPECT_EQ(pad->Width(), 91);
  EXPECT_EQ(badge->Left(), 33);
}

}  // namespace vorline::contract
