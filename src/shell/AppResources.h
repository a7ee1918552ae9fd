// The installed resources of the program: the prefix copied into a new application folder and
// the error-badge picture.
#pragma once

#include <string>

namespace vorline {

class AppResources {
 public:
  // The resources folder: $VORLINE_RESOURCES_DIR when set, else the data folder beside the
  // executable (../share/vorline); only a program run from its build tree without one there
  // reads the resources folder of the source tree it was built from.
  static std::string Folder();
  // The path of a resource in that folder.
  static std::string Path(const std::string& name);
};

}  // namespace vorline
