// Keeps the program alive while a long operation (a script run, a shell command) holds the UI
// thread. For the first half second nothing changes; after that the program shows a busy
// cursor, keeps its windows painted (timers and paint events go on), drops every other input,
// and takes Esc as the request to stop the operation. A message box that the operation shows
// meanwhile works as usual (suspend / resume).
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

namespace vorline {

class QtClock;

class QtRunGuard : public QObject {
 public:
  // After this long an operation counts as a long one.
  static constexpr qint64 kBusyAfterMs = 500;
  // The windows are brought up to date at most this often.
  static constexpr qint64 kPumpEveryMs = 25;
  // Polls further apart than this belong to different operations (no busyEnd in between).
  static constexpr qint64 kNewOperationGapMs = 1000;

  // The guard measures its times by the clock, which outlives it.
  explicit QtRunGuard(QtClock& clock) : clock_(clock) {}
  ~QtRunGuard() override;

  // One poll of the running operation; true once the user asked to stop it.
  bool poll();
  // The operation is over: cursor and input as usual again.
  void end();
  bool busy() const { return busy_; }
  bool running() const { return running_; }

  // A modal box or dialog takes over while it shows; nested calls count.
  void suspend();
  void resume();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void start(int64_t now);
  void becomeBusy();
  void leaveBusy();

  QtClock& clock_;
  int64_t started_ = 0;
  std::optional<int64_t> lastPoll_;
  int64_t lastPump_ = 0;
  bool running_ = false;
  bool busy_ = false;
  bool stopRequested_ = false;
  int suspended_ = 0;
};

}  // namespace vorline
