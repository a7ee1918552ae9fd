#include "platform/qt/QtTextArea.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "platform/qt/QtDesign.h"
#include "platform/qt/QtPadEdit.h"
#include "platform/qt/QtSpellDictionary.h"
#include "platform/qt/QtSpellHighlighter.h"
#include "platform/qt/QtTextEdits.h"
#include "platform/ui/Keyboard.h"

namespace vorline {
namespace {

bool startsPair(const QString& text, qsizetype i) {
  return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
}

// The UTF-16 index of the character that follows `chars` characters (clamped to the text).
int toUtf16(const QString& text, int64_t chars) {
  qsizetype i = 0;
  for (int64_t n = 0; i < text.size() && n < chars; ++n) i += startsPair(text, i) ? 2 : 1;
  return static_cast<int>(i);
}

// The characters (code points) among the first `units` UTF-16 units.
int64_t toChars(const QString& text, int units) {
  int64_t n = 0;
  for (qsizetype i = 0; i < std::min<qsizetype>(units, text.size()); ++n)
    i += startsPair(text, i) ? 2 : 1;
  return n;
}

// The editor keeps no carriage returns: a CR LF pair or a lone CR is one line break.
QString editorText(const std::string& text) {
  QString q = QString::fromStdString(text);
  if (text.find('\r') != std::string::npos) {  // a pad's text rarely has any
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    q.replace(QChar('\r'), QChar('\n'));
  }
  return q;
}

// The editor makes a new block at a line break and at U+2029, U+FDD0 and U+FDD1 alike. Each
// block other than the first remembers, in its format, which of them began it (none for a line
// break), so that the text reads back as it was written.
constexpr int kBreakProperty = QTextFormat::UserProperty + 1;

bool startsBlock(QChar c) {
  return c == QChar('\n') || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) ||
         c == QChar(0xFDD1);
}

bool holdsBlockStart(QStringView text) {
  return std::any_of(text.begin(), text.end(), startsBlock);
}

QChar blockBreak(const QTextBlock& block) {
  const QVariant mark = block.blockFormat().property(kBreakProperty);
  return mark.isValid() ? QChar(static_cast<char16_t>(mark.toInt())) : QChar('\n');
}

// Removes the selection. The editor gives the block that is left the format of the block where
// the removal ends when it starts at a block's start; the block that is left starts where the
// block of the removal's start did, and keeps its mark.
// Runs a removal that starts at from, and gives the block that is left the format of the block
// where the removal started.
template <typename Remove>
void removeKeepingMark(QTextCursor& cursor, int from, Remove remove) {
  const QTextBlockFormat kept = cursor.document()->findBlock(from).blockFormat();
  remove();
  if (cursor.blockFormat() != kept) cursor.setBlockFormat(kept);
}

void removeExact(QTextCursor& cursor) {
  if (!cursor.hasSelection()) return;
  removeKeepingMark(cursor, cursor.selectionStart(), [&] { cursor.removeSelectedText(); });
}

// Inserts the text at the cursor, each character that starts a block making one that
// remembers it. True when a block got a mark.
bool insertExact(QTextCursor& cursor, const QString& text, const QTextCharFormat& format) {
  removeExact(cursor);
  bool marked = false;
  qsizetype from = 0;
  for (qsizetype i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !startsBlock(text.at(i))) continue;
    if (i > from) cursor.insertText(text.mid(from, i - from), format);
    if (i == text.size()) break;
    QTextBlockFormat block = cursor.blockFormat();
    block.clearProperty(kBreakProperty);
    if (text.at(i) != QChar('\n')) {
      block.setProperty(kBreakProperty, text.at(i).unicode());
      marked = true;
    }
    cursor.insertBlock(block, format);
    from = i + 1;
  }
  return marked;
}

// Inserts the text as typing does, with the character format the cursor has.
bool insertExact(QTextCursor& cursor, const QString& text) {
  return insertExact(cursor, text, cursor.charFormat());
}

bool insertTyped(QPlainTextEdit& edit, const QString& text) {
  QTextCursor cursor = edit.textCursor();
  cursor.beginEditBlock();
  const bool marked = insertExact(cursor, text);
  cursor.endEditBlock();
  edit.setTextCursor(cursor);
  edit.ensureCursorVisible();
  return marked;
}

}  // namespace

