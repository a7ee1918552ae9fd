#include "platform/qt/QtPadEdit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <memory>

#include "platform/qt/QtKeyText.h"
#include "platform/qt/QtTextArea.h"
#include "platform/ui/Window.h"

namespace vorline {
namespace {

// Lines at least this long keep their glyphs while they show.
constexpr int kLongBlock = 512;

}  // namespace

QtPadEdit::QtPadEdit(QtTextArea& area, QWidget* parent) : QPlainTextEdit(parent), area_(&area) {
  // Scrolling, resizing and edits all request an update of the viewport.
  connect(this, &QPlainTextEdit::updateRequest, this, &QtPadEdit::keepShownGlyphs);
}

std::pair<int, int> QtPadEdit::shownBlocks() const {
  QTextBlock block = firstVisibleBlock();
  const int first = block.blockNumber();
  int last = first;
  const QPointF offset = contentOffset();
  const qreal bottom = viewport()->height();
  for (; block.isValid(); block = block.next()) {
    if (blockBoundingGeometry(block).translated(offset).top() >= bottom) break;
    last = block.blockNumber();
  }
  return {first, last};
}

// A block's layout drops its glyphs after each layout and each paint, so a key in a long line,
// the caret drawn in it or a repaint next to it would shape the whole line again, several
// times a key. The long lines in view keep them; one that leaves the view is laid out once
// more without, which frees them, so only what shows holds that memory.
void QtPadEdit::keepShownGlyphs() {
  auto [first, last] = shownBlocks();
  std::vector<QTextBlock> keep;
  for (QTextBlock block = document()->findBlockByNumber(first);
       block.isValid() && block.blockNumber() <= last; block = block.next()) {
    if (block.length() >= kLongBlock) keep.push_back(block);
  }
  std::vector<QTextBlock> leaving;
  for (const QTextBlock& block : keepingGlyphs_)
    if (block.isValid() && std::find(keep.begin(), keep.end(), block) == keep.end())
      leaving.push_back(block);
  for (QTextBlock& block : keep) block.layout()->setCacheEnabled(true);
  keepingGlyphs_ = keep;
  for (QTextBlock& block : leaving) {
    block.layout()->setCacheEnabled(false);
    document()->markContentsDirty(block.position(), block.length());
  }
}

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
