// Where a top-level widget may stand: wholly inside the available area of a screen (the
// screen less its panels), frame included.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace vorline {

class QtScreenArea {
 public:
  // The available area of the screen that near stands on (the primary screen without it).
  static QRect around(const QWidget* near);
  // The frame a shown top-level widget has around its inside; none before it shows.
  static QMargins frameOf(const QWidget* widget);
  // The top left corner, frame included, that keeps a frame of that size inside the area:
  // wanted where it fits, else moved in (to the area's top left when it is larger).
  static QPoint fit(const QRect& area, const QPoint& wanted, const QSize& outer);
  // Whether a frame at that place lies wholly inside the area.
  static bool holds(const QRect& area, const QPoint& at, const QSize& outer) {
    return area.contains(QRect(at, outer));
  }
};

}  // namespace vorline
