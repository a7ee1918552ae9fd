#include "platform/qt/QtCanvas.h"

#include "platform/graphics/Picture.h"
#include "platform/qt/QtPictureView.h"

namespace vorline {

QtCanvas::QtCanvas(QWidget* parent) : view_(new QtPictureView(parent)) {}

void QtCanvas::propertyChanged(std::string_view name) {
  if (view_.follow(*this, name)) return;
  if (name == "Backdrop" || name == "Refresh") showBackdrop();
}

// The view takes a copy of the pixels, which Qt shares until the picture is drawn into again.
void QtCanvas::showBackdrop() {
  auto* view = static_cast<QtPictureView*>(view_.widget());
  if (view) view->setImage(Backdrop() ? Backdrop()->Image() : QImage());
}

}  // namespace vorline
