#include "platform/headless/HeadlessTimer.h"

#include "platform/headless/HeadlessPlatform.h"

namespace vorline {

void HeadlessTimer::Elapse() {
  dueAt_ += Period();
  Fire();
}

// Switching the timer on, or giving a running timer a new period, starts a period from now.
void HeadlessTimer::propertyChanged(std::string_view name) {
  if ((name == "Mode" || name == "Period") && Mode() != ModeOff)
    dueAt_ = platform_.now() + Period();
}

}  // namespace vorline
