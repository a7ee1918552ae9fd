// The spelling underline's lazy check: a block is checked when it shows or when it changes in
// view; a block that changes out of view loses its underlines until it shows again, so an
// underline never stands on text it was not found in.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <vector>

#include "platform/qt/QtSpellDictionary.h"
#include "platform/qt/QtSpellHighlighter.h"
#include "platform/qt/TestDictionary.h"

namespace vorline::qttest {
namespace {

class SpellCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dictionary->loaded());
    document.documentLayout();  // as an editor's: a document without one tells no changes
    highlighter = new QtSpellHighlighter(&document, *dictionary);
  }

  // The underlined words of a block, in order.
  std::vector<QString> underlined(int blockNumber) {
    QTextBlock block = document.findBlockByNumber(blockNumber);
    std::vector<QString> words;
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
      if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
        words.push_back(block.text().mid(range.start, range.length));
    return words;
  }

  // Types `text` at the end of a block, as the user would.
  void appendTo(int blockNumber, const QString& text) {
    QTextCursor cursor(document.findBlockByNumber(blockNumber));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(text);
  }

  using Words = std::vector<QString>;
  TestDictionary dictionary{"3\nthe\ncat\ndog\n"};
  QTextDocument document;
  QtSpellHighlighter* highlighter = nullptr;  // the document's child
};

TEST_F(SpellCheckTest, ABlockOutOfViewIsCheckedWhenItShows) {
  highlighter->setShownBlocks(0, 0);
  document.setPlainText("# teh cat\n# teh dog");
  EXPECT_EQ(underlined(0), Words{"teh"});
  EXPECT_EQ(underlined(1), Words{});
  highlighter->setShownBlocks(1, 1);
  highlighter->checkShown();
  EXPECT_EQ(underlined(1), Words{"teh"});
}

TEST_F(SpellCheckTest, ABlockChangedInViewIsCheckedAtOnce) {
  document.setPlainText("# the cat\n# a dog");
  EXPECT_EQ(underlined(1), Words{});
  appendTo(1, " barkd");
  EXPECT_EQ(underlined(0), Words{});
  EXPECT_EQ(underlined(1), Words{"barkd"});
}

TEST_F(SpellCheckTest, ABlockChangedOutOfViewLosesItsUnderlinesUntilItShows) {
  document.setPlainText("# teh cat\n# teh dog\n# teh");
  highlighter->setShownBlocks(0, 0);
  appendTo(1, " cta");
  appendTo(2, " dgo");
  EXPECT_EQ(underlined(0), Words{"teh"});
  EXPECT_EQ(underlined(1), Words{});
  EXPECT_EQ(underlined(2), Words{});
  highlighter->setShownBlocks(1, 2);
  highlighter->checkShown();
  EXPECT_EQ(underlined(1), (Words{"teh", "cta"}));
  EXPECT_EQ(underlined(2), (Words{"teh", "dgo"}));
}

// A program's write changes lines all over the document in one edit block.
TEST_F(SpellCheckTest, OneEditOfManyBlocksChecksThoseInView) {
  document.setPlainText("# the\n# the\n# the");
  highlighter->setShownBlocks(0, 1);
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  for (int block : {2, 0}) {
    cursor.setPosition(document.findBlockByNumber(block).position() + 5);
    cursor.insertText(" cta");
  }
  cursor.endEditBlock();
  EXPECT_EQ(underlined(0), Words{"cta"});
  EXPECT_EQ(underlined(1), Words{});
  EXPECT_EQ(underlined(2), Words{});
  highlighter->setShownBlocks(2, 2);
  highlighter->checkShown();
  EXPECT_EQ(underlined(2), Words{"cta"});
}

TEST_F(SpellCheckTest, TheUnderlinesGoWithTheHighlighter) {
  document.setPlainText("# teh\n# cta");
  delete highlighter;
  EXPECT_EQ(underlined(0), Words{});
  EXPECT_EQ(underlined(1), Words{});
  EXPECT_EQ(document.toPlainText(), "# teh\n# cta");
}

// The text an input method is composing shows inside the block's layout, with the input
// method's own formats: they stay, and an underline after it moves past it.
TEST_F(SpellCheckTest, ComposedTextKeepsItsFormatsAndTheUnderlinesMovePastIt) {
  document.setPlainText("# teh");
  QTextLayout* layout = document.firstBlock().layout();
  QTextCharFormat composing;
  composing.setUnderlineStyle(QTextCharFormat::SingleUnderline);
  layout->setPreeditArea(2, "zz");
  layout->setFormats({{2, 2, composing}});
  highlighter->rehighlight();
  const QList<QTextLayout::FormatRange> formats = layout->formats();
  ASSERT_EQ(formats.size(), 2);
  EXPECT_EQ(formats[0].start, 4);
  EXPECT_EQ(formats[0].length, 3);
  EXPECT_EQ(formats[0].format.underlineStyle(), QTextCharFormat::SpellCheckUnderline);
  EXPECT_EQ(formats[1], (QTextLayout::FormatRange{2, 2, composing}));
}

}  // namespace
}  // namespace vorline::qttest
