#include "glue/ckScriptPath.h"

#include <utility>

#include "platform/files/SpecialFolder.h"
#include "platform/text/TextOps.h"
#include "platform/values/NilObjectException.h"

namespace vorline {

ckScriptPath::ckScriptPath(std::string currentFolderText,
                           std::shared_ptr<vorline::FolderItem> currentFolder)
    : currentText_(std::move(currentFolderText)), current_(std::move(currentFolder)) {}

// The three replacements run in this order because "./" is part of "../".
std::string ckScriptPath::finish(const std::string& scriptPath) const {
  if (scriptPath.find('/') == std::string::npos) return dataPath() + "/" + scriptPath;
  if (!current_) throw vorline::NilObjectException();
  std::string path = scriptPath;
  if (path.find("../") != std::string::npos) path = vorline::ReplaceB(path, "../", parentPath());
  if (path.find("~/") != std::string::npos) path = vorline::ReplaceB(path, "~/", homePath());
  return vorline::ReplaceB(path, "./", currentText_);
}

// The parent of the current folder; the root stands for its own parent, as in the shell.
std::string ckScriptPath::parentPath() const {
  std::shared_ptr<vorline::FolderItem> parent = current_->Parent();
  return parent ? parent->ShellPath() : current_->ShellPath();
}

// The home folder: the parent of the Desktop folder.
std::string ckScriptPath::homePath() {
  std::shared_ptr<vorline::FolderItem> desktop = vorline::SpecialFolder::Desktop();
  std::shared_ptr<vorline::FolderItem> home = desktop ? desktop->Parent() : nullptr;
  if (!home) throw vorline::NilObjectException();
  return home->ShellPath();
}

std::string ckScriptPath::dataPath() {
  std::shared_ptr<vorline::FolderItem> data =
      vorline::GetFolderItem("data", vorline::PathMode::Relative);
  if (!data) throw vorline::NilObjectException();
  return data->ShellPath();
}

}  // namespace vorline
