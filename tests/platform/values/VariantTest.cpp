// The platform's boxed value: its type codes and conversions, as the glue and the window read them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/values/Variant.h"

namespace vorline {
namespace {

class Folder : public ScriptObject {
 public:
  std::string typeName() const override { return "FolderItem"; }
};

TEST(Variant, TypeCodes) {
  EXPECT_EQ(Variant().type(), 0);
  EXPECT_EQ(Variant::Integer(1).type(), 2);
  EXPECT_EQ(Variant::Int64(1).type(), 3);
  EXPECT_EQ(Variant::UInt64(1).type(), 3);
  EXPECT_TRUE(Variant::UInt64(1).isUnsigned());
  EXPECT_EQ(Variant::Single(1).type(), 4);
  EXPECT_EQ(Variant::Double(1).type(), 5);
  EXPECT_EQ(Variant::String("").type(), 8);
  EXPECT_EQ(Variant::Object(std::make_shared<Folder>()).type(), 9);
  EXPECT_EQ(Variant::Boolean(true).type(), 11);
  EXPECT_TRUE(Variant::Object(nullptr).isNil());
}

TEST(Variant, ToText) {
  EXPECT_EQ(Variant::Integer(-42).toString(), "-42");
  EXPECT_EQ(Variant::UInt64(std::numeric_limits<uint64_t>::max()).toString(),
            "18446744073709551615");
  EXPECT_EQ(Variant::Double(0.1 + 0.2).toString(), "0.3");
  EXPECT_EQ(Variant::Single(0.1f).toString(), "0.1");
  EXPECT_EQ(Variant::Boolean(false).toString(), "False");
  EXPECT_EQ(Variant().toString(), "");
  EXPECT_EQ(Variant::Object(std::make_shared<Folder>()).toString(), "FolderItem");
}

TEST(Variant, ToNumbers) {
  EXPECT_EQ(Variant::String("12abc").toDouble(), 12);
  EXPECT_EQ(Variant::String("abc").toDouble(), 0);
  EXPECT_EQ(Variant::Double(-2.9).toInt64(), -2);
  EXPECT_EQ(Variant::Double(1e300).toInt64(), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(Variant::Double(std::nan("")).toInt64(), 0);
  EXPECT_EQ(Variant::Int64(-1).toUInt64(), std::numeric_limits<uint64_t>::max());
  EXPECT_EQ(Variant::UInt64(std::numeric_limits<uint64_t>::max()).toDouble(),
            18446744073709551615.0);
  EXPECT_EQ(Variant::Boolean(true).toDouble(), 1);
  EXPECT_EQ(Variant().toDouble(), 0);
}

TEST(Variant, ToBoolean) {
  EXPECT_TRUE(Variant::String("TRUE").toBoolean());
  EXPECT_FALSE(Variant::String("yes").toBoolean());
  EXPECT_TRUE(Variant::Double(0.5).toBoolean());
  EXPECT_FALSE(Variant::Integer(0).toBoolean());
  EXPECT_FALSE(Variant().toBoolean());
}

}  // namespace
}  // namespace vorline
