#include "platform/qt/QtPadEdit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <memory>

#include "platform/qt/QtKeyText.h"
#include "platform/qt/QtTextArea.h"
#include "platform/ui/Window.h"

namespace vorline {

QtPadEdit::QtPadEdit(QtTextArea& area, QWidget* parent) : QPlainTextEdit(parent), area_(&area) {}

// A Ctrl key is left to the shortcuts first: the editor would otherwise claim Ctrl+Z, Ctrl+C
// and the like for itself, and the menu items would never see them.
bool QtPadEdit::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
      event->ignore();
      return true;
    }
  }
  return QPlainTextEdit::event(event);
}

// The key goes through the window; the pending event lets TypeKey hand it back to the editor.
void QtPadEdit::keyPressEvent(QKeyEvent* event) {
  std::optional<std::string> text = keyTextOf(*event);
  Window* window = area_ ? area_->window() : nullptr;
  if (!text || !window) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  // The handler may close the window; it and this widget must outlive the call.
  std::shared_ptr<Window> keep = window->weak_from_this().lock();
  if (window->Focus() != area_) window->SetFocus(area_);
  pending_ = event;
  window->DeliverKey(*text);
  pending_ = nullptr;
  event->accept();
}

QKeyEvent* QtPadEdit::takePendingKey() {
  QKeyEvent* event = pending_;
  pending_ = nullptr;
  return event;
}

void QtPadEdit::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  if (area_ && area_->window()) area_->window()->SetFocus(area_);
}

void QtPadEdit::insertFromMimeData(const QMimeData* source) {
  if (!area_ || !source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
  area_->ReplaceSelection(source->text().toStdString());
  ensureCursorVisible();
}

}  // namespace vorline
