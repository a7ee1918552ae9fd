// Spelling checked as the user types: words the dictionary does not know get the desktop's
// spelling underline. It only formats what shows; the text never changes.
#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace vorline {

class QtSpellDictionary;

class QtSpellHighlighter : public QSyntaxHighlighter {
public:
  QtSpellHighlighter(QTextDocument* document, QtSpellDictionary& dictionary);

  // Whether a word of the pad is one to check: words of letters (an apostrophe inside), not
  // single letters, not names written in mixed case (plotXMax) or all capitals (PI), and not
  // part of a name or number with digits, "_", "$", "#", "%" or "@" (x2, my_var, $1, @wend),
  // and not a function's name before its "(".
  static bool worthChecking(const QString& text, qsizetype start, qsizetype length);

protected:
  void highlightBlock(const QString& text) override;

private:
  QtSpellDictionary& dictionary_;
  QTextCharFormat misspelt_;
};

}  // namespace vorline
