// The symbol table: one symbol per name whichever way it comes in, across the table's growth, and
// names and spellings that stay put once handed out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/script/Lexer.h"
#include "platform/script/SymbolTable.h"

namespace vorline::script {
namespace {

Sym lexedSymbol(SymbolTable& symbols, std::string_view source) {
  std::vector<std::string> strings;
  std::vector<Token> tokens = Lexer(source, symbols, strings).tokenize();
  return tokens.at(0).id;
}

TEST(SymbolTable, EveryWayInFindsTheSameSymbol) {
  const std::vector<std::pair<std::string, std::string>> names = {
      {"Str", "str"},
      {"UBound", "ubound"},
      {"AbcdefgHI", "abcdefghi"},
      {std::string(70, 'Q'), std::string(70, 'q')},
      {"Größe", "größe"},
  };
  for (const auto& [spelling, lower] : names) {
    SymbolTable symbols;
    const Sym s = lexedSymbol(symbols, spelling);
    EXPECT_EQ(symbols.intern(spelling), s) << spelling;
    EXPECT_EQ(symbols.intern(lower), s) << spelling;
    EXPECT_EQ(symbols.intern(lower, "other"), s) << spelling;
    EXPECT_EQ(symbols.intern(lower, SymbolTable::hashName(lower), "other"), s) << spelling;
    EXPECT_EQ(symbols.lower(s), lower);
    EXPECT_EQ(symbols.spelling(s), spelling);
  }
}

TEST(SymbolTable, ReservedAndContextWordsHaveTheirSymbols) {
  SymbolTable symbols;
  EXPECT_EQ(symbols.intern("And"), kSymAnd);
  EXPECT_EQ(symbols.intern("XOR"), kSymXor);
  EXPECT_EQ(symbols.intern("to"), kSymTo);
  EXPECT_EQ(symbols.intern("Until"), kSymUntil);
  EXPECT_TRUE(symbols.isReserved(kSymXor));
  EXPECT_FALSE(symbols.isReserved(kSymTo));
  EXPECT_EQ(symbols.intern("x"), kSymFirstFree);
  EXPECT_EQ(symbols.spelling(kSymElseIf), "elseif");
}

TEST(SymbolTable, EmptyNameIsANameOfItsOwn) {
  SymbolTable symbols;
  const Sym empty = symbols.intern("");
  EXPECT_EQ(symbols.intern(""), empty);
  EXPECT_EQ(symbols.intern(std::string_view()), empty);
  EXPECT_NE(symbols.intern("a"), empty);
  EXPECT_EQ(symbols.lower(empty), "");
}

// Names of one to twenty bytes, some alike but for their last bytes, keep their symbols while the
// table grows many times over.
TEST(SymbolTable, NamesKeepTheirSymbolsAsTheTableGrows) {
  SymbolTable symbols;
  std::vector<std::string> names;
  std::vector<Sym> ids;
  for (int i = 0; i < 6000; ++i) {
    std::string name = "N" + std::to_string(i);
    name += std::string(static_cast<size_t>(i % 13), 'x');
    names.push_back(name);
    ids.push_back(symbols.intern(name));
  }
  for (size_t i = 0; i < names.size(); ++i) {
    std::string upper = names[i];
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_EQ(symbols.intern(upper), ids[i]) << names[i];
    ASSERT_EQ(symbols.spelling(ids[i]), names[i]);
    ASSERT_EQ(symbols.lower(ids[i]), "n" + names[i].substr(1));
  }
}

TEST(SymbolTable, NamesAndSpellingsHandedOutStayValid) {
  SymbolTable symbols;
  const Sym first = symbols.intern("First");
  const std::string& lower = symbols.lower(first);
  const std::string& spelling = symbols.spelling(first);
  for (int i = 0; i < 20000; ++i) symbols.lower(symbols.intern("name" + std::to_string(i)));
  EXPECT_EQ(lower, "first");
  EXPECT_EQ(spelling, "First");
  EXPECT_EQ(&symbols.lower(first), &lower);
}

}  // namespace
}  // namespace vorline::script
