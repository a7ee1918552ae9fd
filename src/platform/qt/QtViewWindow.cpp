#include "platform/qt/QtViewWindow.h"

#include <algorithm>

#include "platform/qt/QtPictureView.h"
#include "platform/qt/QtScreenArea.h"

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
  if (resized || !isVisible()) fitOnScreen(image.size());
  show();
  raise();
}

// As large as the picture (up to the largest first size), but wholly on the screen's available
// area; a new view opens a step below and right of its calculator window.
void QtViewWindow::fitOnScreen(const QSize& picture) {
  QWidget* owner = parentWidget();
  const QRect area = QtScreenArea::around(isVisible() ? this : owner);
  const QMargins frame = QtScreenArea::frameOf(isVisible() ? static_cast<QWidget*>(this) : owner);
  QSize size =
      picture.boundedTo(QSize(kMaxWidth, kMaxHeight)).boundedTo(area.size().shrunkBy(frame));
  resize(size.expandedTo(QSize(1, 1)));
  QPoint wanted = isVisible() ? frameGeometry().topLeft()
                  : owner     ? owner->frameGeometry().topLeft() + QPoint(kStep, kStep)
                              : area.topLeft();
  move(QtScreenArea::fit(area, wanted, this->size().grownBy(frame)));
}

const QImage& QtViewWindow::image() const { return picture_->image(); }

}  // namespace vorline
