#include "platform/qt/QtCascade.h"

#include "platform/qt/QtScreenArea.h"

namespace vorline {

QPoint QtCascade::place(QWidget& widget, const QSize& outer, const QRect& area,
                        const QWidget* front) {
  const QWidget* after = last_ && last_ != &widget && last_->isVisible() ? last_.data() : front;
  last_ = &widget;
  if (!after) return area.center() - QPoint(outer.width() / 2, outer.height() / 2);
  QPoint wanted = after->frameGeometry().topLeft() + QPoint(kStep, kStep);
  if (!QtScreenArea::holds(area, wanted, outer)) wanted = area.topLeft();
  return QtScreenArea::fit(area, wanted, outer);
}

}  // namespace vorline
