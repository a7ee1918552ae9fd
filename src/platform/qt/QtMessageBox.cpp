#include "platform/qt/QtMessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>

namespace vorline {
namespace {

// The icon, three buttons and the margins between them: each about a line of the title's font.
constexpr int kTitleBarLines = 6;

}  // namespace

QFont QtMessageBox::titleFont() {
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setBold(true);
  return font;
}

int QtMessageBox::titleBarWidth(const QString& title) {
  const QFontMetrics metrics(titleFont());
  return metrics.horizontalAdvance(title) + kTitleBarLines * metrics.height();
}

// The box fixes its own size whenever it shows; a spacer as wide as the title bar needs in a
// row of its own is part of what it sizes itself for.
void QtMessageBox::exec(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    const int inside =
        titleBarWidth(title) - grid->contentsMargins().left() - grid->contentsMargins().right();
    grid->addItem(new QSpacerItem(std::max(inside, 0), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

}  // namespace vorline
