// Spelling checked as the user types, where prose stands: words the dictionary does not know
// get the desktop's spelling underline in comment lines and inside string literals; names,
// keywords, numbers and a run's results are code and never underlined. It only formats what
// shows, and checks a block when it shows; the text never changes. The underlines are the
// additional formats of the blocks' layouts, as a syntax highlighter's; unlike one, a change
// costs nothing for the blocks out of view (a run's rebuild changes lines all over the pad).
#pragma once

#include <QObject>
#include <QPointer>
#include <QTextCharFormat>
#include <QTextLayout>
#include <limits>
#include <vector>

class QTextBlock;
class QTextDocument;

namespace vorline {

class QtSpellDictionary;

class QtSpellHighlighter : public QObject {
 public:
  // Underlines the document's words from now on (a child of the document).
  QtSpellHighlighter(QTextDocument* document, QtSpellDictionary& dictionary);
  // Takes its underlines off the document.
  ~QtSpellHighlighter() override;

  // A stretch of a line: its start and length.
  struct Span {
    qsizetype start;
    qsizetype length;
    bool operator==(const Span&) const = default;
  };
  // Where a line of the pad holds prose: the whole of a comment line (its first character
  // after blanks "#" or "--"), else the inside of each string literal; never what follows
  // "//", where a run puts its results.
  static std::vector<Span> proseSpans(const QString& text);
  // Whether a word of prose is one to check: words of letters (an apostrophe inside), not
  // single letters, not names written in mixed case (plotXMax) or all capitals (PI), not part
  // of a name or number with digits, "_", "$", "#", "%" or "@" (x2, my_var, $1, @wend), not a
  // function's name before its "(", and not part of a file name or path (notes.txt, data/x).
  static bool worthChecking(const QString& text, qsizetype start, qsizetype length);

  // Blocks are checked lazily: one outside the shown range is left unchecked until it shows.
  // The text area tells the range of block numbers on screen (its viewport) and calls
  // checkShown() when it changes; a block changed while shown is checked at once. Until a
  // range is set (a document without a view), every block counts as shown.
  void setShownBlocks(int first, int last);
  void checkShown();
  // Checks every shown block again, checked or not.
  void rehighlight();

 private:
  // A block's user state: whether its underlines are those of its text.
  enum BlockState { kUnchecked = -1, kChecked = 1 };
  void checkShownBlocks(bool again);
  void contentsChanged(int from, int removed, int added);
  bool isShown(int blockNumber) const {
    return blockNumber >= firstShown_ && blockNumber <= lastShown_;
  }
  void check(QTextBlock& block);
  QList<QTextLayout::FormatRange> underlines(const QString& text);
  void setUnderlines(QTextBlock& block, QList<QTextLayout::FormatRange> ranges);

  QPointer<QTextDocument> document_;
  QtSpellDictionary& dictionary_;
  QTextCharFormat misspelt_;
  int firstShown_ = 0;
  int lastShown_ = std::numeric_limits<int>::max();
};

}  // namespace vorline
