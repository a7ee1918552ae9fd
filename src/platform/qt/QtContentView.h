// The content of a window below its menu bar: the controls' parent, in whose coordinates the
// controls and the window's mouse events are given. Its size is the window's size.
#pragma once

#include <QWidget>
#include <functional>

namespace vorline {

class Window;

class QtContentView : public QWidget {
 public:
  QtContentView(Window& window, QWidget* parent);

  // Called when the user's resizing (or the window system) changed the content's size.
  std::function<void(int width, int height)> onResized;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Window& window_;
};

}  // namespace vorline
