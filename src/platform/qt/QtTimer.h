// The timer on Qt: a precise Qt timer that runs while the mode is on. A repeating timer keeps
// its rhythm from its start; a single-shot one goes off as it fires (Timer::Fire). On a clock
// moved by hand the Qt timer stays idle and the clock fires the timer as its moments come.
#pragma once

#include <QPointer>
#include <QTimer>
#include <memory>

#include "platform/ui/Timer.h"

namespace vorline {

class QtClock;

class QtTimer : public Timer {
 public:
  explicit QtTimer(std::shared_ptr<QtClock> clock);
  // The Qt timer goes on the next turn of the event loop: the Action may be what let it go.
  ~QtTimer() override;

  bool on() const { return Mode() != ModeOff; }
  bool running() const;

  // On a clock by hand: the clock's time of the next Action, meaningful while the timer is on.
  int64_t dueAt() const { return dueAt_; }
  // Called by a clock by hand when dueAt has come: schedules the next period, then fires.
  void elapse();

 protected:
  void propertyChanged(std::string_view name) override;

 private:
  std::shared_ptr<QtClock> clock_;
  QPointer<QTimer> timer_;
  int64_t dueAt_ = 0;
};

}  // namespace vorline
