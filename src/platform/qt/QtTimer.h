// The timer on Qt: a precise Qt timer that runs while the mode is on. A repeating timer keeps
// its rhythm from its start; a single-shot one goes off as it fires (Timer::Fire).
#pragma once

#include <QPointer>
#include <QTimer>

#include "platform/ui/Timer.h"

namespace vorline {

class QtTimer : public Timer {
public:
  QtTimer();
  // The Qt timer goes on the next turn of the event loop: the Action may be what let it go.
  ~QtTimer() override;

  bool running() const { return timer_ && timer_->isActive(); }

protected:
  void propertyChanged(std::string_view name) override;

private:
  QPointer<QTimer> timer_;
};

}  // namespace vorline
