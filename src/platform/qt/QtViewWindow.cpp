#include "platform/qt/QtViewWindow.h"

#include <QApplication>
#include <QEvent>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "platform/qt/QtCascade.h"
#include "platform/qt/QtPictureView.h"
#include "platform/qt/QtScreenArea.h"

namespace vorline {

QtViewWindow::QtViewWindow(QWidget* owner, QtCascade& cascade)
    : QScrollArea(owner), picture_(new QtPictureView), cascade_(cascade) {
  setWindowFlags(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFrameShape(QFrame::NoFrame);
  setBackgroundRole(QPalette::Base);
  setWidget(picture_);
  for (const QKeySequence& key :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    auto* shortcut = new QShortcut(key, this);
    QObject::connect(shortcut, &QShortcut::activated, this, &QWidget::close);
  }
}

QString QtViewWindow::titleFor(const QString& padTitle) {
  return QStringLiteral("Plot \u2014 ") + padTitle;
}

void QtViewWindow::showImage(const QImage& image, const QString& title) {
  bool resized = image.size() != picture_->image().size();
  picture_->setImage(image.copy());
  picture_->resize(image.size());
  setWindowTitle(title);
  if (resized || !isVisible()) fitOnScreen(image.size());
  QWidget* front = QApplication::activeWindow();
  if (!isVisible() && front && front != this) {
    // Window systems that activate every window they show do so a little later.
    handBackTo_ = front;
    QTimer::singleShot(kHandBackMs, this, [this] { handBackTo_.clear(); });
  }
  show();
  raise();
}

// The activation that the show brought goes back to the window the user worked in.
void QtViewWindow::changeEvent(QEvent* event) {
  QScrollArea::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !handBackTo_) return;
  QWidget* back = handBackTo_;
  handBackTo_.clear();
  if (back->isVisible()) back->activateWindow();
}

// As large as the picture (up to the largest first size), but wholly on the screen's available
// area; a new view takes the next step of the cascade, and keeps its place once it has one.
void QtViewWindow::fitOnScreen(const QSize& picture) {
  QWidget* owner = parentWidget();
  const QWidget* near = placed_ ? static_cast<QWidget*>(this) : owner;
  const QRect area = QtScreenArea::around(near);
  const QMargins frame = QtScreenArea::frameOf(isVisible() ? static_cast<QWidget*>(this) : owner);
  QSize size =
      picture.boundedTo(QSize(kMaxWidth, kMaxHeight)).boundedTo(area.size().shrunkBy(frame));
  resize(size.expandedTo(QSize(1, 1)));
  const QSize outer = this->size().grownBy(frame);
  QPoint wanted = placed_ ? frameGeometry().topLeft() : cascade_.place(*this, outer, area, owner);
  placed_ = true;
  move(QtScreenArea::fit(area, wanted, outer));
}

const QImage& QtViewWindow::image() const { return picture_->image(); }

}  // namespace vorline
