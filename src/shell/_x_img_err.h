// The error badge's picture "err.bmp" from the program's resources: loaded on first use and
// kept; while it cannot be loaded every call tries again.
#pragma once

#include <memory>

namespace vorline {

class Picture;

class _x_img_err {
 public:
  // The picture, or null when it cannot be loaded.
  static std::shared_ptr<Picture> img_err();
  // Forgets the kept picture, so the next call loads it again (tests).
  static void _Release();

 private:
  static std::shared_ptr<Picture> cache_;
};

}  // namespace vorline
