#include "platform/qt/QtLabel.h"

#include <QLabel>

#include "platform/qt/QtDesign.h"

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
  Qt::Alignment horizontal = alignment == 2 ? Qt::AlignHCenter : alignment == 3 ? Qt::AlignRight : Qt::AlignLeft;
  view->setAlignment(horizontal | (multiline ? Qt::AlignTop : Qt::AlignVCenter));
}

}  // namespace vorline
