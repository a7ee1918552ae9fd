#include "platform/files/FolderItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/files/SpecialFolder.h"
#include "platform/files/TextInputStream.h"
#include "platform/files/TextOutputStream.h"
#include "platform/text/TextOps.h"

namespace vorline {

static_assert(FolderItem::kMaxTextFileBytes == TextInputStream::kMaxBytes);

namespace {

QString toQString(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string toStd(const QString& s) {
  const QByteArray utf8 = s.toUtf8();
  return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

// A text that can name a file: no NUL byte, valid UTF-8 (so that no name is changed on the
// way to the file system).
bool isNameable(const std::string& path) {
  return path.find('\0') == std::string::npos && IsValidUtf8(path);
}

}  // namespace

FolderItem::FolderItem(const std::string& absolutePath)
    : path_(toStd(QDir::cleanPath(toQString(absolutePath)))) {}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
      !isNameable(name))
    return nullptr;
  return std::make_shared<FolderItem>(path_ == "/" ? "/" + name : path_ + "/" + name);
}

std::shared_ptr<FolderItem> FolderItem::Parent() const {
  if (path_ == "/" || path_.empty()) return nullptr;
  const size_t slash = path_.rfind('/');
  if (slash == std::string::npos) return nullptr;
  return std::make_shared<FolderItem>(slash == 0 ? "/" : path_.substr(0, slash));
}

std::string FolderItem::ShellPath() const {
  if (path_ != "/" && IsFolder()) return path_ + "/";
  return path_;
}

std::string FolderItem::CanonicalPath() const {
  return toStd(QFileInfo(toQString(path_)).canonicalFilePath());
}

std::string FolderItem::Name() const {
  if (path_ == "/") return {};
  return path_.substr(path_.rfind('/') + 1);
}

bool FolderItem::Exists() const { return QFileInfo::exists(toQString(path_)); }

bool FolderItem::IsFolder() const { return QFileInfo(toQString(path_)).isDir(); }

int64_t FolderItem::Length() const {
  const QFileInfo info(toQString(path_));
  return info.isFile() ? info.size() : 0;
}

std::shared_ptr<TextInputStream> FolderItem::OpenAsTextFile(size_t maxBytes) const {
  return TextInputStream::Open(path_, maxBytes);
}

std::shared_ptr<TextOutputStream> FolderItem::CreateTextFile(
    TextOutputStream::Links links, TextOutputStream::Failure* failure) const {
  if (failure) *failure = TextOutputStream::Failure::Other;
  if (IsFolder()) return nullptr;
  return TextOutputStream::Create(path_, links, failure);
}

bool FolderItem::CreateAsFolder() const { return QDir().mkpath(toQString(path_)); }

std::shared_ptr<FolderItem> GetFolderItem(const std::string& path, PathMode mode) {
  (void)mode;  // both modes resolve a relative text in the application folder
  if (!isNameable(path)) return nullptr;
  if (!path.empty() && path[0] == '/') return std::make_shared<FolderItem>(path);
  const std::string base = SpecialFolder::ApplicationFolderPath();
  return std::make_shared<FolderItem>(path.empty() ? base : base + "/" + path);
}

std::shared_ptr<FolderItem> GetFolderItem(const std::string& path, int mode) {
  return GetFolderItem(path, mode == 1 ? PathMode::Shell : PathMode::Relative);
}

}  // namespace vorline
