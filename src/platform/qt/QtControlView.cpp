#include "platform/qt/QtControlView.h"

#include <algorithm>

#include "platform/ui/Control.h"

namespace vorline {
namespace {

int clampedInt(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

bool isGeometry(std::string_view p) {
  return p == "Left" || p == "Top" || p == "Width" || p == "Height";
}

bool isShared(std::string_view p) {
  return isGeometry(p) || p == "Visible" || p == "Enabled" || p == "Design";
}

}  // namespace

QtControlView::~QtControlView() {
  if (!widget_) return;
  widget_->setProperty(kReleasedProperty, true);
  widget_->hide();
  widget_->deleteLater();
}

bool QtControlView::follow(const Control& control, std::string_view property) {
  if (!isShared(property)) return false;
  if (!widget_) return true;
  if (isGeometry(property)) {
    widget_->setGeometry(clampedInt(control.Left()), clampedInt(control.Top()),
                         clampedInt(std::max<int64_t>(control.Width(), 0)),
                         clampedInt(std::max<int64_t>(control.Height(), 0)));
  } else if (property == "Visible") {
    // A widget that lost its window must not come up as a window of its own.
    if (widget_->parentWidget()) widget_->setVisible(control.Visible());
  } else if (property == "Enabled") {
    widget_->setEnabled(control.Enabled());
  } else {
    followAll(control);
  }
  return true;
}

void QtControlView::followAll(const Control& control) {
  for (std::string_view property : {"Left", "Enabled", "Visible"}) follow(control, property);
}

}  // namespace vorline
