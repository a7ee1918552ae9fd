#include "platform/qt/QtClock.h"

#include <algorithm>

#include "platform/qt/QtTimer.h"

namespace vorline {

QtClock::QtClock() { steady_.start(); }

int64_t QtClock::now() {
  if (!byHand_) return steady_.elapsed();
  handNow_ += stepPerReading_;
  return handNow_;
}

void QtClock::setByHand() {
  byHand_ = true;
  handNow_ = 0;
}

void QtClock::enrol(const std::shared_ptr<QtTimer>& timer) {
  std::erase_if(timers_, [](const std::weak_ptr<QtTimer>& weak) { return weak.expired(); });
  timers_.push_back(timer);
}

// The earliest timer due by then; of two due at the same moment, the one made first.
std::shared_ptr<QtTimer> QtClock::nextDueTimer(int64_t until) {
  std::shared_ptr<QtTimer> next;
  for (const std::weak_ptr<QtTimer>& weak : timers_) {
    std::shared_ptr<QtTimer> timer = weak.lock();
    if (!timer || !timer->on() || timer->dueAt() > until) continue;
    if (!next || timer->dueAt() < next->dueAt()) next = timer;
  }
  return next;
}

void QtClock::advance(int64_t milliseconds) {
  if (!byHand_) return;
  const int64_t until = handNow_ + std::max<int64_t>(milliseconds, 0);
  while (std::shared_ptr<QtTimer> timer = nextDueTimer(until)) {
    handNow_ = timer->dueAt();
    timer->elapse();
  }
  handNow_ = until;
}

}  // namespace vorline
