// Compile and run-time errors: their message boxes, the beep and the blinking badge.
#include "platform/graphics/Picture.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Timer.h"
#include "window/ScriptEngineControl.h"
#include "window/WindowFixture.h"

namespace vorline {
namespace {

using ScriptErrors = WindowFixture;

struct CodeCase {
  int64_t code;
  const char* text;
};

class CompilerErrorText : public WindowFixture, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(CompilerErrorText, ShowsLineCodeAndText) {
  ScriptLocation at;
  at.Line = 5;
  EXPECT_FALSE(window().script1_CompilerError(*window().script1(), at, GetParam().code, ""));
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(platform.messages()[0],
            "Error at line: 5\n[" + std::to_string(GetParam().code) + "] " + GetParam().text);
  EXPECT_EQ(platform.beeps(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CompilerErrorText,
    ::testing::Values(CodeCase{2, "Type mismatch"}, CodeCase{1, "Syntax Error"},
                      CodeCase{11, "Syntax Error"},
                      CodeCase{6, "Incorrect number of parameters or invalid parameter"},
                      CodeCase{7, "Incorrect number of parameters or invalid parameter"},
                      CodeCase{8, "Incorrect number of parameters or invalid parameter"},
                      CodeCase{9, "Incorrect number of parameters or invalid parameter"},
                      CodeCase{194, "Incorrect number of parameters or invalid parameter"},
                      CodeCase{196, "Incorrect number of parameters or invalid parameter"},
                      CodeCase{201, "Incorrect number of parameters or invalid parameter"},
                      CodeCase{202, "Incorrect number of parameters or invalid parameter"},
                      CodeCase{195, "Syntax Error"}, CodeCase{203, "Syntax Error"}),
    [](const auto& info) { return "Code" + std::to_string(info.param.code); });

// Line numbers count the generated script: the empty first line, then the declarations.
TEST_F(ScriptErrors, EngineErrorsNameTheScriptLine) {
  run("$s = 5");
  ASSERT_EQ(platform.messages().size(), 1u);
  // 1 empty, 2 dim ans, 3 dim s, 4 tagLine 0, 5 s = 5
  EXPECT_EQ(platform.messages()[0], "Error at line: 5\n[2] Type mismatch");
  platform.clearMessages();
  run("x = pow(2)");
  EXPECT_EQ(platform.messages().at(0),
            "Error at line: 6\n[7] Incorrect number of parameters or invalid parameter");
}

TEST_F(ScriptErrors, RuntimeErrorShowsNumberAndMessage) {
  EXPECT_EQ(run("a = 1\nb = 1 \\ 0\nc = 2"), "a = 1 //1\nb = 1 \\ 0\nc = 2");
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(platform.messages()[0],
            "Runtime Error: " + std::to_string(ErrorNumberOf(RuntimeErrorCode::DivisionByZero)) +
                "\nInteger division by zero");
  EXPECT_EQ(platform.beeps(), 1);
}

TEST_F(ScriptErrors, BadgeBlinksSixStepsAndRests) {
  Canvas& badge = *window().imgERR();
  Timer& timer = *window().ERRTime();
  EXPECT_FALSE(badge.Visible());
  run("y = (");
  EXPECT_EQ(timer.Mode(), Timer::ModeMultiple);
  const bool shown[] = {true, false, true, false, true, false};
  for (int step = 0; step < 6; ++step) {
    platform.advance(300);
    EXPECT_EQ(badge.Visible(), shown[step]) << "step " << step + 1;
  }
  EXPECT_EQ(timer.Mode(), Timer::ModeOff);
  EXPECT_EQ(window().ErrCount, 0);
  platform.advance(3000);
  EXPECT_FALSE(badge.Visible());
}

TEST_F(ScriptErrors, TwoErrorsInOneRunBlinkOnce) {
  run("rgex(\"a\", \"(\", true)\nrgex(\"b\", \"(\", true)");
  EXPECT_EQ(platform.messages().size(), 2u);
  EXPECT_EQ(platform.beeps(), 2);
  platform.advance(1500);
  EXPECT_TRUE(window().imgERR()->Visible());
  platform.advance(300);
  EXPECT_FALSE(window().imgERR()->Visible());
  EXPECT_EQ(window().ERRTime()->Mode(), Timer::ModeOff);
}

// A second error while the badge blinks does not restart the count.
TEST_F(ScriptErrors, ErrorWhileBlinkingKeepsTheCount) {
  run("y = (");
  platform.advance(900);
  run("y = (");
  EXPECT_EQ(window().ErrCount, 3);
  platform.advance(900);
  EXPECT_FALSE(window().imgERR()->Visible());
  EXPECT_EQ(window().ERRTime()->Mode(), Timer::ModeOff);
}

TEST_F(ScriptErrors, BadgeShowsTheSignThroughItsMask) {
  std::shared_ptr<Picture> badge = window().imgERR()->Backdrop();
  ASSERT_TRUE(badge);
  EXPECT_EQ(badge->Width(), 48);
  EXPECT_EQ(badge->Height(), 18);
  int dark = 0, light = 0;
  for (int64_t y = 0; y < 18; ++y)
    for (int64_t x = 0; x < 48; ++x) (badge->Pixel(x, y) == Color{1, 1, 1, 0} ? dark : light)++;
  EXPECT_GT(dark, 100);
  EXPECT_GT(light, dark);
}

}  // namespace
}  // namespace vorline
