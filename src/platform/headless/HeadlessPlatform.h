// The in-memory platform for tests and the pad runner. Installed for its lifetime as both the
// UI services and the UI toolkit: message boxes are recorded and answered at once, the beep is
// counted, the clipboard is a string, dialogs are answered from queues the test fills, the
// Option key is a flag, and timers fire only when the test moves the clock on.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/UiServices.h"
#include "platform/ui/UiToolkit.h"

namespace vorline {

class HeadlessTimer;

class HeadlessPlatform : public UiServices, public UiToolkit {
 public:
  struct DialogRequest {
    bool save = false;
    std::string filter;
    std::string proposedName;  // the save dialog's
  };

  HeadlessPlatform();
  ~HeadlessPlatform() override;
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  // UiServices
  void msgBox(const std::string& text) override;
  void beep() override { ++beeps_; }
  std::string clipboardText() override { return clipboard_; }
  void setClipboardText(const std::string& text) override { clipboard_ = text; }
  std::shared_ptr<FolderItem> openFileDialog(const std::string& filter) override;
  std::shared_ptr<FolderItem> saveFileDialog(const std::string& filter,
                                             const std::string& proposedName) override;
  bool optionKeyDown() override { return optionKey_; }

  // UiToolkit
  std::unique_ptr<WindowPeer> newWindowPeer(Window& window) override;
  std::shared_ptr<TextArea> newTextArea(Window& window) override;
  std::shared_ptr<Canvas> newCanvas(Window& window) override;
  std::shared_ptr<Label> newLabel(Window& window) override;
  std::shared_ptr<Rectangle> newRectangle(Window& window) override;
  std::shared_ptr<Timer> newTimer(Window& window) override;
  int runEventLoop() override { return exitCode_; }
  void quitEventLoop(int exitCode) override { exitCode_ = exitCode; }
  bool busyPoll() override;
  void busyEnd() override { ++busyEnds_; }

  // Message boxes shown so far, in order; the beeps.
  const std::vector<std::string>& messages() const { return messages_; }
  void clearMessages() { messages_.clear(); }
  int beeps() const { return beeps_; }
  void clearBeeps() { beeps_ = 0; }
  // Called with each message box's text as it shows (after it is recorded).
  std::function<void(const std::string& text)> onMessage;

  // The answers of the next dialogs, in order (nullptr answers Cancel); a dialog with no answer
  // queued is cancelled. Every dialog is recorded.
  void answerOpenDialog(std::shared_ptr<FolderItem> file) {
    openAnswers_.push_back(std::move(file));
  }
  void answerSaveDialog(std::shared_ptr<FolderItem> file) {
    saveAnswers_.push_back(std::move(file));
  }
  const std::vector<DialogRequest>& dialogs() const { return dialogs_; }

  void setOptionKey(bool down) { optionKey_ = down; }

  // Runs while a window shows modally (ShowModal returns right after it).
  std::function<void(Window& window)> onShowModal;

  // The clock, in milliseconds from the platform's creation. advance moves it on and fires
  // every timer that comes due on the way, in the order of their due times.
  int64_t now() const { return now_; }
  void advance(int64_t milliseconds);

  // A long operation is asked to stop at its n-th poll from now (as if Esc came then); a
  // negative n never asks. The polls and the ends of long operations are counted.
  void stopAfterBusyPolls(int64_t n) { stopAfterPolls_ = n; }
  int64_t busyPolls() const { return busyPolls_; }
  int64_t busyEnds() const { return busyEnds_; }

  // Keys as the user presses them: one key, or each character of a text as a key of its own.
  bool sendKey(Window& window, std::string_view key);
  void typeText(Window& window, std::string_view text);

 private:
  std::shared_ptr<HeadlessTimer> nextDueTimer(int64_t until);

  UiToolkit* previousToolkit_ = nullptr;
  std::vector<std::string> messages_;
  int beeps_ = 0;
  std::string clipboard_;
  std::deque<std::shared_ptr<FolderItem>> openAnswers_;
  std::deque<std::shared_ptr<FolderItem>> saveAnswers_;
  std::vector<DialogRequest> dialogs_;
  bool optionKey_ = false;
  int64_t now_ = 0;
  int exitCode_ = 0;
  int64_t stopAfterPolls_ = -1;
  int64_t busyPolls_ = 0;
  int64_t busyEnds_ = 0;
  std::vector<std::weak_ptr<HeadlessTimer>> timers_;
};

}  // namespace vorline
