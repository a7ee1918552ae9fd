#include "platform/qt/QtRectangle.h"

#include "platform/qt/QtDesign.h"
#include "platform/qt/QtRectangleView.h"

namespace vorline {

QtRectangle::QtRectangle(QWidget* parent) : view_(new QtRectangleView(parent)) {}

void QtRectangle::propertyChanged(std::string_view name) {
  if (!view_.follow(*this, name) || name != "Design" || !view_.widget()) return;
  const DesignValue* border = designValue("BorderWidth");
  static_cast<QtRectangleView*>(view_.widget())
      ->setColors(designQColor(*this, "FillColor", Qt::white),
                  designQColor(*this, "TopLeftColor", Qt::black),
                  designQColor(*this, "BottomRightColor", Qt::black),
                  border ? static_cast<int>(designInt(*border, 1)) : 1);
}

}  // namespace vorline
