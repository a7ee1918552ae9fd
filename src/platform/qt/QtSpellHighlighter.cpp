#include "platform/qt/QtSpellHighlighter.h"

#include <QRegularExpression>

#include "platform/qt/QtSpellDictionary.h"

namespace vorline {
namespace {

bool joinsName(QChar c) {
  return c.isLetterOrNumber() || c == '_' || c == '$' || c == '#' || c == '%' || c == '@';
}

}  // namespace

QtSpellHighlighter::QtSpellHighlighter(QTextDocument* document, QtSpellDictionary& dictionary)
    : QSyntaxHighlighter(document), dictionary_(dictionary) {
  misspelt_.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
  misspelt_.setUnderlineColor(Qt::red);
}

bool QtSpellHighlighter::worthChecking(const QString& text, qsizetype start, qsizetype length) {
  if (length < 2) return false;
  if (start > 0 && joinsName(text.at(start - 1))) return false;
  if (start + length < text.size()) {
    QChar next = text.at(start + length);
    if (joinsName(next) || next == '(') return false;  // a name or a function call
  }
  for (qsizetype i = start + 1; i < start + length; ++i)
    if (text.at(i).isUpper()) return false;
  return true;
}

void QtSpellHighlighter::highlightBlock(const QString& text) {
  if (!dictionary_.loaded()) return;
  static const QRegularExpression word(QStringLiteral("\\p{L}+(?:['\u2019]\\p{L}+)*"));
  for (auto it = word.globalMatch(text); it.hasNext();) {
    QRegularExpressionMatch match = it.next();
    qsizetype start = match.capturedStart();
    qsizetype length = match.capturedLength();
    if (!worthChecking(text, start, length)) continue;
    if (!dictionary_.knows(match.captured())) setFormat(static_cast<int>(start), static_cast<int>(length), misspelt_);
  }
}

}  // namespace vorline
