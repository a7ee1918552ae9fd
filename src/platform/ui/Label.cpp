#include "platform/ui/Label.h"

namespace vorline {

void Label::SetText(const std::string& text) {
  text_ = text;
  propertyChanged("Text");
}

bool Label::applyProperty(const std::string& name, const DesignValue& value) {
  if (name == "Text") {
    text_ = designString(value);
    return true;
  }
  return Control::applyProperty(name, value);
}

}  // namespace vorline
