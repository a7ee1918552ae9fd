// The canvas on Qt: a picture view showing the backdrop as it is now; Refresh shows the
// picture's pixels again after a drawing.
#pragma once

#include "platform/qt/QtControl.h"
#include "platform/qt/QtControlView.h"
#include "platform/ui/Canvas.h"

namespace vorline {

class QtPictureView;

class QtCanvas : public Canvas, public QtControl {
 public:
  explicit QtCanvas(QWidget* parent);
  QWidget* view() const override { return view_.widget(); }

 protected:
  void propertyChanged(std::string_view name) override;

 private:
  void showBackdrop();

  QtControlView view_;
};

}  // namespace vorline
