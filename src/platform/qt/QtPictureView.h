// A widget that shows a picture from its top left corner, cut at its edges; what the picture
// does not cover shows the widget's parent through.
#pragma once

#include <QImage>
#include <QWidget>

namespace vorline {

class QtPictureView : public QWidget {
 public:
  explicit QtPictureView(QWidget* parent = nullptr);

  // Shows the image (a null image shows nothing); draws again.
  void setImage(const QImage& image);
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace vorline
