#include "shell/AppResources.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/files/FolderItem.h"

namespace vorline {
namespace {

// <prefix>/share/vorline for the executable <prefix>/bin/vorline, wherever the prefix lies, so
// a copy installed anywhere (or into a DESTDIR) finds its own resources.
std::string installedFolder() {
  std::error_code error;
  std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return (executable.parent_path().parent_path() / VORLINE_RELATIVE_RESOURCES_DIR).string();
}

}  // namespace

std::string AppResources::Folder() {
  const char* own = std::getenv("VORLINE_RESOURCES_DIR");
  if (own && *own) return own;
  std::string installed = installedFolder();
  if (!installed.empty() && FolderItem(installed).IsFolder()) return installed;
  return VORLINE_SOURCE_RESOURCES_DIR;
}

std::string AppResources::Path(const std::string& name) { return Folder() + "/" + name; }

}  // namespace vorline
