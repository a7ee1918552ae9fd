#include "platform/files/SpecialFolder.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/files/FolderItem.h"

namespace vorline {

namespace {

std::string toStd(const QString& s) {
  const QByteArray utf8 = s.toUtf8();
  return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

}  // namespace

std::shared_ptr<FolderItem> SpecialFolder::Desktop() {
  QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (desktop.isEmpty()) desktop = QDir::homePath() + QStringLiteral("/Desktop");
  return std::make_shared<FolderItem>(toStd(desktop));
}

std::shared_ptr<FolderItem> SpecialFolder::Home() {
  return std::make_shared<FolderItem>(toStd(QDir::homePath()));
}

std::string SpecialFolder::ApplicationFolderPath() {
  const QString own = qEnvironmentVariable("VORLINE_HOME");
  if (!own.isEmpty()) {
    if (QDir::isAbsolutePath(own)) return toStd(QDir::cleanPath(own));
    return toStd(QDir::cleanPath(QDir::current().absoluteFilePath(own)));
  }
  // GenericDataLocation is $XDG_DATA_HOME when that is an absolute path, else ~/.local/share.
  QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
  return toStd(QDir::cleanPath(data + QStringLiteral("/vorline")));
}

std::shared_ptr<FolderItem> SpecialFolder::ApplicationFolder() {
  return std::make_shared<FolderItem>(ApplicationFolderPath());
}

std::shared_ptr<FolderItem> SpecialFolder::Includes() {
  return ApplicationFolder()->Child("includes");
}

std::shared_ptr<FolderItem> SpecialFolder::Data() { return ApplicationFolder()->Child("data"); }

}  // namespace vorline
