#include "app/AppResources.h"

#include <cstdlib>

#include "platform/FolderItem.h"

namespace vorline {

std::string AppResources::Folder() {
  const char* own = std::getenv("VORLINE_RESOURCES_DIR");
  if (own && *own) return own;
  if (FolderItem(VORLINE_INSTALLED_RESOURCES_DIR).IsFolder())
    return VORLINE_INSTALLED_RESOURCES_DIR;
  return VORLINE_SOURCE_RESOURCES_DIR;
}

std::string AppResources::Path(const std::string& name) { return Folder() + "/" + name; }

}  // namespace vorline
