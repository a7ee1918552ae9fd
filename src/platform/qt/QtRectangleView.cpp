#include "platform/qt/QtRectangleView.h"

#include <QPainter>
#include <algorithm>

namespace vorline {

QtRectangleView::QtRectangleView(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void QtRectangleView::setColors(QColor fill, QColor topLeft, QColor bottomRight, int borderWidth) {
  fill_ = fill;
  topLeft_ = topLeft;
  bottomRight_ = bottomRight;
  borderWidth_ = std::max(borderWidth, 0);
  update();
}

void QtRectangleView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  int w = width(), h = height();
  int b = std::min({borderWidth_, w / 2, h / 2});
  painter.fillRect(rect(), fill_);
  if (b == 0) return;
  painter.fillRect(0, 0, w, b, topLeft_);
  painter.fillRect(0, 0, b, h, topLeft_);
  painter.fillRect(0, h - b, w, b, bottomRight_);
  painter.fillRect(w - b, 0, b, h, bottomRight_);
}

}  // namespace vorline
