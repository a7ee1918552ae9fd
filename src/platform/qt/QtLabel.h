// The label on Qt: plain text in the design's font, colour and alignment, wrapped when the
// design is Multiline.
#pragma once

#include "platform/ui/Label.h"
#include "platform/qt/QtControl.h"
#include "platform/qt/QtControlView.h"

class QLabel;

namespace vorline {

class QtLabel : public Label, public QtControl {
public:
  explicit QtLabel(QWidget* parent);
  QWidget* view() const override { return view_.widget(); }

protected:
  void propertyChanged(std::string_view name) override;

private:
  QLabel* label() const;
  void applyDesign();

  QtControlView view_;
};

}  // namespace vorline
