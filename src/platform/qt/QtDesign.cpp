#include "platform/qt/QtDesign.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <cmath>

#include "platform/ui/Control.h"

namespace vorline {
namespace {

bool knownMonospaced(const QString& family) {
  static const QStringList names{"Monaco", "Menlo", "Courier", "Courier New", "Andale Mono"};
  return names.contains(family, Qt::CaseInsensitive);
}

}  // namespace

QColor toQColor(Color color) {
  return QColor(color.Red, color.Green, color.Blue, 255 - color.Alpha);
}

QColor designQColor(const Control& control, std::string_view name, QColor fallback) {
  const DesignValue* value = control.designValue(name);
  if (!value || !std::holds_alternative<Color>(*value)) return fallback;
  return toQColor(std::get<Color>(*value));
}

bool designFlag(const Control& control, std::string_view name, bool fallback) {
  const DesignValue* value = control.designValue(name);
  return value ? designBool(*value, fallback) : fallback;
}

QFont fontForFamily(const QString& family, int pixelSize, const QStringList& installedFamilies) {
  QFont font = QApplication::font();
  if (family.isEmpty() || family.compare("System", Qt::CaseInsensitive) == 0) {
    // the desktop's own font
  } else if (knownMonospaced(family)) {
    if (installedFamilies.contains(family, Qt::CaseInsensitive))
      font.setFamily(family);
    else
      font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Asked for outright, so that whatever the machine has, the pad keeps its columns.
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
  } else {
    font.setFamily(family);  // fontconfig finds the nearest when it is missing
  }
  if (pixelSize > 0) font.setPixelSize(pixelSize);
  return font;
}

QFont fontForFamily(const QString& family, int pixelSize) {
  return fontForFamily(family, pixelSize, QFontDatabase::families());
}

QFont designFont(const Control& control) {
  const DesignValue* family = control.designValue("TextFont");
  const DesignValue* size = control.designValue("TextSize");
  int pixels = size ? static_cast<int>(std::lround(designNumber(*size, 0))) : 0;
  QFont font =
      fontForFamily(family ? QString::fromStdString(designString(*family)) : QString(), pixels);
  font.setBold(designFlag(control, "Bold", false));
  font.setItalic(designFlag(control, "Italic", false));
  font.setUnderline(designFlag(control, "Underline", false));
  return font;
}

}  // namespace vorline
