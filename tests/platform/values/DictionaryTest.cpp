#include <gtest/gtest.h>

#include <string>

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
  d.Remove("y");
  ASSERT_EQ(d.Count(), 3);
  EXPECT_EQ(d.Key(0), "ans");
  EXPECT_EQ(d.Key(1), "x");
  EXPECT_EQ(d.ValueAt(1).stringValue(), "replaced");
  EXPECT_EQ(d.Key(2), "z");
  EXPECT_EQ(d.Value("Z").int64Value(), 0);  // the index still finds entries after the removal
}

TEST(Dictionary, MissingKeysAndIndexesAreRuntimeErrors) {
  Dictionary d;
  d.SetValue("a", Variant::Int64(1));
  EXPECT_THROW(d.Value("b"), RuntimeException);
  EXPECT_THROW(d.Remove("b"), RuntimeException);
  EXPECT_THROW(d.Key(1), RuntimeException);
  EXPECT_THROW(d.ValueAt(-1), RuntimeException);
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

}  // namespace
}  // namespace vorline
