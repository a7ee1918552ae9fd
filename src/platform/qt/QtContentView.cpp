#include "platform/qt/QtContentView.h"

#include <QMouseEvent>
#include <memory>

#include "platform/ui/Window.h"

namespace vorline {

QtContentView::QtContentView(Window& window, QWidget* parent) : QWidget(parent), window_(window) {
  setFocusPolicy(Qt::NoFocus);
}

// A press that no control took (labels, canvases and rectangles let it through).
void QtContentView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  std::shared_ptr<Window> keep = window_.weak_from_this().lock();
  QPoint at = event->position().toPoint();
  window_.DeliverMouseDown(at.x(), at.y());
  event->accept();
}

void QtContentView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  std::shared_ptr<Window> keep = window_.weak_from_this().lock();
  QPoint at = event->position().toPoint();
  window_.DeliverMouseUp(at.x(), at.y());
  event->accept();
}

void QtContentView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (onResized) onResized(event->size().width(), event->size().height());
}

}  // namespace vorline
