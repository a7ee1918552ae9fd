#include "window/PadFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/files/FileCalls.h"
#include "platform/files/FolderItem.h"
#include "platform/files/TextInputStream.h"
#include "platform/script/ScriptEngine.h"
#include "platform/text/TextOps.h"

namespace vorline {
namespace fs = std::filesystem;

// A pad longer than the engine takes could never run, so reading stops there.
static_assert(FolderItem::kMaxTextFileBytes == ScriptEngine::kMaxSourceBytes);

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

// Writes every byte of text to the open file; false at the first failed write.
bool writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = FileCalls::Installed().write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// A new file beside the target under a short name (a long pad name leaves room for it), made
// with the permissions a new file gets; -1 with errno when the folder takes no new file.
int createTemporary(const fs::path& target, fs::path& made) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, ".vrl%x-%x", static_cast<unsigned>(::getpid()), counter++);
    made = target.parent_path() / name;
    int fd =
        FileCalls::Installed().open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Whether a temporary file failed for want of a name or of permission, which writing the file
// in place may not lack; a full disk, a quota or a read-only disk fail the save.
bool wantsNameOrPermission(int error) {
  return error == EACCES || error == EPERM || error == ENAMETOOLONG || error == EEXIST;
}

// The old file's owner and group go to the new one where the system lets us (a user may give
// a file only to a group of their own), then its permissions, which a change of owner may clear.
void takeOwnership(int fd, const struct stat& old) {
  if (FileCalls::Installed().fchown(fd, old.st_uid, old.st_gid) != 0)
    (void)FileCalls::Installed().fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  (void)::fchmod(fd, old.st_mode & 07777);
}

enum class Outcome { Saved, Failed, NoTemporary };

// The text goes to a temporary file that then takes the old file's place in one rename, with
// the old file's owner, group and permissions.
Outcome replaceThroughTemporary(const fs::path& target, const std::string& text,
                                const struct stat* old) {
  fs::path temporary;
  int fd = createTemporary(target, temporary);
  if (fd < 0) return wantsNameOrPermission(errno) ? Outcome::NoTemporary : Outcome::Failed;
  bool written = writeAll(fd, text);
  if (written && old) takeOwnership(fd, *old);
  written = written && FileCalls::Installed().fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (written && FileCalls::Installed().rename(temporary.c_str(), target.c_str()) == 0)
    return Outcome::Saved;
  ::unlink(temporary.c_str());
  return Outcome::Failed;
}

// Writing over the file itself, which keeps its links, owner and permissions. Only a regular
// file is written (opening never waits for a pipe's reader), and only once room for the whole
// text is reserved, so that a full disk fails the save before the first byte changes.
bool writeInPlace(const fs::path& target, const std::string& text, bool existed) {
  int fd = FileCalls::Installed().open(target.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC,
                                       0666);
  if (fd < 0) return false;
  struct stat info {};
  bool written = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  const off_t length = static_cast<off_t>(text.size());
  written = written && (length == 0 || FileCalls::Installed().fallocate(fd, length) == 0);
  const bool reserved = written;
  written = written && writeAll(fd, text) && ::ftruncate(fd, length) == 0 &&
            FileCalls::Installed().fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (!existed && !reserved) ::unlink(target.c_str());
  return written;
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

// A folder is never replaced, nor a file the user cannot write. A file with more than one name,
// or one that is not a regular file, takes the in-place way, as a rename would split its names
// or put a regular file where the pipe or device was (and in place only a regular file is
// written, so a pipe or a device is left as it was); so does a file in a folder that takes no
// new file (not writable while the pad is, or a link's target folder that is not ours).
bool PadFile::Write(const FolderItem& file, const std::string& text) {
  const fs::path target = saveTarget(file);
  if (target.empty()) return false;
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && (S_ISDIR(old.st_mode) || ::access(target.c_str(), W_OK) != 0)) return false;
  if (existed && (!S_ISREG(old.st_mode) || old.st_nlink > 1))
    return writeInPlace(target, text, existed);
  switch (replaceThroughTemporary(target, text, existed ? &old : nullptr)) {
    case Outcome::Saved:
      return true;
    case Outcome::Failed:
      return false;
    case Outcome::NoTemporary:
      return writeInPlace(target, text, existed);
  }
  return false;
}

}  // namespace vorline
