#include "window/PadFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/files/FolderItem.h"
#include "platform/files/TextInputStream.h"
#include "platform/text/TextOps.h"

namespace vorline {
namespace fs = std::filesystem;
namespace {

// The file a save must replace: a symbolic link's target, so the link stays a link; also the
// target a link names before it exists.
fs::path saveTarget(const FolderItem& file) {
  std::error_code ec;
  fs::path path(file.NativePath());
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
  fs::path real = fs::canonical(path, ec);
  if (!ec) return real;
  fs::path named = fs::read_symlink(path, ec);
  if (ec) return path;
  return named.is_absolute() ? named : (path.parent_path() / named).lexically_normal();
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

// Writes every byte of text to the open file; false at the first failed write.
bool writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// A new file beside the target under a short name (a long pad name leaves room for it), made
// with the permissions a new file gets; -1 when the folder takes no new file.
int createTemporary(const fs::path& target, fs::path& made) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, ".vrl%x-%x", static_cast<unsigned>(::getpid()), counter++);
    made = target.parent_path() / name;
    int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

enum class Outcome { Saved, Failed, NoTemporary };

// The text goes to a temporary file that then takes the old file's place in one rename, with
// the old file's permissions.
Outcome replaceThroughTemporary(const fs::path& target, const std::string& text) {
  fs::path temporary;
  int fd = createTemporary(target, temporary);
  if (fd < 0) return Outcome::NoTemporary;
  struct stat old {};
  bool written = writeAll(fd, text);
  if (written && ::stat(target.c_str(), &old) == 0)
    written = ::fchmod(fd, old.st_mode & 07777) == 0;
  written = written && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (written && ::rename(temporary.c_str(), target.c_str()) == 0) return Outcome::Saved;
  ::unlink(temporary.c_str());
  return Outcome::Failed;
}

// Writing over the file itself: it is opened without being emptied, so a failure to open it or
// to write its first byte leaves the old file as it was; the rest is cut off at the end.
bool writeInPlace(const fs::path& target, const std::string& text) {
  int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool written = writeAll(fd, text) && ::ftruncate(fd, static_cast<off_t>(text.size())) == 0;
  return ::close(fd) == 0 && written;
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

// A folder that takes no new file (not writable while the pad is, or a link's target folder
// that is not ours) gets the text written in place instead.
bool PadFile::Write(const FolderItem& file, const std::string& text) {
  const fs::path target = saveTarget(file);
  if (target.empty() || !replaceable(target)) return false;
  switch (replaceThroughTemporary(target, text)) {
    case Outcome::Saved:
      return true;
    case Outcome::Failed:
      return false;
    case Outcome::NoTemporary:
      return writeInPlace(target, text);
  }
  return false;
}

}  // namespace vorline
