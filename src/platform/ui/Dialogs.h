// The framework's open and save dialogs. The filter "TEXT" admits the registered file types
// (FileType.h): pad files (.vrl) and text files (.txt).
#pragma once

#include <memory>
#include <string>

#include "platform/ui/UiServices.h"

namespace vorline {

// The chosen file, or nullptr when the user cancels.
inline std::shared_ptr<FolderItem> GetOpenFolderItem(const std::string& filter) {
  return ui().openFileDialog(filter);
}

// The chosen file, which need not exist yet, or nullptr when the user cancels.
inline std::shared_ptr<FolderItem> GetSaveFolderItem(const std::string& filter,
                                                     const std::string& proposedName) {
  return ui().saveFileDialog(filter, proposedName);
}

}  // namespace vorline
