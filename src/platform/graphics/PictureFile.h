// Pictures read from image files (BMP, PNG and the other formats QtGui reads).
#pragma once

#include <memory>
#include <string>

namespace vorline {

class Picture;

// The picture in the file at path, pixel for pixel; null when the file is missing or holds no
// image this platform can read.
std::shared_ptr<Picture> OpenPictureFile(const std::string& path);

}  // namespace vorline