QtTextArea::QtTextArea(QWidget* parent, QtSpellDictionary* dictionary)
    : view_(new QtPadEdit(*this, parent)), dictionary_(dictionary) {
  edit_ = static_cast<QtPadEdit*>(view_.widget());
  edit_->setFrameShape(QFrame::NoFrame);
  edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QtTextArea::~QtTextArea() {
  if (edit_) edit_->forgetArea();
}

QWidget* QtTextArea::view() const { return edit_; }

// The editor's text, every character as it was written (the editor's plain text would give a
// no-break space as a space and every block's start as a line break); positions in it are the
// editor's cursor positions.
QString QtTextArea::rawText() const {
  if (!edit_) return QString();
  const QTextDocument& document = *edit_->document();
  if (!marks_) {
    // Every block starts at a line break: the document's own text, each block separator read as
    // a line break.
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    return text;
  }
  QString text;
  text.reserve(document.characterCount());
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block != document.begin()) text += blockBreak(block);
    text += block.text();
  }
  return text;
}

std::string QtTextArea::Text() const { return rawText().toStdString(); }

// Replaces only what differs, as one undo step: a run's rebuild changes the tails of the pad's
// lines, so each of them is its own small edit, and the rest of the pad (with its layout and
// checked spelling) stays as it is. Then the caret goes to the start.
void QtTextArea::SetText(const std::string& text) {
  if (!edit_) return;
  const QString now = editorText(text);
  const QString old = rawText();
  const std::vector<QtTextEdits::Edit> edits = QtTextEdits::between(old, now);
  if (!edits.empty()) {
    QTextCursor cursor(edit_->document());
    cursor.beginEditBlock();
    // The pad's plain text has one character format, the one typing gives: taken once.
    QTextCharFormat format = cursor.charFormat();
    format.clearProperty(QTextFormat::ObjectType);
    // From the last to the first, so that the old text's positions still hold.
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
      cursor.setPosition(static_cast<int>(edit->start));
      if (edit->removed > 0)
        cursor.setPosition(static_cast<int>(edit->start + edit->removed), QTextCursor::KeepAnchor);
      const QString inserted = edit->inserted.toString();
      // An edit inside one block (each line's edit, nearly always) leaves every block's format.
      if (holdsBlockStart(QStringView(old).sliced(edit->start, edit->removed)) ||
          holdsBlockStart(inserted))
        marks_ |= insertExact(cursor, inserted, format);
      else if (inserted.isEmpty())
        cursor.removeSelectedText();
      else
        cursor.insertText(inserted, format);
    }
    cursor.endEditBlock();
  }
  QTextCursor caret(edit_->document());
  caret.setPosition(0);
  edit_->setTextCursor(caret);
}

// A block separator is one UTF-16 unit whatever began its block: the document's own text maps
// characters to cursor positions as well as the text as written.
int64_t QtTextArea::SelStart() const {
  if (!edit_) return 0;
  return toChars(edit_->document()->toRawText(), edit_->textCursor().selectionStart());
}

void QtTextArea::SetSelStart(int64_t start) {
  if (!edit_) return;
  QTextCursor cursor = edit_->textCursor();
  cursor.setPosition(toUtf16(edit_->document()->toRawText(), std::max<int64_t>(start, 0)));
  edit_->setTextCursor(cursor);
}

int64_t QtTextArea::SelLength() const {
  if (!edit_) return 0;
  QTextCursor cursor = edit_->textCursor();
  const QString text = edit_->document()->toRawText();
  return toChars(text, cursor.selectionEnd()) - toChars(text, cursor.selectionStart());
}

void QtTextArea::SetSelLength(int64_t length) {
  if (!edit_) return;
  const QString text = edit_->document()->toRawText();
  QTextCursor cursor = edit_->textCursor();
  int start = cursor.selectionStart();
  int64_t startChars = toChars(text, start);
  cursor.setPosition(start);
  cursor.setPosition(toUtf16(text, startChars + std::max<int64_t>(length, 0)),
                     QTextCursor::KeepAnchor);
  edit_->setTextCursor(cursor);
}

void QtTextArea::ReplaceSelection(const std::string& text) {
  if (!edit_) return;
  QTextCursor cursor = edit_->textCursor();
  cursor.beginEditBlock();
  marks_ |= insertExact(cursor, editorText(text));
  cursor.endEditBlock();
  edit_->setTextCursor(cursor);
}

bool QtTextArea::CanUndo() const { return edit_ && edit_->document()->isUndoAvailable(); }

void QtTextArea::Undo() {
  if (edit_) edit_->undo();
}

bool QtTextArea::editable() const { return edit_ && Enabled() && !edit_->isReadOnly(); }

