// The contract of the platform's UI parts, written once and run against every implementation:
// an implementation provides a UiHarness (how a user's keys, clicks, menu choices and the
// passing of time reach it) and instantiates the suite with a factory:
//
//   INSTANTIATE_TEST_SUITE_P(Qt, UiContract, ::testing::Values(UiHarnessFactory{"Qt", makeQt}),
//                            UiContract::FactoryName);
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/Window.h"

namespace vorline::contract {

class UiHarness {
 public:
  // Keys that are not characters, as a keyboard sends them.
  enum class Key { KeypadEnter, CtrlReturn, Return, Escape, Tab, Backspace };

  virtual ~UiHarness() = default;
  // Presses one key / types each character of a text in the window, as the user would.
  virtual void press(Window& window, Key key) = 0;
  virtual void type(Window& window, const std::string& text) = 0;
  // Presses a menu shortcut ("Cmd+R") in the window.
  virtual void pressShortcut(Window& window, const std::string& shortcut) = 0;
  // Chooses the item of that name (and index) from the front window's menu bar, as the user
  // would; false when the item could not be chosen.
  virtual bool chooseMenu(const std::string& name, int64_t index = kNoMenuIndex) = 0;
  // Brings the window to the front, as a click into it would.
  virtual void activate(Window& window) = 0;
  // Sizes the window as the user's resizing would.
  virtual void resize(Window& window, int64_t width, int64_t height) = 0;
  // Lets that much time pass with the event loop running.
  virtual void advance(int64_t milliseconds) = 0;
  // The message boxes shown (and closed) so far, in order; the beeps.
  virtual std::vector<std::string> messages() = 0;
  virtual int beeps() = 0;
};

struct UiHarnessFactory {
  std::string name;
  std::function<std::unique_ptr<UiHarness>()> make;
};

// A window with a pad, a badge, a blink timer and menu handlers that record what reaches them.
class ContractWindow : public Window {
 public:
  explicit ContractWindow(std::shared_ptr<MenuBar> bar) : bar_(std::move(bar)) {}

  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override;
  bool Event_KeyDown(const std::string& key) override;
  void Event_EnableMenuItems() override;

  std::shared_ptr<TextArea> pad() const;
  std::shared_ptr<Canvas> badge() const;
  std::shared_ptr<Timer> blink() const;

  std::vector<std::string> padKeys;     // KeyDown of the pad
  std::vector<std::string> padKeysUp;   // KeyUp of the pad
  std::vector<std::string> windowKeys;  // the window's own KeyDown
  bool consumePadKeys = false;
  std::string throwOnPadKey;  // a key whose KeyDown throws
  int runs = 0;
  std::vector<int64_t> arrayIndexes;
  bool enableLocked = false;  // serves "cmdLocked" in Event_EnableMenuItems
  int lockedRuns = 0;
  int blinkSteps = 0;

 private:
  std::shared_ptr<MenuBar> bar_;
};

class UiContract : public ::testing::TestWithParam<UiHarnessFactory> {
 public:
  static std::string FactoryName(const ::testing::TestParamInfo<UiHarnessFactory>& info) {
    return info.param.name;
  }

 protected:
  void SetUp() override;
  void TearDown() override;

  // A new window, set up and shown (in front).
  std::shared_ptr<ContractWindow> openWindow();
  static std::shared_ptr<MenuBar> buildMenuBar();

  std::unique_ptr<UiHarness> ui;
  std::unique_ptr<Application> app;
  std::shared_ptr<MenuBar> bar;
  int appNewRuns = 0;
  int appFallbackRuns = 0;
};

}  // namespace vorline::contract
