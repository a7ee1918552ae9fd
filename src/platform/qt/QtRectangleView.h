// The widget of a rectangle: a fill, and a border whose top and left edges have one colour and
// whose bottom and right edges another.
#pragma once

#include <QColor>
#include <QWidget>

namespace vorline {

class QtRectangleView : public QWidget {
 public:
  explicit QtRectangleView(QWidget* parent);

  void setColors(QColor fill, QColor topLeft, QColor bottomRight, int borderWidth);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_ = Qt::white;
  QColor topLeft_ = Qt::black;
  QColor bottomRight_ = Qt::black;
  int borderWidth_ = 1;
};

}  // namespace vorline
