// A rectangle: a filled frame behind other controls. Its colours and border width come from its
// design (FillColor, TopLeftColor, BottomRightColor, BorderWidth).
#pragma once

#include "platform/ui/Control.h"

namespace vorline {

class Rectangle : public Control {};

}  // namespace vorline
