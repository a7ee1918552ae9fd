#include "platform/files/TextInputStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/text/TextOps.h"

namespace vorline {

namespace {

// The file's bytes as UTF-8: every valid sequence as it is, each other byte as a Latin-1
// character, so that writing the text back changes only those bytes. A leading UTF-8
// byte-order mark is dropped, so a first line starts with its own text.
std::string decodeFileText(std::string_view raw) {
  if (raw.substr(0, 3) == "\xEF\xBB\xBF") raw.remove_prefix(3);
  return BytesToUtf8(raw);
}

// Reads an open descriptor to its end; none when a read fails, would wait (EAGAIN on a
// non-blocking descriptor) or would pass maxBytes.
std::optional<std::string> readToEnd(int fd, size_t maxBytes) {
  std::string bytes;
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) return bytes;
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (static_cast<size_t>(n) > maxBytes - bytes.size()) return std::nullopt;
    bytes.append(chunk, static_cast<size_t>(n));
  }
}

// The bytes of a regular file. Only regular files are opened, as a device or a pipe could block
// or never end; even so some (/proc/kmsg) wait for data and some (/proc/self/pagemap) report
// length 0 and read on without end, so the descriptor never blocks and the length read counts.
// A file that reports more than maxBytes (a large sparse file) is refused before any read.
std::optional<std::string> readFileBytes(const std::string& path, size_t maxBytes) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> bytes;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<uint64_t>(info.st_size) <= maxBytes)
    bytes = readToEnd(fd, maxBytes);
  ::close(fd);
  return bytes;
}

}  // namespace

std::shared_ptr<TextInputStream> TextInputStream::Open(const std::string& path, size_t maxBytes) {
  const std::optional<std::string> bytes = readFileBytes(path, maxBytes);
  if (!bytes) return nullptr;
  return std::make_shared<TextInputStream>(decodeFileText(*bytes));
}

std::string TextInputStream::ReadLine() {
  if (IsEOF()) return {};
  const size_t end = text_.find_first_of("\r\n", pos_);
  if (end == std::string::npos) {
    std::string line = text_.substr(pos_);
    pos_ = text_.size();
    return line;
  }
  std::string line = text_.substr(pos_, end - pos_);
  pos_ = end + 1;
  if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  return line;
}

std::string TextInputStream::ReadAll() {
  if (IsEOF()) return {};
  std::string rest = text_.substr(pos_);
  pos_ = text_.size();
  return rest;
}

void TextInputStream::Close() {
  closed_ = true;
  text_.clear();
  text_.shrink_to_fit();
}

}  // namespace vorline
