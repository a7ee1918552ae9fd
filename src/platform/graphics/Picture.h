// The framework's Picture: an off-screen image of 32-bit pixels, white when new, with one
// drawing context that keeps its pen for the picture's lifetime.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/graphics/Graphics.h"
#include "platform/values/Color.h"
#include "platform/values/ScriptObject.h"

class QImage;

namespace vorline {

class Picture : public ScriptObject {
 public:
  // Sizes from 1 to kMaxSide each, at most kMaxPixels in all; depth 32. Throws
  // InvalidArgumentException for another size or depth, OutOfMemoryException when the image
  // cannot be had.
  Picture(int64_t width, int64_t height, int64_t depth = 32);
  ~Picture() override;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int64_t Width() const { return width_; }
  int64_t Height() const { return height_; }
  // The same context, with the same pen, on every call.
  vorline::Graphics& Graphics() { return *graphics_; }
  // The colour of one pixel (alpha 0); throws OutOfBoundsException outside the picture.
  Color Pixel(int64_t x, int64_t y) const;
  // The pixels, for a view that shows the picture.
  const QImage& Image() const { return *image_; }

  std::string typeName() const override { return "Picture"; }

  static constexpr int64_t kMaxSide = 32767;
  static constexpr int64_t kMaxPixels = 32ll * 1024 * 1024;

 private:
  int64_t width_;
  int64_t height_;
  std::unique_ptr<QImage> image_;
  std::unique_ptr<vorline::Graphics> graphics_;
};

}  // namespace vorline
