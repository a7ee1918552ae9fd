// FrmMain: compile and run-time errors of the script, and the blinking error badge.
#include <algorithm>

#include "platform/graphics/Picture.h"
#include "platform/text/TextOps.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UiServices.h"
#include "shell/_x_img_err.h"
#include "window/FrmMain.h"

namespace vorline {
namespace {

constexpr int64_t kBadgeWidth = 48;
constexpr int64_t kBadgeHeight = 18;
constexpr int64_t kBlinkSteps = 6;

bool isParameterError(int64_t code) {
  switch (code) {
    case 6:
    case 7:
    case 8:
    case 9:
    case 194:
    case 196:
    case 197195:
    case 201:
    case 202:
      return true;
    default:
      return false;
  }
}

// The mask rule: a dark mask pixel lets the picture's colour show, a light one makes the pixel
// transparent. The platform's pictures carry no alpha, so a transparent pixel is left white,
// the colour behind the badge.
void applyMask(Picture& picture, const Picture& mask) {
  const int64_t width = std::min(picture.Width(), mask.Width());
  const int64_t height = std::min(picture.Height(), mask.Height());
  Graphics& g = picture.Graphics();
  const Color fill = g.ForeColor;
  g.ForeColor = Color{255, 255, 255, 0};
  for (int64_t y = 0; y < height; ++y) {
    for (int64_t x = 0; x < width; ++x) {
      Color m = mask.Pixel(x, y);
      if (m.Red + m.Green + m.Blue >= 3 * 128)
        g.FillRect(static_cast<double>(x), static_cast<double>(y), 1, 1);
    }
  }
  g.ForeColor = fill;
}

}  // namespace

std::string FrmMain::CompilerErrorText(int64_t code) {
  if (code == 2) return "Type mismatch";
  if (isParameterError(code)) return "Incorrect number of parameters or invalid parameter";
  return "Syntax Error";
}

bool FrmMain::script1_CompilerError(ScriptEngine&, const ScriptLocation& location, int64_t code,
                                    const std::string&) {
  compileFailed_ = true;
  compileErrorLine_ = code == kRedeclaredCode ? location.Line : 0;
  MsgBox("Error at line: " + Str(location.Line) + std::string(EndOfLine) + "[" + Str(code) + "] " +
         CompilerErrorText(code));
  DoERR();
  return false;
}

void FrmMain::script1_RuntimeError(ScriptEngine&, const RuntimeException& error) {
  MsgBox("Runtime Error: " + Str(error.ErrorNumber) + std::string(EndOfLine) + error.Message);
  DoERR();
}

void FrmMain::DoERR() {
  Beep();
  ERRTime()->SetMode(Timer::ModeMultiple);
}

// One blink step; the sixth ends the blinking with the badge hidden.
void FrmMain::ERRTime_Action(Timer&) {
  std::shared_ptr<Canvas> badge = imgERR();
  badge->SetVisible(!badge->Visible());
  ErrCount = ErrCount + 1;
  if (ErrCount == kBlinkSteps) {
    ErrCount = 0;
    ERRTime()->SetMode(Timer::ModeOff);
    badge->SetVisible(false);
  }
}

// The badge: an almost black picture seen through the mask err.bmp. Without the picture the
// badge shows the plain fill.
void FrmMain::imgERR_Open(Canvas& canvas) {
  auto picture = std::make_shared<Picture>(kBadgeWidth, kBadgeHeight, 32);
  picture->Graphics().ForeColor = RGB(1, 1, 1);
  picture->Graphics().FillRect(0, 0, kBadgeWidth, kBadgeHeight);
  if (std::shared_ptr<Picture> mask = _x_img_err::img_err()) applyMask(*picture, *mask);
  canvas.SetBackdrop(picture);
}

}  // namespace vorline
