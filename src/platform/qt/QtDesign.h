// Design values read as Qt values: a control's font and colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <string_view>

#include "platform/values/Color.h"

namespace vorline {

class Control;

// The framework's colour (alpha 0 opaque) as a Qt colour (alpha 255 opaque).
QColor toQColor(Color color);
// The design colour of that name, or the fallback when the design has none.
QColor designQColor(const Control& control, std::string_view name, QColor fallback);
bool designFlag(const Control& control, std::string_view name, bool fallback);

// The font of a control's design: TextFont, TextSize (in pixels, as the design's points are
// the window's pixels), Bold, Italic, Underline. "System" is the desktop's font; a monospaced
// family ("Monaco") is asked for as fixed-pitch, and where this machine lacks it, the desktop's
// fixed-pitch font stands in, so a pad keeps its columns.
QFont designFont(const Control& control);
// The font that stands in for a family of that name at that pixel size, on this machine or on
// one that has just those families.
QFont fontForFamily(const QString& family, int pixelSize);
QFont fontForFamily(const QString& family, int pixelSize, const QStringList& installedFamilies);

}  // namespace vorline
