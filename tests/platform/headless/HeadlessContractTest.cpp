// The UI contract run against the headless platform.
#include "platform/headless/HeadlessPlatform.h"
#include "platform/ui/UiContract.h"

namespace vorline::contract {
namespace {

class HeadlessHarness : public UiHarness {
 public:
  void press(Window& window, Key key) override { platform_.sendKey(window, textOf(key)); }
  void type(Window& window, const std::string& text) override { platform_.typeText(window, text); }
  void pressShortcut(Window&, const std::string& shortcut) override {
    Application::Instance()->HandleShortcut(shortcut);
  }
  bool chooseMenu(const std::string& name, int64_t index) override {
    return Application::Instance()->MenuItemChosen(name, index);
  }
  void activate(Window& window) override { Application::Instance()->Activate(window); }
  void resize(Window& window, int64_t width, int64_t height) override {
    window.Resize(width, height);
  }
  void advance(int64_t milliseconds) override { platform_.advance(milliseconds); }
  std::vector<std::string> messages() override { return platform_.messages(); }
  int beeps() override { return platform_.beeps(); }

 private:
  static std::string textOf(Key key) {
    switch (key) {
      case Key::KeypadEnter:
      case Key::CtrlReturn:
        return "\x03";
      case Key::Return:
        return "\r";
      case Key::Escape:
        return "\x1b";
      case Key::Tab:
        return "\t";
      case Key::Backspace:
        return "\x08";
    }
    return "";
  }

  HeadlessPlatform platform_;
};

INSTANTIATE_TEST_SUITE_P(Headless, UiContract,
                         ::testing::Values(UiHarnessFactory{
                             "Headless", [] { return std::make_unique<HeadlessHarness>(); }}),
                         UiContract::FactoryName);

}  // namespace
}  // namespace vorline::contract
