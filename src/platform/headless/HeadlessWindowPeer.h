// The headless side of a window: it records what a screen would show.
#pragma once

#include <functional>

#include "platform/ui/WindowPeer.h"

namespace vorline {

class HeadlessPlatform;
class Window;

class HeadlessWindowPeer : public WindowPeer {
 public:
  HeadlessWindowPeer(HeadlessPlatform& platform, Window& window)
      : platform_(platform), window_(window) {}

  void show() override { ++shows_; }
  // Returns at once; the platform's modal answer, if the test gave one, runs first.
  void showModal() override;
  void close() override { closed_ = true; }

  int shows() const { return shows_; }
  int modalShows() const { return modalShows_; }
  bool closed() const { return closed_; }

 private:
  HeadlessPlatform& platform_;
  Window& window_;
  int shows_ = 0;
  int modalShows_ = 0;
  bool closed_ = false;
};

}  // namespace vorline
