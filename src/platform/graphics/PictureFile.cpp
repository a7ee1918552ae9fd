#include "platform/graphics/PictureFile.h"

#include <QImage>
#include <QString>
#include <exception>

#include "platform/graphics/Picture.h"

namespace vorline {

std::shared_ptr<Picture> OpenPictureFile(const std::string& path) {
  QImage image(QString::fromStdString(path));
  if (image.isNull()) return nullptr;
  std::shared_ptr<Picture> picture;
  try {
    picture = std::make_shared<Picture>(image.width(), image.height(), 32);
  } catch (const std::exception&) {
    return nullptr;  // a size the platform's pictures cannot hold
  }
  Graphics& g = picture->Graphics();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      QRgb p = image.pixel(x, y);
      g.ForeColor = Color{static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)),
                          static_cast<uint8_t>(qBlue(p)), 0};
      g.FillRect(x, y, 1, 1);
    }
  }
  g.ForeColor = Color{};
  return picture;
}

}  // namespace vorline
