#include "WriteGuard.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <filesystem>
#include <string_view>

namespace {

std::string allowedFolder;  // lexically normal, ending in "/"
std::atomic<bool> guarding{false};
std::atomic<int64_t> allowed{0};
std::atomic<int64_t> refused{0};

bool writes(int flags) { return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND)) != 0; }

// Whether a write to path may go ahead: the guard is off, or the path, taken from the current
// folder when relative, lies inside the allowed folder. Relative to another folder (openat with
// a descriptor) it may not: that folder is not known here.
bool permitted(int dirfd, const char* path, int flags) {
  if (!guarding || !writes(flags)) return true;
  bool inside = false;
  if (path && (path[0] == '/' || dirfd == AT_FDCWD)) {
    std::error_code ec;
    std::filesystem::path full =
        path[0] == '/' ? std::filesystem::path(path) : std::filesystem::current_path(ec) / path;
    std::string normal = full.lexically_normal().string();
    inside = !ec && std::string_view(normal).starts_with(allowedFolder);
  }
  (inside ? allowed : refused)++;
  if (!inside) errno = EACCES;
  return inside;
}

template <class F>
F real(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

mode_t modeOf(int flags, va_list args) {
  return (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(args, int)) : 0;
}

}  // namespace

namespace WriteGuard {

void allowOnly(const std::string& folder) {
  allowedFolder = std::filesystem::path(folder + "/").lexically_normal().string();
  guarding = true;
}
void setOn(bool on) { guarding = on && !allowedFolder.empty(); }
int64_t allowedWrites() { return allowed; }
int64_t refusedWrites() { return refused; }
void resetCounts() {
  allowed = 0;
  refused = 0;
}

}  // namespace WriteGuard

extern "C" {

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  mode_t mode = modeOf(flags, args);
  va_end(args);
  if (!permitted(AT_FDCWD, path, flags)) return -1;
  static auto next = real<int (*)(const char*, int, ...)>("open");
  return next(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  mode_t mode = modeOf(flags, args);
  va_end(args);
  if (!permitted(AT_FDCWD, path, flags)) return -1;
  static auto next = real<int (*)(const char*, int, ...)>("open64");
  return next(path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  mode_t mode = modeOf(flags, args);
  va_end(args);
  if (!permitted(dirfd, path, flags)) return -1;
  static auto next = real<int (*)(int, const char*, int, ...)>("openat");
  return next(dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  mode_t mode = modeOf(flags, args);
  va_end(args);
  if (!permitted(dirfd, path, flags)) return -1;
  static auto next = real<int (*)(int, const char*, int, ...)>("openat64");
  return next(dirfd, path, flags, mode);
}

int creat(const char* path, mode_t mode) {
  if (!permitted(AT_FDCWD, path, O_CREAT | O_WRONLY | O_TRUNC)) return -1;
  static auto next = real<int (*)(const char*, mode_t)>("creat");
  return next(path, mode);
}

}  // extern "C"
