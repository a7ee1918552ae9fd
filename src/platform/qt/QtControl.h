// What the Qt window needs of each of its controls: the widget that shows it, if it has one.
#pragma once

class QWidget;

namespace vorline {

class QtControl {
 public:
  virtual ~QtControl() = default;
  // The control's widget, a child of its window's content; nullptr for a control without one.
  virtual QWidget* view() const = 0;
};

}  // namespace vorline
