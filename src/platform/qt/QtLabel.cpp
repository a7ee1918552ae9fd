#include "platform/qt/QtLabel.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "platform/qt/QtDesign.h"
#include "platform/ui/Window.h"

namespace vorline {

QtLabel::QtLabel(QWidget* parent) : view_(new QLabel(parent)) {
  label()->setTextFormat(Qt::PlainText);
  label()->setFocusPolicy(Qt::NoFocus);
}

QLabel* QtLabel::label() const { return static_cast<QLabel*>(view_.widget()); }

void QtLabel::propertyChanged(std::string_view name) {
  bool shared = view_.follow(*this, name);
  if (!label()) return;
  if (name == "Text" || name == "Design") label()->setText(QString::fromStdString(Text()));
  if (shared && name == "Design") applyDesign();
  if (name == "Text" || name == "Design" || name == "Left" || name == "Top" || name == "Width" ||
      name == "Height")
    fitText();
}

// The size the text takes in the font: one line per line break, or wrapped at the width.
QSize QtLabel::textSize(const QFont& font, int width) const {
  if (label()->wordWrap()) {
    QFontMetrics metrics(font);
    QRect wrapped = metrics.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap,
                                         label()->text());
    return QSize(wrapped.width(), wrapped.height());
  }
  return QFontMetrics(font).size(0, label()->text());
}

// A design sized for other fonts must not clip its text: a label too small for its text grows
// to the right and downwards, moves left and up as far as its window needs, and only when the
// window itself is too small does its font get smaller.
void QtLabel::fitText() {
  QLabel* view = label();
  const QSize room =
      window() ? QSize(static_cast<int>(window()->Width()), static_cast<int>(window()->Height()))
               : view->parentWidget()->size();
  QRect box(static_cast<int>(Left()), static_cast<int>(Top()),
            static_cast<int>(std::max<int64_t>(Width(), 0)),
            static_cast<int>(std::max<int64_t>(Height(), 0)));
  QFont font = designFont(*this);
  for (;;) {
    QSize needed = textSize(font, box.width());
    bool fits = needed.width() <= room.width() && needed.height() <= room.height();
    int pixels = font.pixelSize();
    if (fits || pixels <= kSmallestPixels || pixels <= 0) {
      QRect grown(box.topLeft(), box.size().expandedTo(needed));
      grown.moveLeft(std::max(0, std::min(grown.left(), room.width() - grown.width())));
      grown.moveTop(std::max(0, std::min(grown.top(), room.height() - grown.height())));
      view->setFont(font);
      view->setGeometry(grown);
      return;
    }
    font.setPixelSize(pixels - 1);
  }
}

// Font, colour, wrapping and the alignment (0 default and 1 left, 2 centre, 3 right).
void QtLabel::applyDesign() {
  QLabel* view = label();
  view->setFont(designFont(*this));
  QPalette palette = view->palette();
  palette.setColor(QPalette::WindowText, designQColor(*this, "TextColor", Qt::black));
  view->setPalette(palette);
  bool multiline = designFlag(*this, "Multiline", false);
  view->setWordWrap(multiline);
  const DesignValue* align = designValue("TextAlign");
  int64_t alignment = align ? designInt(*align, 0) : 0;
  Qt::Alignment horizontal = alignment == 2   ? Qt::AlignHCenter
                             : alignment == 3 ? Qt::AlignRight
                                              : Qt::AlignLeft;
  view->setAlignment(horizontal | (multiline ? Qt::AlignTop : Qt::AlignVCenter));
}

}  // namespace vorline