// A key from a real key event is the editor's to type (with its own shortcuts for selection,
// repeat and input methods); Return and Enter always type a plain line break.
void QtTextArea::TypeKey(const std::string& key) {
  if (!edit_) return;
  QKeyEvent* event = edit_->takePendingKey();
  if (!event) return typeWithoutEvent(key);
  if (key == Keys::Return || key == Keys::Enter) {
    if (editable()) insertTyped(*edit_, QStringLiteral("\n"));
  } else if ((key == Keys::Backspace || key == Keys::Delete) &&
             !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    typeWithoutEvent(key);  // a block that a separator began keeps it
  } else if (key != Keys::Escape) {
    edit_->typeKey(event);
  }
}

// A key the program sent without a key event: typed as a plain-text editor types it.
void QtTextArea::typeWithoutEvent(const std::string& key) {
  QTextCursor cursor = edit_->textCursor();
  if (key == Keys::Left || key == Keys::Right) {
    bool left = key == Keys::Left;
    if (cursor.hasSelection())
      cursor.setPosition(left ? cursor.selectionStart() : cursor.selectionEnd());
    else
      cursor.movePosition(left ? QTextCursor::PreviousCharacter : QTextCursor::NextCharacter);
    edit_->setTextCursor(cursor);
    return;
  }
  if (key.empty() || !editable()) return;
  if (key == Keys::Return || key == Keys::Enter || key == "\n") {
    insertTyped(*edit_, QStringLiteral("\n"));
    return;
  }
  if (key == Keys::Backspace || key == Keys::Delete) {
    const bool back = key == Keys::Backspace;
    const int from = cursor.hasSelection() ? cursor.selectionStart()
                                           : std::max(cursor.position() - (back ? 1 : 0), 0);
    cursor.beginEditBlock();
    removeKeepingMark(cursor, from,
                      [&] { back ? cursor.deletePreviousChar() : cursor.deleteChar(); });
    cursor.endEditBlock();
    edit_->setTextCursor(cursor);
    return;
  }
  if (key == Keys::Tab) {
    if (!edit_->tabChangesFocus()) insertTyped(*edit_, QStringLiteral("\t"));
    return;
  }
  if (static_cast<unsigned char>(key[0]) < 0x20) return;  // Esc, the vertical arrows
  marks_ |= insertTyped(*edit_, QString::fromStdString(key));
}

void QtTextArea::propertyChanged(std::string_view name) {
  if (!view_.follow(*this, name)) return;
  if (name == "Design") applyDesign();
}

// The design's look and behaviour: font, colours, tabs, read-only, scroll bars, border, spelling.
void QtTextArea::applyDesign() {
  if (!edit_) return;
  edit_->setFont(designFont(*this));
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Text, designQColor(*this, "TextColor", Qt::black));
  bool transparent = designFlag(*this, "Transparent", false);
  palette.setColor(QPalette::Base, transparent ? QColor(Qt::transparent)
                                               : designQColor(*this, "BackColor", Qt::white));
  edit_->setPalette(palette);
  edit_->setTabChangesFocus(!designFlag(*this, "AcceptTabs", true));
  edit_->setReadOnly(designFlag(*this, "ReadOnly", false));
  edit_->setFrameShape(designFlag(*this, "Border", false) ? QFrame::StyledPanel : QFrame::NoFrame);
  edit_->setVerticalScrollBarPolicy(designFlag(*this, "ScrollbarVertical", true)
                                        ? Qt::ScrollBarAsNeeded
                                        : Qt::ScrollBarAlwaysOff);
  bool horizontal = designFlag(*this, "ScrollbarHorizontal", false);
  edit_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  edit_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  applySpelling();
}

void QtTextArea::applySpelling() {
  bool wanted = designFlag(*this, "AutomaticallyCheckSpelling", false) && dictionary_ &&
                dictionary_->loaded();
  if (wanted && !highlighter_) {
    highlighter_ = new QtSpellHighlighter(edit_->document(), *dictionary_);
    showSpellingRange();
    highlighter_->checkShown();
    // Scrolling, resizing and edits all request an update of the viewport: the blocks that
    // come into view are checked then.
    QObject::connect(edit_, &QPlainTextEdit::updateRequest, highlighter_, [this] {
      showSpellingRange();
      if (highlighter_) highlighter_->checkShown();
    });
  }
  if (!wanted && highlighter_) delete highlighter_;
}

// The block numbers in the viewport, for the highlighter's lazy check.
void QtTextArea::showSpellingRange() {
  if (!edit_ || !highlighter_) return;
  auto [first, last] = edit_->shownBlocks();
  highlighter_->setShownBlocks(first, last);
}

}  // namespace vorline
