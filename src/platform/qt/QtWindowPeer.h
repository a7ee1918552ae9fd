// A window on Qt: its top-level widget, kept in step with the window's state. The window's
// Width and Height are its content's, below the menu bar; the user's resizing reaches the
// window through Window::Resize, so its controls follow by their locks.
#pragma once

#include <QPointer>
#include <memory>

#include "platform/qt/QtViewWindow.h"
#include "platform/qt/QtWindowView.h"
#include "platform/ui/WindowPeer.h"

class QEventLoop;
class QImage;
class QWidget;

namespace vorline {

class Picture;
class QtContentView;
class QtPlatform;
class Window;

class QtWindowPeer : public WindowPeer {
 public:
  QtWindowPeer(QtPlatform& platform, Window& window);
  // The widgets go on the next turn of the event loop: this may run inside one of their events.
  ~QtWindowPeer() override;

  void show() override;
  void showModal() override;
  void close() override;
  void windowChanged(std::string_view property) override;
  void controlAdded(Control& control) override;
  void focusChanged() override;

  QtWindowView* view() const { return view_; }
  QtContentView* content() const;
  // Sizes the top-level widget so that its content gets that size.
  void resizeContent(int width, int height);
  // Shows the drawing view in this window's view window (made on first use).
  void showView(const Picture& picture);
  QtViewWindow* viewWindow() const { return viewWindow_; }

 private:
  void applyDesign();
  void placeOnScreen();
  void applyWindowFlags();
  void applySizeLimits();
  void applyTitle();
  void applyMenuBar();
  void lendApplicationCommands();
  void contentResized(int width, int height);
  int menuBarHeight(int width) const;

  QtPlatform& platform_;
  Window& window_;
  QPointer<QtWindowView> view_;
  QPointer<QtViewWindow> viewWindow_;
  QEventLoop* modalLoop_ = nullptr;
  bool followingScreen_ = false;
  bool placed_ = false;
  bool closed_ = false;
};

}  // namespace vorline
