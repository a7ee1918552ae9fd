#include "platform/qt/QtPictureView.h"

#include <QPainter>

namespace vorline {

QtPictureView::QtPictureView(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void QtPictureView::setImage(const QImage& image) {
  image_ = image;
  update();
}

void QtPictureView::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

}  // namespace vorline
