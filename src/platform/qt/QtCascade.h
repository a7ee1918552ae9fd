// Where new top-level windows open: each one a step below and right of the one placed last
// while that one still shows, so that windows opened one after another (at start-up, or File >
// Open again and again) and drawing views of different pads never cover each other whole.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace vorline {

class QtCascade {
 public:
  static constexpr int kStep = 24;

  // The top left corner (frame included) for a new window of that outer size in the area: the
  // next step after the last placed window, else after `front`, else the area's centre. A step
  // that would leave the area starts again at its top left.
  QPoint place(QWidget& widget, const QSize& outer, const QRect& area, const QWidget* front);

 private:
  QPointer<QWidget> last_;
};

}  // namespace vorline
