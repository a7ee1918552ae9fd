// The system calls through which a file is saved, behind one seam: tests install calls of their
// own that fail as a full disk, a quota or a folder the user may not write would, whoever runs
// them. Each answers as the system call of its name does (-1 and errno), except fallocate,
// which answers an error number as posix_fallocate does.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace vorline {

class FileCalls {
 public:
  virtual ~FileCalls() = default;

  virtual int open(const char* path, int flags, mode_t mode);
  virtual ssize_t write(int fd, const void* data, size_t size);
  // Makes sure that the first length bytes of the file have room on the disk.
  virtual int fallocate(int fd, off_t length);
  virtual int fchown(int fd, uid_t owner, gid_t group);
  virtual int fsync(int fd);
  virtual int rename(const char* from, const char* to);

  // The calls in use: the system's unless a test installed others.
  static FileCalls& Installed();
  // From now on the given calls are used (not owned); null puts the system's back.
  static void Install(FileCalls* calls);
};

}  // namespace vorline
