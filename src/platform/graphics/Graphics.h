// The drawing context of a Picture. Its pen (colour, width, height) is state of the context, so
// a colour or size set by one call stays in force for the calls after it. Drawing is pixel-exact
// (no antialiasing): a rectangle (x, y, width, height) covers the pixels x to x + width - 1 and
// y to y + height - 1; outlines lie inside it; coordinates may lie anywhere, also far outside.
#pragma once

#include "platform/values/Color.h"

class QImage;

namespace vorline {

class Graphics {
 public:
  explicit Graphics(QImage& image) : image_(image) {}

  Color ForeColor;  // black until set
  double PenWidth = 1;
  double PenHeight = 1;

  void FillRect(double x, double y, double width, double height);
  // The outline: bands PenHeight high at the top and bottom, PenWidth wide at the sides.
  void DrawRect(double x, double y, double width, double height);
  void FillOval(double x, double y, double width, double height);
  // The outline of the oval that fits the rectangle, a PenWidth wide stroke inside it.
  void DrawOval(double x, double y, double width, double height);
  // From the first point to the second, both included, PenWidth wide.
  void DrawLine(double x1, double y1, double x2, double y2);
  // Back to the new picture's white.
  void ClearRect(double x, double y, double width, double height);

 private:
  void fillArea(double x, double y, double width, double height, unsigned int argb);

  QImage& image_;
};

}  // namespace vorline
