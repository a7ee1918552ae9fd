#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "platform/values/Dictionary.h"
#include "platform/values/RuntimeException.h"

namespace vorline {
namespace {

TEST(Dictionary, KeysIgnoreLetterCaseAndKeepFirstSpelling) {
  Dictionary d;
  d.SetValue("Total", Variant::Int64(1));
  d.SetValue("TOTAL", Variant::Double(2.5));
  ASSERT_EQ(d.Count(), 1);
  EXPECT_TRUE(d.HasKey("total"));
  EXPECT_EQ(d.Key(0), "Total");
  EXPECT_EQ(d.Value("tOtAl").type(), Variant::TypeDouble);
  EXPECT_EQ(d.Value("total").doubleValue(), 2.5);
}

TEST(Dictionary, UnicodeLettersFoldLikeTheTextOperations) {
  Dictionary d;
  d.SetValue("Größe", Variant::Int64(1));
  d.SetValue("ΣΊΣΥΦΟΣ", Variant::Int64(2));
  EXPECT_TRUE(d.HasKey("GRÖSSE") == false);  // simple folding: ß is not "SS"
  EXPECT_TRUE(d.HasKey("GRÖßE"));
  EXPECT_TRUE(d.HasKey("σίσυφοσ"));
  EXPECT_EQ(d.Count(), 2);
}

TEST(Dictionary, InvalidBytesAreKeysOfTheirOwn) {
  Dictionary d;
  d.SetValue(std::string("a\xff"), Variant::Int64(1));
  d.SetValue(std::string("a\xfe"), Variant::Int64(2));
  EXPECT_EQ(d.Count(), 2);
  EXPECT_EQ(d.Value(std::string("A\xff")).int64Value(), 1);
}

TEST(Dictionary, EntriesKeepInsertionOrderAcrossReplacementAndRemoval) {
  Dictionary d;
  for (const char* k : {"ans", "x", "y", "z"}) d.SetValue(k, Variant::Int64(0));
  d.SetValue("X", Variant::String("replaced"));
  d.SetValueAt(3, Variant::Int64(4));
  d.Remove("y");
  ASSERT_EQ(d.Count(), 3);
  EXPECT_EQ(d.Key(0), "ans");
  EXPECT_EQ(d.Key(1), "x");
  EXPECT_EQ(d.ValueAt(1).stringValue(), "replaced");
  EXPECT_EQ(d.Key(2), "z");
  EXPECT_EQ(d.Value("Z").int64Value(), 4);  // the index still finds entries after the removal
}

TEST(Dictionary, MissingKeysAndIndexesAreRuntimeErrors) {
  Dictionary d;
  d.SetValue("a", Variant::Int64(1));
  EXPECT_THROW(d.Value("b"), RuntimeException);
  EXPECT_THROW(d.Remove("b"), RuntimeException);
  EXPECT_THROW(d.Key(1), RuntimeException);
  EXPECT_THROW(d.ValueAt(-1), RuntimeException);
  EXPECT_THROW(d.SetValueAt(1, Variant::Int64(2)), RuntimeException);
  EXPECT_EQ(d.Lookup("b", Variant::Int64(7)).int64Value(), 7);
}

TEST(Dictionary, ThousandsOfNamesStayFindable) {
  Dictionary d;
  for (int i = 0; i < 20000; ++i) d.SetValue("var" + std::to_string(i), Variant::Int64(i));
  ASSERT_EQ(d.Count(), 20000);
  for (int i = 0; i < 20000; i += 997) {
    EXPECT_EQ(d.Value("VAR" + std::to_string(i)).int64Value(), i);
    EXPECT_EQ(d.Key(i), "var" + std::to_string(i));
  }
  d.Clear();
  EXPECT_EQ(d.Count(), 0);
  EXPECT_FALSE(d.HasKey("var1"));
}

// Lookups settle equal bytes without folding; every other spelling must still fold.
TEST(Dictionary, LookupsFindEverySpellingOfMixedCaseAndNonAsciiKeys) {
  Dictionary d;
  const char* stored[] = {"MixedCase", "zähler", "Ωmega", "k_1", "a(1, 2)"};
  for (const char* key : stored) d.SetValue(key, Variant::String(key));
  const std::pair<const char*, const char*> spellings[] = {{"MixedCase", "MixedCase"},
                                                           {"mixedcase", "MixedCase"},
                                                           {"MIXEDCASE", "MixedCase"},
                                                           {"ZÄHLER", "zähler"},
                                                           {"Zähler", "zähler"},
                                                           {"ωMEGA", "Ωmega"},
                                                           {"K_1", "k_1"},
                                                           {"\u212A_1", "k_1"},
                                                           {"A(1, 2)", "a(1, 2)"}};
  for (const auto& [spelling, key] : spellings) {
    EXPECT_EQ(d.IndexOf(spelling), d.IndexOf(key)) << spelling;
    EXPECT_EQ(d.Value(spelling).stringValue(), key) << spelling;
  }
  for (const char* absent : {"MixedCas", "MixedCasee", "zahler", "k_2", "a(1,2)", ""})
    EXPECT_EQ(d.IndexOf(absent), -1) << absent;
}

bool startsWithK(std::string_view key) { return !key.empty() && (key[0] == 'k' || key[0] == 'K'); }

int testsRun = 0;
bool countedTest(std::string_view key) {
  ++testsRun;
  return key.size() > 1;
}

// KeyPasses keeps one verdict per entry and test; a verdict never outlives its entry.
TEST(Dictionary, KeyVerdictsAreWorkedOutOncePerEntryAndDieWithIt) {
  Dictionary d;
  d.SetValue("a", Variant::Int64(1));
  d.SetValue("kb", Variant::Int64(2));
  testsRun = 0;
  for (int round = 0; round < 3; ++round) {
    EXPECT_FALSE(d.KeyPasses(0, &countedTest));
    EXPECT_TRUE(d.KeyPasses(1, &countedTest));
  }
  EXPECT_EQ(testsRun, 2);
  // Another test is answered for itself, not from the first one's verdict.
  EXPECT_FALSE(d.KeyPasses(0, &startsWithK));
  EXPECT_TRUE(d.KeyPasses(1, &startsWithK));
  // Replacing a value keeps the entry and its verdict.
  d.SetValue("KB", Variant::Int64(3));
  EXPECT_TRUE(d.KeyPasses(1, &startsWithK));
  // An entry that takes the place of a removed one, or comes after a Clear, is asked anew.
  d.Remove("a");
  d.SetValue("k", Variant::Int64(4));
  EXPECT_TRUE(d.KeyPasses(0, &startsWithK));
  EXPECT_TRUE(d.KeyPasses(1, &startsWithK));
  testsRun = 0;
  EXPECT_FALSE(d.KeyPasses(1, &countedTest));
  EXPECT_EQ(testsRun, 1);
  d.Clear();
  d.SetValue("x", Variant::Int64(5));
  EXPECT_FALSE(d.KeyPasses(0, &startsWithK));
  EXPECT_THROW(d.KeyPasses(1, &startsWithK), RuntimeException);
}

TEST(Dictionary, SetValueWhereStoresOnlyWhatPassesAndKeepsTheVerdict) {
  Dictionary d;
  EXPECT_FALSE(d.SetValueWhere("x", Variant::Int64(1), &startsWithK));
  EXPECT_EQ(d.Count(), 0);
  testsRun = 0;
  EXPECT_TRUE(d.SetValueWhere("kx", Variant::Int64(1), &countedTest));
  EXPECT_TRUE(d.KeyPasses(0, &countedTest));
  EXPECT_EQ(testsRun, 1);
  EXPECT_TRUE(d.SetValueWhere("KX", Variant::Int64(2), &countedTest));
  ASSERT_EQ(d.Count(), 1);
  EXPECT_EQ(d.Key(0), "kx");
  EXPECT_EQ(d.ValueAt(0).int64Value(), 2);
}

// The bytes seen in keys rule bytes out of every key: a byte some key held is seen until Clear,
// even after that key goes; one no key held is never seen.
TEST(Dictionary, KeyBytesSeenCoverEveryKeyStoredSinceClear) {
  Dictionary d;
  d.SetValue("ab", Variant::Int64(1));
  d.SetValue("AB", Variant::Int64(2));  // the same key: its spelling is not stored
  EXPECT_TRUE(d.KeyByteSeen('a'));
  EXPECT_TRUE(d.KeyByteSeen('b'));
  EXPECT_FALSE(d.KeyByteSeen('A'));
  EXPECT_FALSE(d.KeyByteSeen('('));
  EXPECT_FALSE(d.NonAsciiKeyByteSeen());
  d.SetValue("x(1)", Variant::Int64(3));
  d.SetValue("\xC3\xA9", Variant::Int64(4));
  d.Remove("x(1)");
  EXPECT_TRUE(d.KeyByteSeen('('));
  EXPECT_TRUE(d.KeyByteSeen(0xC3));
  EXPECT_TRUE(d.NonAsciiKeyByteSeen());
  Dictionary copy = d;
  EXPECT_TRUE(copy.KeyByteSeen(')'));
  d.Clear();
  EXPECT_FALSE(d.KeyByteSeen('a'));
  EXPECT_FALSE(d.NonAsciiKeyByteSeen());
  EXPECT_FALSE(Dictionary().KeyByteSeen(0xFF));
}

}  // namespace
}  // namespace vorline
