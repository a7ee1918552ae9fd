// The open and save dialogs on Qt, for a dialog filter's registered file types (FileType.h).
#pragma once

#include <QString>
#include <QStringList>
#include <string>

class QWidget;

namespace vorline {

// The name filters of a dialog filter ("Pad Files (*.vrl)", ...); for an open dialog an
// "All Files (*)" entry follows, and with no registered type it is the only one.
QStringList dialogNameFilters(const std::string& filter, bool forOpening);

// The path the user chose, or "" when they cancelled. folder is where the dialog starts and
// becomes the chosen file's folder.
QString runOpenDialog(QWidget* parent, const std::string& filter, QString& folder);
QString runSaveDialog(QWidget* parent, const std::string& filter, const std::string& proposedName,
                      QString& folder);

}  // namespace vorline
