#include "platform/qt/QtSpellHighlighter.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

#include "platform/qt/QtSpellDictionary.h"

namespace vorline {
namespace {

bool joinsName(QChar c) {
  return c.isLetterOrNumber() || c == '_' || c == '$' || c == '#' || c == '%' || c == '@';
}

// A "." between two names, or any "/", makes a word part of a file name or a path.
bool joinsPath(const QString& text, qsizetype separator, qsizetype beyond) {
  if (separator < 0 || separator >= text.size()) return false;
  QChar c = text.at(separator);
  if (c == '/') return true;
  return c == '.' && beyond >= 0 && beyond < text.size() && text.at(beyond).isLetterOrNumber();
}

}  // namespace

QtSpellHighlighter::QtSpellHighlighter(QTextDocument* document, QtSpellDictionary& dictionary)
    : QObject(document), document_(document), dictionary_(dictionary) {
  misspelt_.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
  misspelt_.setUnderlineColor(Qt::red);
  connect(document, &QTextDocument::contentsChange, this, &QtSpellHighlighter::contentsChanged);
}

// A document on its way out (document_ is null by then) needs no cleaning.
QtSpellHighlighter::~QtSpellHighlighter() {
  if (!document_) return;
  for (QTextBlock block = document_->firstBlock(); block.isValid(); block = block.next()) {
    if (block.userState() != kChecked) continue;
    block.setUserState(kUnchecked);
    setUnderlines(block, {});
  }
}

std::vector<QtSpellHighlighter::Span> QtSpellHighlighter::proseSpans(const QString& text) {
  qsizetype end = text.indexOf(QStringLiteral("//"));
  if (end < 0) end = text.size();
  qsizetype first = 0;
  while (first < end && (text.at(first) == ' ' || text.at(first) == '\t')) ++first;
  QStringView line = QStringView(text).mid(first, end - first);
  if (line.startsWith('#') || line.startsWith(QStringLiteral("--")))
    return {Span{first, end - first}};
  std::vector<Span> spans;
  for (qsizetype open = text.indexOf('"', first); open >= 0 && open < end;) {
    qsizetype close = text.indexOf('"', open + 1);
    if (close < 0 || close > end) close = end;  // an unclosed string runs to the line's end
    if (close > open + 1) spans.push_back(Span{open + 1, close - open - 1});
    open = close < end ? text.indexOf('"', close + 1) : -1;
  }
  return spans;
}

bool QtSpellHighlighter::worthChecking(const QString& text, qsizetype start, qsizetype length) {
  if (length < 2) return false;
  if (start > 0 && joinsName(text.at(start - 1))) return false;
  if (start + length < text.size()) {
    QChar next = text.at(start + length);
    if (joinsName(next) || next == '(') return false;  // a name or a function call
  }
  if (joinsPath(text, start - 1, start - 2) || joinsPath(text, start + length, start + length + 1))
    return false;
  for (qsizetype i = start + 1; i < start + length; ++i)
    if (text.at(i).isUpper()) return false;
  return true;
}

void QtSpellHighlighter::setShownBlocks(int first, int last) {
  firstShown_ = first;
  lastShown_ = last;
}

void QtSpellHighlighter::checkShown() { checkShownBlocks(false); }

void QtSpellHighlighter::rehighlight() { checkShownBlocks(true); }

void QtSpellHighlighter::checkShownBlocks(bool again) {
  if (!document_) return;
  for (QTextBlock block = document_->findBlockByNumber(firstShown_);
       block.isValid() && block.blockNumber() <= lastShown_; block = block.next()) {
    if (again || block.userState() != kChecked) check(block);
  }
}

// The changed blocks in view are checked now; those out of view lose their underlines until
// they show, which costs them no layout and no look at their text.
void QtSpellHighlighter::contentsChanged(int from, int, int added) {
  QTextBlock block = document_->findBlock(from);
  const QTextBlock end = document_->findBlock(from + added);
  const int last = end.isValid() ? end.blockNumber() : document_->blockCount() - 1;
  for (int number = block.blockNumber(); block.isValid() && number <= last;
       block = block.next(), ++number) {
    if (isShown(number)) {
      check(block);
    } else if (block.userState() == kChecked) {  // a checked block has its layout
      block.setUserState(kUnchecked);
      setUnderlines(block, {});
    }
  }
}

void QtSpellHighlighter::check(QTextBlock& block) {
  block.setUserState(kChecked);
  setUnderlines(block, underlines(block.text()));
}

QList<QTextLayout::FormatRange> QtSpellHighlighter::underlines(const QString& text) {
  QList<QTextLayout::FormatRange> ranges;
  if (!dictionary_.loaded()) return ranges;
  static const QRegularExpression word(QStringLiteral("\\p{L}+(?:['\u2019]\\p{L}+)*"));
  for (const Span& span : proseSpans(text)) {
    // A span ends at a quote, a "/" or the line's end, which no word runs across.
    for (auto it = word.globalMatch(text, span.start); it.hasNext();) {
      QRegularExpressionMatch match = it.next();
      qsizetype start = match.capturedStart();
      if (start >= span.start + span.length) break;
      qsizetype length = match.capturedLength();
      if (!worthChecking(text, start, length)) continue;
      if (!dictionary_.knows(match.captured()))
        ranges.push_back({static_cast<int>(start), static_cast<int>(length), misspelt_});
    }
  }
  return ranges;
}

// The underlines become the formats of the block's layout; an input method's formats of the
// text it is composing stay, and the underlines after it move past it. Unchanged underlines
// leave the layout as it is.
void QtSpellHighlighter::setUnderlines(QTextBlock& block, QList<QTextLayout::FormatRange> ranges) {
  QTextLayout* layout = block.layout();
  const int composing = layout->preeditAreaPosition();
  const int composed = static_cast<int>(layout->preeditAreaText().size());
  if (composed > 0) {
    for (QTextLayout::FormatRange& range : ranges) {
      if (range.start >= composing)
        range.start += composed;
      else if (range.start + range.length > composing)
        range.length += composed;
    }
    for (const QTextLayout::FormatRange& range : layout->formats())
      if (range.start >= composing && range.start + range.length <= composing + composed)
        ranges.push_back(range);
  }
  if (ranges == layout->formats()) return;
  layout->setFormats(ranges);
  document_->markContentsDirty(block.position(), block.length());
}

}  // namespace vorline
