#include "platform/ui/Timer.h"

#include <memory>

#include "platform/ui/EventGuard.h"
#include "platform/ui/Window.h"

namespace vorline {

void Timer::SetMode(int64_t mode) {
  if (mode < ModeOff || mode > ModeMultiple) mode = ModeOff;
  if (mode == mode_) return;
  mode_ = mode;
  propertyChanged("Mode");
}

void Timer::SetPeriod(int64_t milliseconds) {
  if (milliseconds < 1) milliseconds = 1;
  if (milliseconds == period_) return;
  period_ = milliseconds;
  propertyChanged("Period");
}

void Timer::Fire() {
  if (mode_ == ModeOff) return;
  if (mode_ == ModeSingle) SetMode(ModeOff);
  // The window must outlive its own timer's action, which may close it.
  std::shared_ptr<Window> keep = window() ? window()->weak_from_this().lock() : nullptr;
  guardEntry([this] {
    if (Action) Action(*this);
  });
}

bool Timer::applyProperty(const std::string& name, const DesignValue& value) {
  if (name == "Mode")
    SetMode(designInt(value, mode_));
  else if (name == "Period")
    SetPeriod(designInt(value, period_));
  else
    return Control::applyProperty(name, value);
  return true;
}

}  // namespace vorline
