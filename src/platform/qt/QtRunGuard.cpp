#include "platform/qt/QtRunGuard.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/qt/QtClock.h"

namespace vorline {
namespace {

// Input that a busy program drops; Esc is taken before this is asked.
bool isUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

QtRunGuard::~QtRunGuard() { leaveBusy(); }

void QtRunGuard::start(int64_t now) {
  running_ = true;
  busy_ = false;
  stopRequested_ = false;
  started_ = now;
  lastPump_ = now;
}

// The clock is read once a poll: on a clock by hand each poll is then one step of time.
bool QtRunGuard::poll() {
  const int64_t now = clock_.now();
  if (running_ && suspended_ == 0 && lastPoll_ && now - *lastPoll_ > kNewOperationGapMs) end();
  if (!running_) start(now);
  lastPoll_ = now;
  if (suspended_ > 0 || now - started_ < kBusyAfterMs) return stopRequested_;
  if (!busy_) becomeBusy();
  if (now - lastPump_ >= kPumpEveryMs) {
    lastPump_ = now;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  return stopRequested_;
}

void QtRunGuard::end() {
  leaveBusy();
  running_ = false;
  stopRequested_ = false;
  lastPoll_.reset();
}

void QtRunGuard::becomeBusy() {
  busy_ = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  qApp->installEventFilter(this);
}

void QtRunGuard::leaveBusy() {
  if (!busy_) return;
  busy_ = false;
  if (qApp) {
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
  }
}

void QtRunGuard::suspend() {
  if (suspended_++ == 0 && busy_) {
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
  }
}

void QtRunGuard::resume() {
  if (suspended_ == 0 || --suspended_ > 0) return;
  lastPoll_ = clock_.now();  // the time in the box is no gap between polls
  if (busy_) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
  }
}

// Esc asks to stop; other input is dropped; painting, timers and the rest go on.
bool QtRunGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    stopRequested_ = true;
    return true;
  }
  if (isUserInput(event->type())) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vorline
