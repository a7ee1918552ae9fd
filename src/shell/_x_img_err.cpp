#include "shell/_x_img_err.h"

#include "platform/graphics/Picture.h"
#include "platform/graphics/PictureFile.h"
#include "shell/AppResources.h"

namespace vorline {

std::shared_ptr<Picture> _x_img_err::cache_;

std::shared_ptr<Picture> _x_img_err::img_err() {
  if (!cache_) cache_ = OpenPictureFile(AppResources::Path("err.bmp"));
  return cache_;
}

void _x_img_err::_Release() { cache_.reset(); }

}  // namespace vorline
