// The time the Qt platform goes by, in milliseconds: the machine's steady clock, or a clock that
// a test moves by hand. The run guard measures its half second by it and the platform's timers
// keep their periods by it.
#pragma once

#include <QElapsedTimer>
#include <cstdint>
#include <memory>
#include <vector>

namespace vorline {

class QtTimer;

class QtClock {
 public:
  QtClock();

  int64_t now();
  bool byHand() const { return byHand_; }

  // From here on the time stands at zero and moves only by hand: the timers then fire from
  // advance(), never from the event loop. Switch before the first timer starts.
  void setByHand();
  // By hand: every reading first moves the time on by this much, so that an operation which
  // polls sees time pass (timers that come due meanwhile fire at the next advance()).
  void setStepPerReading(int64_t milliseconds) { stepPerReading_ = milliseconds; }
  // By hand: moves the time on, firing each timer as its moment comes, in order of their moments.
  void advance(int64_t milliseconds);

  // The timers that a clock by hand fires; the clock does not keep them alive.
  void enrol(const std::shared_ptr<QtTimer>& timer);

 private:
  std::shared_ptr<QtTimer> nextDueTimer(int64_t until);

  QElapsedTimer steady_;
  bool byHand_ = false;
  int64_t handNow_ = 0;
  int64_t stepPerReading_ = 0;
  std::vector<std::weak_ptr<QtTimer>> timers_;
};

}  // namespace vorline
