// A label: a text the window shows and the user cannot edit. Its font, size, style, colour and
// wrapping come from its design (TextFont, TextSize, Bold, TextColor, Multiline).
#pragma once

#include <string>

#include "platform/ui/Control.h"

namespace vorline {

class Label : public Control {
 public:
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

 protected:
  bool applyProperty(const std::string& name, const DesignValue& value) override;

 private:
  std::string text_;
};

}  // namespace vorline
