// The rectangle on Qt: its design's fill and border colours and border width.
#pragma once

#include "platform/qt/QtControl.h"
#include "platform/qt/QtControlView.h"
#include "platform/ui/Rectangle.h"

namespace vorline {

class QtRectangle : public Rectangle, public QtControl {
 public:
  explicit QtRectangle(QWidget* parent);
  QWidget* view() const override { return view_.widget(); }

 protected:
  void propertyChanged(std::string_view name) override;

 private:
  QtControlView view_;
};

}  // namespace vorline
