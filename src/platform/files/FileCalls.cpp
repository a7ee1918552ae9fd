#include "platform/files/FileCalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace vorline {
namespace {

FileCalls& systemCalls() {
  static FileCalls system;
  return system;
}

FileCalls*& installed() {
  static FileCalls* calls = &systemCalls();
  return calls;
}

}  // namespace

int FileCalls::open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

ssize_t FileCalls::write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }

int FileCalls::fallocate(int fd, off_t length) { return ::posix_fallocate(fd, 0, length); }

int FileCalls::fchown(int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); }

int FileCalls::fsync(int fd) { return ::fsync(fd); }

int FileCalls::rename(const char* from, const char* to) { return std::rename(from, to); }

FileCalls& FileCalls::Installed() { return *installed(); }

void FileCalls::Install(FileCalls* calls) { installed() = calls ? calls : &systemCalls(); }

}  // namespace vorline
