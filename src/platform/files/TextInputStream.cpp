#include "platform/files/TextInputStream.h"

#include <QFile>
#include <QFileInfo>

#include "platform/text/TextOps.h"

namespace vorline {

namespace {

// The file's bytes as UTF-8: as they are when valid, else each byte as a Latin-1 character.
// A leading UTF-8 byte-order mark is dropped, so a first line starts with its own text.
std::string decodeFileText(const QByteArray& bytes) {
  std::string_view raw(bytes.constData(), static_cast<size_t>(bytes.size()));
  if (IsValidUtf8(raw)) {
    if (raw.substr(0, 3) == "\xEF\xBB\xBF") raw.remove_prefix(3);
    return std::string(raw);
  }
  return Latin1ToUtf8(raw);
}

}  // namespace

std::shared_ptr<TextInputStream> TextInputStream::Open(const std::string& path) {
  const QString name = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
  // Only regular files: a device or a pipe could block or never end.
  if (!QFileInfo(name).isFile()) return nullptr;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return nullptr;
  return std::make_shared<TextInputStream>(decodeFileText(bytes));
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
