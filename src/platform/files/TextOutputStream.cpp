#include "platform/files/TextOutputStream.h"

#include <QFile>

#include "platform/text/TextOps.h"

namespace vorline {

TextOutputStream::TextOutputStream(std::unique_ptr<QFile> file) : file_(std::move(file)) {}

TextOutputStream::~TextOutputStream() { Close(); }

std::shared_ptr<TextOutputStream> TextOutputStream::Create(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos || !IsValidUtf8(path)) return nullptr;
  auto file =
      std::make_unique<QFile>(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
  if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) return nullptr;
  return std::shared_ptr<TextOutputStream>(new TextOutputStream(std::move(file)));
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
