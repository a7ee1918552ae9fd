// The window's design, its controls in their order and their geometry when it is resized.
#include "platform/ui/Canvas.h"
#include "platform/ui/Rectangle.h"
#include "platform/ui/Timer.h"
#include "window/ScriptEngineControl.h"
#include "window/WindowFixture.h"

namespace vorline {
namespace {

using WindowDesign = WindowFixture;

TEST_F(WindowDesign, BlocksHaveTheirByteSizes) {
  EXPECT_EQ(FrmMain::WindowDesign().encode().size(), 334u);
  EXPECT_EQ(FrmMain::Rectangle1Design().encode().size(), 326u);
  EXPECT_EQ(FrmMain::SourcetxtDesign().encode().size(), 637u);
  EXPECT_EQ(FrmMain::imgERRDesign().encode().size(), 320u);
  EXPECT_EQ(FrmMain::script1Design().encode().size(), 11u);
  EXPECT_EQ(FrmMain::ERRTimeDesign().encode().size(), 28u);
}

TEST_F(WindowDesign, NewWindowLooksAsDesigned) {
  FrmMain& w = window();
  EXPECT_EQ(w.Width(), 524);
  EXPECT_EQ(w.Height(), 357);
  EXPECT_EQ(w.Title(), "untitled.vrl");
  std::vector<std::string> names;
  for (const auto& c : w.Controls()) names.push_back(c->Name());
  EXPECT_EQ(names,
            (std::vector<std::string>{"Rectangle1", "Sourcetxt", "imgERR", "script1", "ERRTime"}));
  EXPECT_EQ(pad().Text(), "");
  EXPECT_EQ(designString(*pad().designValue("TextFont")), "Monaco");
  EXPECT_FALSE(w.imgERR()->Visible());
  EXPECT_EQ(w.ERRTime()->Period(), 300);
  EXPECT_EQ(w.ERRTime()->Mode(), Timer::ModeOff);
  EXPECT_EQ(w.script1()->Source, "");
  EXPECT_EQ(w.Focus(), &pad());
}

TEST_F(WindowDesign, ResizeKeepsMarginsAndTheBadgeCorner) {
  FrmMain& w = window();
  w.Resize(800, 600);
  EXPECT_EQ(w.Rectangle1()->Width(), 800);
  EXPECT_EQ(w.Rectangle1()->Height(), 328 + 243);
  EXPECT_EQ(pad().Width(), 519 + 276);
  EXPECT_EQ(pad().Height(), 321 + 243);
  EXPECT_EQ(w.imgERR()->Left(), 457 + 276);
  EXPECT_EQ(w.imgERR()->Top(), 333 + 243);
  EXPECT_EQ(w.imgERR()->Width(), 42);
  w.Resize(10, 10);
  EXPECT_EQ(w.Width(), 64);
  EXPECT_EQ(w.Height(), 64);
}

TEST_F(WindowDesign, TwoWindowsHaveTheirOwnControlsAndOneMenuBar) {
  auto b = openWindow();
  EXPECT_NE(b->Sourcetxt(), window().Sourcetxt());
  EXPECT_EQ(b->GetMenuBar(), window().GetMenuBar());
  EXPECT_EQ(b->GetMenuBar(), Menu::Instance());
}

TEST_F(WindowDesign, ControlOfAnotherClassIsAnIllegalCast) {
  EXPECT_THROW(window().ControlByName<Canvas>("Sourcetxt"), IllegalCastException);
}

}  // namespace
}  // namespace vorline
