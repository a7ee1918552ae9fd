// The widget of a text area: a plain-text editor whose keys go through the window first
// (Window::DeliverKey, so the area's KeyDown sees them), and whose own typing follows only for
// the keys that no handler consumed. Menu shortcuts win over the editor's own Ctrl keys, so that
// Edit > Undo, Cut, Copy, Paste and Select All are the menu's commands.
#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>
#include <utility>
#include <vector>

namespace vorline {

class QtTextArea;

class QtPadEdit : public QPlainTextEdit {
 public:
  QtPadEdit(QtTextArea& area, QWidget* parent);

  // The area lets go of its widget (the widget may outlive it by a turn of the event loop).
  void forgetArea() { area_ = nullptr; }
  // While a key event is being delivered: the event, for the editor's own typing; taking it
  // leaves none pending, so a key is typed once at most.
  QKeyEvent* takePendingKey();
  // The editor's own handling of a key event.
  void typeKey(QKeyEvent* event) { QPlainTextEdit::keyPressEvent(event); }
  // The numbers of the first and the last block with a line in the viewport, from the
  // blocks' layout geometry (a hit test would shape a long line for nothing).
  std::pair<int, int> shownBlocks() const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  // Dropped text goes in as the area writes text, so that its line breaks read back as they are.
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void keepShownGlyphs();

  std::vector<QTextBlock> keepingGlyphs_;
  QtTextArea* area_;
  QKeyEvent* pending_ = nullptr;
};

}  // namespace vorline
