#include "platform/headless/HeadlessPlatform.h"

#include "platform/headless/HeadlessTextArea.h"
#include "platform/headless/HeadlessTimer.h"
#include "platform/headless/HeadlessWindowPeer.h"
#include "platform/text/TextOps.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Label.h"
#include "platform/ui/Rectangle.h"
#include "platform/ui/Window.h"

namespace vorline {

HeadlessPlatform::HeadlessPlatform() {
  installUiServices(this);
  previousToolkit_ = installUiToolkit(this);
}

HeadlessPlatform::~HeadlessPlatform() {
  installUiServices(nullptr);
  installUiToolkit(previousToolkit_);
}

void HeadlessPlatform::msgBox(const std::string& text) {
  messages_.push_back(text);
  if (onMessage) onMessage(text);
}

std::shared_ptr<FolderItem> HeadlessPlatform::openFileDialog(const std::string& filter) {
  dialogs_.push_back({false, filter, ""});
  if (openAnswers_.empty()) return nullptr;
  std::shared_ptr<FolderItem> answer = std::move(openAnswers_.front());
  openAnswers_.pop_front();
  return answer;
}

std::shared_ptr<FolderItem> HeadlessPlatform::saveFileDialog(const std::string& filter,
                                                             const std::string& proposedName) {
  dialogs_.push_back({true, filter, proposedName});
  if (saveAnswers_.empty()) return nullptr;
  std::shared_ptr<FolderItem> answer = std::move(saveAnswers_.front());
  saveAnswers_.pop_front();
  return answer;
}

std::unique_ptr<WindowPeer> HeadlessPlatform::newWindowPeer(Window& window) {
  return std::make_unique<HeadlessWindowPeer>(*this, window);
}

std::shared_ptr<TextArea> HeadlessPlatform::newTextArea(Window&) {
  return std::make_shared<HeadlessTextArea>();
}

std::shared_ptr<Canvas> HeadlessPlatform::newCanvas(Window&) { return std::make_shared<Canvas>(); }

std::shared_ptr<Label> HeadlessPlatform::newLabel(Window&) { return std::make_shared<Label>(); }

std::shared_ptr<Rectangle> HeadlessPlatform::newRectangle(Window&) {
  return std::make_shared<Rectangle>();
}

std::shared_ptr<Timer> HeadlessPlatform::newTimer(Window&) {
  auto timer = std::make_shared<HeadlessTimer>(*this);
  timers_.push_back(timer);
  return timer;
}

// The running timer due first, no later than until; the earliest made on a tie.
std::shared_ptr<HeadlessTimer> HeadlessPlatform::nextDueTimer(int64_t until) {
  std::shared_ptr<HeadlessTimer> next;
  std::erase_if(timers_, [](const auto& t) { return t.expired(); });
  for (const auto& weak : timers_) {
    std::shared_ptr<HeadlessTimer> timer = weak.lock();
    if (timer->Mode() == Timer::ModeOff || timer->DueAt() > until) continue;
    if (!next || timer->DueAt() < next->DueAt()) next = std::move(timer);
  }
  return next;
}

void HeadlessPlatform::advance(int64_t milliseconds) {
  int64_t until = now_ + (milliseconds > 0 ? milliseconds : 0);
  // Each timer is held while it fires: its window may close and let it go.
  while (std::shared_ptr<HeadlessTimer> timer = nextDueTimer(until)) {
    now_ = timer->DueAt();
    timer->Elapse();
  }
  now_ = until;
}

bool HeadlessPlatform::busyPoll() {
  ++busyPolls_;
  if (stopAfterPolls_ < 0) return false;
  if (stopAfterPolls_ > 0) --stopAfterPolls_;
  return stopAfterPolls_ == 0;
}

bool HeadlessPlatform::sendKey(Window& window, std::string_view key) {
  return window.DeliverKey(std::string(key));
}

void HeadlessPlatform::typeText(Window& window, std::string_view text) {
  for (int64_t i = 1, n = Len(text); i <= n; ++i) window.DeliverKey(Mid(text, i, 1));
}

}  // namespace vorline
