// The window that shows a calculator window's drawing view (a script's picture) under the
// pad's name, wholly on the screen, scrolled when the picture is larger than the screen allows. It
// belongs to its calculator window: it stays in front of it and goes with it.
#pragma once

#include <QImage>
#include <QScrollArea>

namespace vorline {

class QtPictureView;

class QtViewWindow : public QScrollArea {
 public:
  // The largest first size of the window; a larger picture scrolls.
  static constexpr int kMaxWidth = 1200;
  static constexpr int kMaxHeight = 900;

  explicit QtViewWindow(QWidget* owner);

  // Shows a copy of the image as it is now, sized to it, and brings the window up.
  void showImage(const QImage& image, const QString& title);
  const QImage& image() const;

 private:
  static constexpr int kStep = 24;
  void fitOnScreen(const QSize& picture);

  QtPictureView* picture_;
};

}  // namespace vorline
