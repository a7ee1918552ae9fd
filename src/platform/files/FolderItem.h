// A file or folder of the file system, named by its absolute path; the entry need not exist.
// Scripts can hold one in a variable. Paths are UTF-8 texts with "/" as the separator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/files/TextOutputStream.h"
#include "platform/values/ScriptObject.h"

namespace vorline {

class TextInputStream;

class FolderItem : public ScriptObject {
 public:
  // What OpenAsTextFile reads at most unless told otherwise (TextInputStream::kMaxBytes).
  static constexpr size_t kMaxTextFileBytes = 64ull * 1024 * 1024;

  // The item for an absolute path (cleaned: no "." or ".." parts, no doubled "/").
  explicit FolderItem(const std::string& absolutePath);

  std::string typeName() const override { return "FolderItem"; }

  // The entry of that name in this folder; null for a name that is empty, ".", ".." or holds
  // a "/" (a child is always a direct entry of its folder).
  std::shared_ptr<FolderItem> Child(const std::string& name) const;
  // The folder that holds this item; null for the root.
  std::shared_ptr<FolderItem> Parent() const;

  // The absolute path; an existing folder's ends in "/", so "~/" and "./" forms can be joined
  // to it directly.
  std::string ShellPath() const;
  // The absolute path without a trailing "/" (except for the root).
  const std::string& NativePath() const { return path_; }
  // The absolute path with every symbolic link resolved; "" when the entry does not exist.
  std::string CanonicalPath() const;
  // The last part of the path, extension included ("" for the root).
  std::string Name() const;

  bool Exists() const;
  bool IsFolder() const;
  bool Directory() const { return IsFolder(); }
  // The size in bytes of a file, 0 for a folder or a missing entry.
  int64_t Length() const;

  // The file's text for reading; null when it is no readable regular file, when reading it
  // would block, or when it holds more than maxBytes (by default the most a pad may hold).
  std::shared_ptr<TextInputStream> OpenAsTextFile(size_t maxBytes = kMaxTextFileBytes) const;
  // Creates the file, or empties an existing regular one, for writing; null when that fails,
  // with the reason in failure when one is given (see TextOutputStream::Create).
  std::shared_ptr<TextOutputStream> CreateTextFile(
      TextOutputStream::Links links = TextOutputStream::Links::Follow,
      TextOutputStream::Failure* failure = nullptr) const;
  // Creates this folder and any missing parents; true when it exists afterwards.
  bool CreateAsFolder() const;

 private:
  std::string path_;
};

// How GetFolderItem reads its text.
enum class PathMode : int {
  Relative = 0,  // a name relative to the application folder ("includes", "data", "" itself)
  Shell = 1,     // a shell path: absolute, or relative to the application folder
};

// The item that the text names, or null when it cannot name one (a NUL byte, invalid UTF-8).
// An absolute text is taken as it stands and a relative one resolves in the application
// folder, in both modes (a shell path is not escaped, so the two read alike).
std::shared_ptr<FolderItem> GetFolderItem(const std::string& path,
                                          PathMode mode = PathMode::Relative);
// The same with the framework's numeric path modes (0 relative, 1 shell path).
std::shared_ptr<FolderItem> GetFolderItem(const std::string& path, int mode);

}  // namespace vorline
