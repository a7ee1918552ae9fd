// The About window: the product's name, its version and credit lines in three labels, shown
// modally by the About command and closed by any key or a click.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/PropertyBlock.h"
#include "platform/ui/Window.h"

namespace vorline {

class Label;

class AboutFrm : public Window {
 public:
  // The About window that is open, or a new one, set up, when there is none. Like every
  // window it is held by the application once shown; until then by the caller alone.
  static std::shared_ptr<AboutFrm> Instance();

  void Layout() override;
  void CreateControls() override { _CreateControls0(); }
  // Makes the three labels in the order StaticText1, StaticText2, StaticText3.
  void _CreateControls0();

  std::shared_ptr<Label> StaticText1() const;
  std::shared_ptr<Label> StaticText2() const;
  std::shared_ptr<Label> StaticText3() const;

  // Any key closes the window.
  bool Event_KeyDown(const std::string& key) override;
  // A press is taken, so that its release comes to the window and closes it.
  bool Event_MouseDown(int64_t x, int64_t y) override;
  void Event_MouseUp(int64_t x, int64_t y) override;

  // The design of the window and of its labels.
  static PropertyBlock WindowDesign();
  static PropertyBlock StaticText1Design();
  static PropertyBlock StaticText2Design();
  static PropertyBlock StaticText3Design();

  // The credit lines of StaticText1.
  static constexpr const char* kCredits =
      "A calculator notepad: type a pad, run it,\n"
      "and every line shows its results.\n"
      "Written in C++ on Qt 6.";

 private:
  static inline std::weak_ptr<AboutFrm> implicitWindow_;
};

}  // namespace vorline
