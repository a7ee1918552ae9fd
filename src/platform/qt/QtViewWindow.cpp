#include "platform/qt/QtViewWindow.h"

#include <algorithm>

#include "platform/qt/QtPictureView.h"

namespace vorline {

QtViewWindow::QtViewWindow(QWidget* owner) : QScrollArea(owner), picture_(new QtPictureView) {
  setWindowFlags(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFrameShape(QFrame::NoFrame);
  setBackgroundRole(QPalette::Base);
  setWidget(picture_);
}

void QtViewWindow::showImage(const QImage& image, const QString& title) {
  bool resized = image.size() != picture_->image().size();
  picture_->setImage(image.copy());
  picture_->resize(image.size());
  setWindowTitle(title);
  if (resized || !isVisible())
    resize(std::min(image.width(), kMaxWidth), std::min(image.height(), kMaxHeight));
  show();
  raise();
}

const QImage& QtViewWindow::image() const { return picture_->image(); }

}  // namespace vorline
