#include "platform/graphics/Picture.h"

#include <QImage>

#include "platform/values/InvalidArgumentException.h"
#include "platform/values/OutOfBoundsException.h"
#include "platform/values/OutOfMemoryException.h"

namespace vorline {
namespace {

std::string sizeText(int64_t width, int64_t height) {
  return "a picture of " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

}  // namespace

Picture::Picture(int64_t width, int64_t height, int64_t depth) : width_(width), height_(height) {
  if (depth != 32) throw InvalidArgumentException("a picture depth of " + std::to_string(depth));
  if (width < 1 || height < 1) throw InvalidArgumentException(sizeText(width, height));
  if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
    throw OutOfMemoryException(sizeText(width, height));
  image_ = std::make_unique<QImage>(static_cast<int>(width), static_cast<int>(height),
                                    QImage::Format_RGB32);
  if (image_->isNull()) throw OutOfMemoryException(sizeText(width, height));
  image_->fill(0xFFFFFFFFu);
  graphics_ = std::make_unique<vorline::Graphics>(*image_);
}

Picture::~Picture() = default;

Color Picture::Pixel(int64_t x, int64_t y) const {
  if (x < 0 || x >= width_) throw OutOfBoundsException(x, width_);
  if (y < 0 || y >= height_) throw OutOfBoundsException(y, height_);
  QRgb p = image_->pixel(static_cast<int>(x), static_cast<int>(y));
  return Color{static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)),
               static_cast<uint8_t>(qBlue(p)), 0};
}

}  // namespace vorline
