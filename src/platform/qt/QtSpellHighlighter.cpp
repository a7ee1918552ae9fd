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
    : QSyntaxHighlighter(document), dictionary_(dictionary) {
  misspelt_.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
  misspelt_.setUnderlineColor(Qt::red);
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

void QtSpellHighlighter::checkShown() {
  QTextDocument* doc = document();
  if (!doc) return;
  for (QTextBlock block = doc->findBlockByNumber(firstShown_);
       block.isValid() && block.blockNumber() <= lastShown_; block = block.next()) {
    if (block.userState() != kChecked) rehighlightBlock(block);
  }
}

// A whole new text (a run's rebuilt pad) changes every block; only the shown ones cost a check.
void QtSpellHighlighter::highlightBlock(const QString& text) {
  const int number = currentBlock().blockNumber();
  if (number < firstShown_ || number > lastShown_) {
    setCurrentBlockState(kUnchecked);
    return;
  }
  setCurrentBlockState(kChecked);
  checkWords(text);
}

void QtSpellHighlighter::checkWords(const QString& text) {
  if (!dictionary_.loaded()) return;
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
        setFormat(static_cast<int>(start), static_cast<int>(length), misspelt_);
    }
  }
}

}  // namespace vorline
