// The window that shows a calculator window's drawing view (a script's picture), titled after
// its pad, wholly on the screen, scrolled when the picture is larger than the screen allows. It
// belongs to its calculator window: it stays in front of it and goes with it. It opens and
// updates without taking the keyboard from the pad that ran; brought to the front by the user,
// Esc or Ctrl+W closes it, and the application's commands keep their keys there.
#pragma once

#include <QImage>
#include <QPointer>
#include <QScrollArea>

namespace vorline {

class QtCascade;
class QtPictureView;

class QtViewWindow : public QScrollArea {
 public:
  // The largest first size of the window; a larger picture scrolls.
  static constexpr int kMaxWidth = 1200;
  static constexpr int kMaxHeight = 900;

  QtViewWindow(QWidget* owner, QtCascade& cascade);

  // The view's title for its pad's title, so that the two windows have names of their own.
  static QString titleFor(const QString& padTitle);

  // Shows a copy of the image as it is now, sized to it, and brings the window up.
  void showImage(const QImage& image, const QString& title);
  const QImage& image() const;
  // Whether an activation that showing the view brought is still to be handed back.
  bool handingBack() const { return !handBackTo_.isNull(); }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // How long after a show the window system's activation of the view counts as the show's.
  static constexpr int kHandBackMs = 250;
  void fitOnScreen(const QSize& picture);

  QtPictureView* picture_;
  QtCascade& cascade_;
  QPointer<QWidget> handBackTo_;
  bool placed_ = false;
};

}  // namespace vorline
