// IsScriptReservedWord: the reserved words in any letter case, and nothing else.
#include <gtest/gtest.h>

#include <string>

#include "platform/script/ScriptLanguage.h"

namespace vorline {
namespace {

TEST(ReservedWords, AreReservedInAnyCase) {
  for (const char* word :
       {"and", "AND", "As", "continue", "CONTINUE", "Dim", "elseif", "ElseIf", "function",
        "FUNCTION", "if", "iF", "mod", "nil", "Redim", "WEND", "xor"})
    EXPECT_TRUE(IsScriptReservedWord(word)) << word;
}

TEST(ReservedWords, OtherWordsAreNot) {
  for (const char* word :
       {"",          "a",       "x",      "an",     "ands", "en",  "ends", "endif",  "functions",
        "continuex", "elseiff", "v1",     "ans",    "s2",   "to",  "Step", "downto", "in",
        "is",        "until",   "double", "string", "@nd",  "AN[", "i_f"})
    EXPECT_FALSE(IsScriptReservedWord(word)) << word;
}

// Words with other characters go by the letter-case rules of the text operations: the long s
// folds to 's'.
TEST(ReservedWords, NonAsciiWordsFoldByTheTextRules) {
  EXPECT_TRUE(IsScriptReservedWord("\xc5\xbfub"));
  EXPECT_FALSE(IsScriptReservedWord("\xc5\xbftep"));
  EXPECT_FALSE(IsScriptReservedWord("ifé"));
  EXPECT_FALSE(IsScriptReservedWord("Größe"));
}

}  // namespace
}  // namespace vorline
