#include "window/PadFile.h"

#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "platform/files/FolderItem.h"
#include "platform/files/TextInputStream.h"
#include "platform/text/TextOps.h"
#include "platform/files/TextOutputStream.h"

namespace vorline {
namespace fs = std::filesystem;
namespace {

// The file a save must replace: a symbolic link's target, so the link stays a link.
fs::path saveTarget(const FolderItem& file) {
  std::error_code ec;
  fs::path path(file.NativePath());
  if (fs::is_symlink(fs::symlink_status(path, ec))) {
    fs::path real = fs::canonical(path, ec);
    if (!ec) return real;
  }
  return path;
}

// Whether the old file, if any, may be replaced: a folder may not, nor a file the user cannot
// write (writing it in place would fail as well).
bool replaceable(const fs::path& target) {
  std::error_code ec;
  fs::file_status status = fs::symlink_status(target, ec);
  if (ec || !fs::exists(status)) return true;
  if (fs::is_directory(status)) return false;
  return ::access(target.c_str(), W_OK) == 0;
}

fs::path temporaryBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  std::string name = "." + target.filename().string() + ".saving-" + std::to_string(::getpid()) +
                     "-" + std::to_string(counter++);
  return target.parent_path() / name;
}

bool writeWhole(const fs::path& path, const std::string& text) {
  std::shared_ptr<TextOutputStream> stream = FolderItem(path.string()).CreateTextFile();
  if (!stream) return false;
  bool written = stream->Write(text);
  return stream->Close() && written;
}

}  // namespace

std::optional<std::string> PadFile::Read(const FolderItem& file) {
  std::shared_ptr<TextInputStream> stream = file.OpenAsTextFile();
  if (!stream) return std::nullopt;
  std::string text;
  while (!stream->IsEOF()) {
    text += stream->ReadLine();
    text += EndOfLine;
  }
  stream->Close();
  return text;
}

bool PadFile::Write(const FolderItem& file, const std::string& text) {
  const fs::path target = saveTarget(file);
  if (!replaceable(target)) return false;
  const fs::path temporary = temporaryBeside(target);
  std::error_code ec;
  if (!writeWhole(temporary, text)) {
    fs::remove(temporary, ec);
    return false;
  }
  // The new file keeps the old one's permissions.
  fs::file_status old = fs::status(target, ec);
  if (!ec && fs::exists(old)) fs::permissions(temporary, old.permissions(), ec);
  fs::rename(temporary, target, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace vorline
