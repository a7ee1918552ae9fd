// The top-level widget of a window: its menu bar widget above its content. Keys that reach the
// window itself (no text area has the focus) go to Window::DeliverKey; the title bar's close
// button closes the window through Window::Close; coming to the front tells the application.
// F10 opens the first menu of its menu bar.
#pragma once

#include <QMainWindow>

namespace vorline {

class QtContentView;
class Window;

class QtWindowView : public QMainWindow {
 public:
  explicit QtWindowView(Window& window);

  Window& window() const { return window_; }
  QtContentView* content() const { return content_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void openFirstMenu();

  Window& window_;
  QtContentView* content_;
};

}  // namespace vorline
