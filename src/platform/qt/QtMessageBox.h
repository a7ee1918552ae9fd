// The program's message box: plain text and an OK button, at least as wide as its title needs
// in the window manager's title bar, so that the title shows whole there and is not cut to
// "V... e". Qt sizes a box for its text and allows only a little room for the title.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace vorline {

class QtMessageBox {
 public:
  // The font that title bars are taken to use: Qt's font for title bars, in bold, as window
  // managers commonly draw titles.
  static QFont titleFont();
  // The width a title bar needs for the title: the text, and room for the bar's icon, its
  // buttons and margins.
  static int titleBarWidth(const QString& title);
  // Shows the box modally over the parent; returns when the user dismisses it.
  static void exec(QWidget* parent, const QString& title, const QString& text);
};

}  // namespace vorline
