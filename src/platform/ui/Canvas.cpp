#include "platform/ui/Canvas.h"

namespace vorline {

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
  backdrop_ = std::move(picture);
  propertyChanged("Backdrop");
}

void Canvas::RaiseOpen() {
  if (Open) Open(*this);
}

}  // namespace vorline
