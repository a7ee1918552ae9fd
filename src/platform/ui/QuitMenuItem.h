// The application's Quit item: without a handler of the program's own, choosing it quits.
#pragma once

#include "platform/ui/MenuItem.h"

namespace vorline {

class QuitMenuItem : public MenuItem {};

}  // namespace vorline
