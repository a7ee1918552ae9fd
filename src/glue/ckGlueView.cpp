// ckGlue: the drawing view, one off-screen picture per window. Without a view every drawing
// function does nothing.
#include <memory>

#include "glue/ckGlue.h"
#include "platform/values/Color.h"

namespace vorline {

// A new picture replaces the old one only once it exists; a refused size leaves the old view.
void ckGlue::createView(int64_t width, int64_t height) {
  gCanvas = std::make_shared<vorline::Picture>(width, height, 32);
}

void ckGlue::showView() {
  if (onShowView) onShowView(gCanvas);
}

void ckGlue::viewSetPenColor(int64_t red, int64_t green, int64_t blue) {
  if (gCanvas) gCanvas->Graphics().ForeColor = vorline::RGB(red, green, blue, 0);
}

// One pixel in the pen colour, whatever the pen size.
void ckGlue::viewDrawPoint(int64_t x, int64_t y) {
  if (gCanvas) gCanvas->Graphics().FillRect(static_cast<double>(x), static_cast<double>(y), 1, 1);
}

void ckGlue::viewSetPenSize(int64_t size) {
  if (!gCanvas) return;
  gCanvas->Graphics().PenHeight = static_cast<double>(size);
  gCanvas->Graphics().PenWidth = static_cast<double>(size);
}

void ckGlue::viewDrawRectangle(int64_t x, int64_t y, int64_t width, int64_t height) {
  if (gCanvas)
    gCanvas->Graphics().DrawRect(static_cast<double>(x), static_cast<double>(y),
                                 static_cast<double>(width), static_cast<double>(height));
}

void ckGlue::viewDrawOval(int64_t x, int64_t y, int64_t width, int64_t height) {
  if (gCanvas)
    gCanvas->Graphics().DrawOval(static_cast<double>(x), static_cast<double>(y),
                                 static_cast<double>(width), static_cast<double>(height));
}

void ckGlue::viewFillRectangle(int64_t x, int64_t y, int64_t width, int64_t height) {
  if (gCanvas)
    gCanvas->Graphics().FillRect(static_cast<double>(x), static_cast<double>(y),
                                 static_cast<double>(width), static_cast<double>(height));
}

void ckGlue::viewFillOval(int64_t x, int64_t y, int64_t width, int64_t height) {
  if (gCanvas)
    gCanvas->Graphics().FillOval(static_cast<double>(x), static_cast<double>(y),
                                 static_cast<double>(width), static_cast<double>(height));
}

void ckGlue::viewDrawLine(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  if (gCanvas)
    gCanvas->Graphics().DrawLine(static_cast<double>(x1), static_cast<double>(y1),
                                 static_cast<double>(x2), static_cast<double>(y2));
}

void ckGlue::viewClear() {
  if (gCanvas)
    gCanvas->Graphics().ClearRect(0, 0, static_cast<double>(gCanvas->Width()),
                                  static_cast<double>(gCanvas->Height()));
}

}  // namespace vorline
