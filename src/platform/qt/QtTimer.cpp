#include "platform/qt/QtTimer.h"

namespace vorline {

QtTimer::QtTimer() : timer_(new QTimer) {
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_, &QTimer::timeout, timer_, [this] { Fire(); });
}

QtTimer::~QtTimer() {
  if (!timer_) return;
  timer_->stop();
  QObject::disconnect(timer_, nullptr, nullptr, nullptr);
  timer_->deleteLater();
}

// Switching on, or a new period while on, starts a period from now.
void QtTimer::propertyChanged(std::string_view name) {
  if (!timer_ || (name != "Mode" && name != "Period")) return;
  if (Mode() == ModeOff) timer_->stop();
  else timer_->start(static_cast<int>(std::min<int64_t>(Period(), INT32_MAX)));
}

}  // namespace vorline
