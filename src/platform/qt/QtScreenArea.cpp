#include "platform/qt/QtScreenArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vorline {

QRect QtScreenArea::around(const QWidget* near) {
  QScreen* screen = near ? near->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins QtScreenArea::frameOf(const QWidget* widget) {
  if (!widget || !widget->isVisible()) return QMargins();
  QRect inside = widget->geometry(), outside = widget->frameGeometry();
  return QMargins(inside.left() - outside.left(), inside.top() - outside.top(),
                  outside.right() - inside.right(), outside.bottom() - inside.bottom());
}

QPoint QtScreenArea::fit(const QRect& area, const QPoint& wanted, const QSize& outer) {
  int x = std::max(area.left(), std::min(wanted.x(), area.right() + 1 - outer.width()));
  int y = std::max(area.top(), std::min(wanted.y(), area.bottom() + 1 - outer.height()));
  return QPoint(x, y);
}

}  // namespace vorline
