#include "shell/AppResources.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/files/FolderItem.h"

namespace vorline {
namespace {

namespace fs = std::filesystem;

fs::path executableFolder() {
  std::error_code error;
  fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return executable.parent_path();
}

// Whether the folder lies inside the build tree the program was built in.
bool inBuildTree(const fs::path& folder) {
  fs::path build = fs::path(VORLINE_BUILD_DIR).lexically_normal();
  fs::path relative = folder.lexically_normal().lexically_relative(build);
  return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

std::string AppResources::Folder() {
  const char* own = std::getenv("VORLINE_RESOURCES_DIR");
  if (own && *own) return own;
  fs::path here = executableFolder();
  // <prefix>/share/vorline for the executable <prefix>/bin/vorline, wherever the prefix lies, so
  // a copy installed anywhere (or into a DESTDIR) finds its own resources.
  std::string installed =
      (here.parent_path() / VORLINE_RELATIVE_RESOURCES_DIR).lexically_normal().string();
  if (FolderItem(installed).IsFolder()) return installed;
  // Only a program run from its build tree falls back on the source tree it was built from.
  if (!here.empty() && inBuildTree(here)) return VORLINE_SOURCE_RESOURCES_DIR;
  return installed;
}

std::string AppResources::Path(const std::string& name) { return Folder() + "/" + name; }

}  // namespace vorline
