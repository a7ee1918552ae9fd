// The script path syntax of the glue's file functions: how the text of a path that a script
// gives becomes the shell path of a file.
//
// A path with a "/" has its first "../" replaced by the parent of the current folder, then its
// first "~/" by the home folder, then its first "./" by the current folder, each wherever it
// stands and together with its "/" (folder shell paths end in "/"); a path without "/" names an
// entry of the data folder. So "notes.txt" is data/notes.txt, "./notes.txt" lies beside the
// pad, "~/notes.txt" in the home folder, "../notes.txt" one folder up, and "/abs/x" or
// "sub/x" are used as they stand.
#pragma once

#include <memory>
#include <string>

#include "platform/files/FolderItem.h"

namespace vorline {

class ckScriptPath {
 public:
  // currentFolderText: the owner's current path as it gave it; currentFolder: the item that
  // text names, or null when the platform could not resolve it.
  ckScriptPath(std::string currentFolderText, std::shared_ptr<vorline::FolderItem> currentFolder);

  // The finished shell path for a script path; throws NilObjectException when a folder that
  // the path needs cannot be resolved.
  std::string finish(const std::string& scriptPath) const;

 private:
  std::string parentPath() const;
  static std::string homePath();
  static std::string dataPath();

  std::string currentText_;
  std::shared_ptr<vorline::FolderItem> current_;
};

}  // namespace vorline
