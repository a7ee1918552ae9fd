#include "platform/qt/QtTimer.h"

#include "platform/qt/QtClock.h"

namespace vorline {

QtTimer::QtTimer(std::shared_ptr<QtClock> clock) : clock_(std::move(clock)), timer_(new QTimer) {
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_, &QTimer::timeout, timer_, [this] { Fire(); });
}

QtTimer::~QtTimer() {
  if (!timer_) return;
  timer_->stop();
  QObject::disconnect(timer_, nullptr, nullptr, nullptr);
  timer_->deleteLater();
}

bool QtTimer::running() const {
  if (clock_->byHand()) return on();
  return timer_ && timer_->isActive();
}

void QtTimer::elapse() {
  dueAt_ += Period();
  Fire();
}

// Switching on, or a new period while on, starts a period from now.
void QtTimer::propertyChanged(std::string_view name) {
  if (name != "Mode" && name != "Period") return;
  if (clock_->byHand()) {
    if (on()) dueAt_ = clock_->now() + Period();
    return;
  }
  if (!timer_) return;
  if (Mode() == ModeOff)
    timer_->stop();
  else
    timer_->start(static_cast<int>(std::min<int64_t>(Period(), INT32_MAX)));
}

}  // namespace vorline
