#include "platform/files/TextOutputStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "platform/text/TextOps.h"

namespace vorline {

TextOutputStream::TextOutputStream(std::unique_ptr<QFile> file) : file_(std::move(file)) {}

TextOutputStream::~TextOutputStream() { Close(); }

namespace {

// Opens the path for writing without waiting (a pipe with no reader fails at once, ENXIO) and
// keeps the descriptor only for a regular file, which is emptied only then; -1 otherwise.
int openRegularFile(const std::string& path, TextOutputStream::Links links,
                    TextOutputStream::Failure& failure) {
  int flags = O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC;
  if (links == TextOutputStream::Links::Refuse) flags |= O_NOFOLLOW;
  const int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) {
    const bool special = errno == ENXIO || errno == ELOOP || errno == ENODEV;
    failure = special ? TextOutputStream::Failure::NotRegular : TextOutputStream::Failure::Other;
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    failure = TextOutputStream::Failure::NotRegular;
    ::close(fd);
    return -1;
  }
  if (::ftruncate(fd, 0) != 0) {
    failure = TextOutputStream::Failure::Other;
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

std::shared_ptr<TextOutputStream> TextOutputStream::Create(const std::string& path, Links links,
                                                           Failure* failure) {
  Failure why = Failure::Other;
  if (failure) *failure = Failure::None;
  int fd = -1;
  if (!path.empty() && path.find('\0') == std::string::npos && IsValidUtf8(path))
    fd = openRegularFile(path, links, why);
  auto file = std::make_unique<QFile>();
  if (fd >= 0 && file->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
    return std::shared_ptr<TextOutputStream>(new TextOutputStream(std::move(file)));
  if (fd >= 0) ::close(fd);
  if (failure) *failure = why;
  return nullptr;
}

bool TextOutputStream::Write(const std::string& text) {
  if (!file_ || !ok_) return false;
  const qint64 n = file_->write(text.data(), static_cast<qint64>(text.size()));
  ok_ = n == static_cast<qint64>(text.size());
  return ok_;
}

bool TextOutputStream::WriteLine(const std::string& text) {
  return Write(text) && Write(std::string(EndOfLine));
}

bool TextOutputStream::Close() {
  if (!file_) return ok_;
  ok_ = file_->flush() && ok_;
  file_->close();
  ok_ = ok_ && file_->error() == QFileDevice::NoError;
  file_.reset();
  return ok_;
}

}  // namespace vorline
