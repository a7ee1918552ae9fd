// ckRBGlue: the drawing view, one off-screen picture per window. Without a view every drawing
// function does nothing.
#include <memory>

#include "glue/ckRBGlue.h"
#include "platform/values/Color.h"

// A new picture replaces the old one only once it exists; a refused size leaves the old view.
void ckRBGlue::createView(int64_t width, int64_t height) {
  gCanvas = std::make_shared<vorline::Picture>(width, height, 32);
}

void ckRBGlue::showView() {
  if (onShowView) onShowView(gCanvas);
}

void ckRBGlue::viewSetPenColor(int64_t red, int64_t green, int64_t blue) {
  if (gCanvas) gCanvas->Graphics().ForeColor = vorline::RGB(red, green, blue, 0);
}

// One pixel in the pen colour, whatever the pen size.
void ckRBGlue::viewDrawPoint(int64_t x, int64_t y) {
  if (gCanvas) gCanvas->Graphics().FillRect(static_cast<double>(x), static_cast<double>(y), 1, 1);
}

void ckRBGlue::viewSetPenSize(int64_t size) {
  if (!gCanvas) return;
  gCanvas->Graphics().PenHeight = static_cast<double>(size);
  gCanvas->Graphics().PenWidth = static_cast<double>(size);
}

void ckRBGlue::viewDrawRectangle(int64_t x, int64_t y, int64_t width, int64_t height) {
  if (gCanvas)
    gCanvas->Graphics().DrawRect(static_cast<double>(x), static_cast<double>(y),
                                 static_cast<double>(width), static_cast<double>(height));
}

void ckRBGlue::viewDrawOval(int64_t x, int64_t y, int64_t width, int64_t height) {
  if (gCanvas)
    gCanvas->Graphics().DrawOval(static_cast<double>(x), static_cast<double>(y),
                                 static_cast<double>(width), static_cast<double>(height));
}

void ckRBGlue::viewFillRectangle(int64_t x, int64_t y, int64_t width, int64_t height) {
  if (gCanvas)
    gCanvas->Graphics().FillRect(static_cast<double>(x), static_cast<double>(y),
                                 static_cast<double>(width), static_cast<double>(height));
}

void ckRBGlue::viewFillOval(int64_t x, int64_t y, int64_t width, int64_t height) {
  if (gCanvas)
    gCanvas->Graphics().FillOval(static_cast<double>(x), static_cast<double>(y),
                                 static_cast<double>(width), static_cast<double>(height));
}

void ckRBGlue::viewDrawLine(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  if (gCanvas)
    gCanvas->Graphics().DrawLine(static_cast<double>(x1), static_cast<double>(y1),
                                 static_cast<double>(x2), static_cast<double>(y2));
}

void ckRBGlue::viewClear() {
  if (gCanvas)
    gCanvas->Graphics().ClearRect(0, 0, static_cast<double>(gCanvas->Width()),
                                  static_cast<double>(gCanvas->Height()));
}
