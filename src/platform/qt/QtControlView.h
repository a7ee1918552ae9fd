// The widget of one control and the properties that every control shares: its place and size
// in window coordinates, whether it shows and whether it takes input.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string_view>

namespace vorline {

class Control;

class QtControlView {
 public:
  // Marks a widget whose control let it go: it leaves its window with the window.
  static constexpr const char* kReleasedProperty = "vorlineReleased";

  // Takes the widget, made as a child of its window's content.
  explicit QtControlView(QWidget* widget) : widget_(widget) {}
  // The widget goes on the next turn of the event loop, since one of its own events may be
  // what let the control go.
  ~QtControlView();
  QtControlView(const QtControlView&) = delete;
  QtControlView& operator=(const QtControlView&) = delete;

  QWidget* widget() const { return widget_; }

  // Brings the widget in line with a changed shared property ("Left", "Visible", ...; "Design"
  // for all of them); false for a property the control must follow itself.
  bool follow(const Control& control, std::string_view property);
  void followAll(const Control& control);

 private:
  QPointer<QWidget> widget_;
};

}  // namespace vorline
