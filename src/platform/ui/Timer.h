// A timer: while its Mode is on, its Action event comes every Period milliseconds (Mode 2), or
// once (Mode 1, after which the mode is off again). Switching it on starts a period; setting
// the mode it already has changes nothing, so a running timer keeps its rhythm.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/ui/Control.h"

namespace vorline {

class Timer : public Control {
 public:
  static constexpr int64_t ModeOff = 0;
  static constexpr int64_t ModeSingle = 1;
  static constexpr int64_t ModeMultiple = 2;

  int64_t Mode() const { return mode_; }
  void SetMode(int64_t mode);
  int64_t Period() const { return period_; }
  void SetPeriod(int64_t milliseconds);

  // One period has passed: the platform calls it. A single-shot timer goes off before its
  // Action runs; an exception that escapes the Action is shown and goes no further.
  void Fire();

  std::function<void(Timer& timer)> Action;

 protected:
  bool applyProperty(const std::string& name, const DesignValue& value) override;

 private:
  int64_t mode_ = ModeOff;
  int64_t period_ = 1000;
};

}  // namespace vorline
