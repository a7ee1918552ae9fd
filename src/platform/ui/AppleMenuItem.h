// The application's About item. The platform shows it where the About item belongs.
#pragma once

#include "platform/ui/MenuItem.h"

namespace vorline {

class AppleMenuItem : public MenuItem {};

}  // namespace vorline
