// The headless timer: it fires when the test moves the platform's clock on
// (HeadlessPlatform::advance), never by itself.
#pragma once

#include <cstdint>

#include "platform/ui/Timer.h"

namespace vorline {

class HeadlessPlatform;

class HeadlessTimer : public Timer {
 public:
  explicit HeadlessTimer(HeadlessPlatform& platform) : platform_(platform) {}

  // The platform time (milliseconds) of the next Action; meaningful while the mode is on.
  int64_t DueAt() const { return dueAt_; }
  // Called by the platform when DueAt has come: schedules the next period, then fires.
  void Elapse();

 protected:
  void propertyChanged(std::string_view name) override;

 private:
  HeadlessPlatform& platform_;
  int64_t dueAt_ = 0;
};

}  // namespace vorline
