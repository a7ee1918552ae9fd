#include "platform/graphics/Graphics.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vorline {
namespace {

constexpr unsigned int kWhite = 0xFFFFFFFFu;

QColor toQColor(const Color& c) { return QColor(c.Red, c.Green, c.Blue, 255 - c.Alpha); }

unsigned int toArgb(const Color& c) { return toQColor(c).rgba(); }

// A pen below one pixel still draws one pixel wide.
double penSize(double size) { return std::isfinite(size) && size >= 1 ? std::floor(size) : 1.0; }

bool finite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Cuts the segment to the box [lo, hi] in both axes (Liang-Barsky); false when nothing is left.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, double lo, double hiX,
                 double hiY) {
  double t0 = 0, t1 = 1;
  double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - lo, hiX - x1, y1 - lo, hiY - y1};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    double t = q[k] / p[k];
    if (p[k] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  double sx = x1, sy = y1;
  x1 = sx + t0 * dx, y1 = sy + t0 * dy;
  x2 = sx + t1 * dx, y2 = sy + t1 * dy;
  return true;
}

}  // namespace

// Fills the pixels x <= i < x + width, y <= j < y + height that lie in the image.
void Graphics::fillArea(double x, double y, double width, double height, unsigned int argb) {
  if (!finite(x, y, width, height) || width <= 0 || height <= 0) return;
  double w = image_.width(), h = image_.height();
  int x0 = static_cast<int>(std::clamp(std::floor(x), 0.0, w));
  int x1 = static_cast<int>(std::clamp(std::floor(x + width), 0.0, w));
  int y0 = static_cast<int>(std::clamp(std::floor(y), 0.0, h));
  int y1 = static_cast<int>(std::clamp(std::floor(y + height), 0.0, h));
  for (int row = y0; row < y1; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
    std::fill(line + x0, line + x1, argb);
  }
}

void Graphics::FillRect(double x, double y, double width, double height) {
  fillArea(x, y, width, height, toArgb(ForeColor));
}

void Graphics::DrawRect(double x, double y, double width, double height) {
  if (!finite(x, y, width, height) || width <= 0 || height <= 0) return;
  double pw = std::min(penSize(PenWidth), width), ph = std::min(penSize(PenHeight), height);
  unsigned int argb = toArgb(ForeColor);
  fillArea(x, y, width, ph, argb);
  fillArea(x, y + height - ph, width, ph, argb);
  fillArea(x, y + ph, pw, height - 2 * ph, argb);
  fillArea(x + width - pw, y + ph, pw, height - 2 * ph, argb);
}

void Graphics::FillOval(double x, double y, double width, double height) {
  if (!finite(x, y, width, height) || width <= 0 || height <= 0) return;
  QPainter painter(&image_);
  painter.setPen(Qt::NoPen);
  painter.setBrush(toQColor(ForeColor));
  painter.drawEllipse(QRectF(x, y, width, height));
}

void Graphics::DrawOval(double x, double y, double width, double height) {
  if (!finite(x, y, width, height) || width <= 0 || height <= 0) return;
  double pw = penSize(PenWidth);
  if (width <= 2 * pw || height <= 2 * pw) return FillOval(x, y, width, height);
  QPainter painter(&image_);
  painter.setPen(QPen(toQColor(ForeColor), pw));
  painter.setBrush(Qt::NoBrush);
  // An aliased stroke of width pw centred on c covers the pixels from c - (pw - 1) / 2 on, so
  // this path keeps the stroke's outer edge on the rectangle's outer pixels.
  double inset = (pw - 1) / 2;
  painter.drawEllipse(QRectF(x + inset, y + inset, width - pw, height - pw));
}

void Graphics::DrawLine(double x1, double y1, double x2, double y2) {
  if (!finite(x1, y1, x2, y2)) return;
  double pw = penSize(PenWidth);
  // Far-away end points are cut to a margin around the image, keeping the line's course.
  double margin = pw + 2;
  if (!clipSegment(x1, y1, x2, y2, -margin, image_.width() + margin, image_.height() + margin))
    return;
  QPainter painter(&image_);
  QPen pen(toQColor(ForeColor), pw);
  pen.setCapStyle(Qt::SquareCap);
  painter.setPen(pen);
  painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Graphics::ClearRect(double x, double y, double width, double height) {
  fillArea(x, y, width, height, kWhite);
}

}  // namespace vorline
