#include "platform/qt/QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/files/FileType.h"

namespace vorline {
namespace {

QString typeFilter(const FileType& type) {
  QStringList patterns;
  for (const std::string& extension : type.ExtensionList())
    patterns << "*" + QString::fromStdString(extension);
  return QString::fromStdString(type.Name()) + " (" + patterns.join(' ') + ")";
}

// The first extension of a name filter ("vrl" of "Pad Files (*.vrl)"), or "".
QString suffixOf(const QString& nameFilter) {
  static const QRegularExpression first(QStringLiteral("\\*\\.([^ )]+)"));
  QRegularExpressionMatch match = first.match(nameFilter);
  return match.hasMatch() ? match.captured(1) : QString();
}

QString chosenPath(QFileDialog& dialog, QString& folder) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  QString path = dialog.selectedFiles().first();
  folder = QFileInfo(path).absolutePath();
  return QFileInfo(path).absoluteFilePath();
}

}  // namespace

QStringList dialogNameFilters(const std::string& filter, bool forOpening) {
  QStringList filters;
  for (const auto& type : FileType::ForFilter(filter)) filters << typeFilter(*type);
  if (forOpening || filters.isEmpty()) filters << QStringLiteral("All Files (*)");
  return filters;
}

QString runOpenDialog(QWidget* parent, const std::string& filter, QString& folder) {
  QFileDialog dialog(parent, QStringLiteral("Open"), folder);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(dialogNameFilters(filter, true));
  return chosenPath(dialog, folder);
}

// A name typed without an extension gets the chosen type's.
QString runSaveDialog(QWidget* parent, const std::string& filter, const std::string& proposedName,
                      QString& folder) {
  QFileDialog dialog(parent, QStringLiteral("Save"), folder);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters = dialogNameFilters(filter, false);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(suffixOf(filters.first()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& chosen) { dialog.setDefaultSuffix(suffixOf(chosen)); });
  dialog.selectFile(QString::fromStdString(proposedName));
  return chosenPath(dialog, folder);
}

}  // namespace vorline
