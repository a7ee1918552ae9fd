// The folders the program finds by their role rather than by a path: the Desktop, the home
// folder and the application folder, in which relative names such as "includes" and "data"
// resolve.
#pragma once

#include <memory>
#include <string>

namespace vorline {

class FolderItem;

class SpecialFolder {
 public:
  // The user's Desktop folder (the XDG desktop directory, normally ~/Desktop).
  static std::shared_ptr<FolderItem> Desktop();
  // The user's home folder ($HOME).
  static std::shared_ptr<FolderItem> Home();
  // The application folder: $VORLINE_HOME when set, else $XDG_DATA_HOME/vorline, else
  // ~/.local/share/vorline.
  static std::shared_ptr<FolderItem> ApplicationFolder();
  static std::string ApplicationFolderPath();
  // The "includes" folder (prefix, use and bare include names) and the "data" folder (bare
  // script file names) in the application folder.
  static std::shared_ptr<FolderItem> Includes();
  static std::shared_ptr<FolderItem> Data();
};

}  // namespace vorline
