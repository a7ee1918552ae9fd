// A canvas: a picture area of the window. It shows its backdrop picture, drawn from its top
// left corner and cut at its edges.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/Control.h"

namespace vorline {

class Picture;

class Canvas : public Control {
 public:
  const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }
  void SetBackdrop(std::shared_ptr<Picture> picture);
  // Asks for the canvas to be drawn again (its picture's pixels changed).
  void Refresh() { propertyChanged("Refresh"); }

  void RaiseOpen() override;

  std::function<void(Canvas& canvas)> Open;

 private:
  std::shared_ptr<Picture> backdrop_;
};

}  // namespace vorline
