// The label on Qt: plain text in the design's font, colour and alignment, wrapped when the
// design is Multiline, and shown whole whatever the desktop's fonts (the box grows to fit).
#pragma once

#include <QFont>
#include <QSize>

#include "platform/qt/QtControl.h"
#include "platform/qt/QtControlView.h"
#include "platform/ui/Label.h"

class QLabel;

namespace vorline {

class QtLabel : public Label, public QtControl {
 public:
  explicit QtLabel(QWidget* parent);
  QWidget* view() const override { return view_.widget(); }

 protected:
  void propertyChanged(std::string_view name) override;

 private:
  static constexpr int kSmallestPixels = 6;

  QLabel* label() const;
  void applyDesign();
  QSize textSize(const QFont& font, int width) const;
  void fitText();

  QtControlView view_;
};

}  // namespace vorline
