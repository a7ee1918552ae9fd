// The window's script engine as one of its controls, so that it is found by name like the
// others ("rb1"). It adds no behaviour to the engine; its design block sets the Source.
#pragma once

#include <string>

#include "platform/ui/Control.h"
#include "platform/script/XojoScript.h"

namespace vorline {

class XojoScriptControl : public Control, public XojoScript {
 protected:
  bool applyProperty(const std::string& name, const DesignValue& value) override {
    if (name != "Source") return Control::applyProperty(name, value);
    Source = designString(value);
    return true;
  }
};

}  // namespace vorline
