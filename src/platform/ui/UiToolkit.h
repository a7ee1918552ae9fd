// The maker of windows and controls and the runner of the event loop: the Qt front end for the
// program, the headless one for tests and the pad runner. Exactly one is installed while
// windows exist, and windows go before their toolkit; code creates controls through Window::New,
// never through the toolkit itself.
#pragma once

#include <memory>

namespace vorline {

class Canvas;
class Label;
class Rectangle;
class TextArea;
class Timer;
class Window;
class WindowPeer;

class UiToolkit {
 public:
  virtual ~UiToolkit() = default;

  virtual std::unique_ptr<WindowPeer> newWindowPeer(Window& window) = 0;
  virtual std::shared_ptr<TextArea> newTextArea(Window& window) = 0;
  virtual std::shared_ptr<Canvas> newCanvas(Window& window) = 0;
  virtual std::shared_ptr<Label> newLabel(Window& window) = 0;
  virtual std::shared_ptr<Rectangle> newRectangle(Window& window) = 0;
  virtual std::shared_ptr<Timer> newTimer(Window& window) = 0;

  // Runs the event loop until quitEventLoop; returns the exit code. A toolkit without a loop of
  // its own (headless) returns at once with 0.
  virtual int runEventLoop() = 0;
  virtual void quitEventLoop(int exitCode) = 0;

  // Called every few milliseconds while a long operation (a script run, a shell command) holds
  // the UI thread: keeps the windows painted and shows that the program is busy, letting no
  // input through but Esc. Returns true once the user asked to stop the operation.
  virtual bool busyPoll() { return false; }
  // The long operation is over: the program looks and listens as usual again.
  virtual void busyEnd() {}
};

// The installed toolkit; throws std::logic_error when none is installed.
UiToolkit& toolkit();
bool hasToolkit();
// Installs a toolkit (nullptr removes it); returns the one installed before.
UiToolkit* installUiToolkit(UiToolkit* toolkit);

}  // namespace vorline
