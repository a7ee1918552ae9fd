// Design blocks: their byte form and the reading of their values.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/PropertyBlock.h"

namespace vorline {
namespace {

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

TEST(PropertyBlock, EncodesEachTypeLittleEndianAfterItsNameAndABlank) {
  EXPECT_EQ(PropertyBlock({{"Source", std::string()}}).encode(), "Source " + bytes({0, 0, 0, 0}));
  EXPECT_EQ(PropertyBlock({{"Period", int64_t{300}}}).encode(),
            "Period " + bytes({0x2C, 1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(PropertyBlock({{"Visible", false}}).encode(), "Visible " + bytes({0}));
  EXPECT_EQ(PropertyBlock({{"TextSize", 12.0f}}).encode(), "TextSize " + bytes({0, 0, 0x40, 0x41}));
  EXPECT_EQ(PropertyBlock({{"LineSpacing", 1.0}}).encode(),
            "LineSpacing " + bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
  EXPECT_EQ(PropertyBlock({{"BackColor", Color{0x11, 0x22, 0x33, 0}}}).encode(),
            "BackColor " + bytes({0x33, 0x22, 0x11, 0}));
  EXPECT_EQ(PropertyBlock({{"TextUnit", EnumValue{0}}}).encode(), "TextUnit " + bytes({0}));
  EXPECT_EQ(PropertyBlock({{"Index", int64_t{-2147483648LL}}}).encode(),
            "Index " + bytes({0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(PropertyBlock({{"Title", std::string("untitled.vrl")}}).encode().size(), 22u);
}

TEST(PropertyBlock, TheBlocksOfATimerAndAnEngineHaveTheirKnownSizes) {
  PropertyBlock timer{{"Period", int64_t{300}}, {"Mode", int64_t{0}}};
  PropertyBlock engine{{"Source", std::string()}};
  EXPECT_EQ(timer.encode().size(), 28u);
  EXPECT_EQ(engine.encode().size(), 11u);
}

TEST(PropertyBlock, FindGivesTheLastValueOfAName) {
  PropertyBlock block{{"Width", int64_t{1}}, {"Height", int64_t{2}}, {"Width", int64_t{3}}};
  ASSERT_NE(block.find("Width"), nullptr);
  EXPECT_EQ(designInt(*block.find("Width")), 3);
  EXPECT_EQ(block.find("Depth"), nullptr);
}

TEST(PropertyBlock, ReadingAValueAsAnotherTypeGivesTheFallback) {
  DesignValue text = std::string("Monaco");
  EXPECT_EQ(designInt(text, 7), 7);
  EXPECT_TRUE(designBool(text, true));
  EXPECT_EQ(designString(DesignValue{int64_t{5}}), "");
  EXPECT_EQ(designNumber(DesignValue{int64_t{5}}), 5.0);
  EXPECT_EQ(designInt(DesignValue{EnumValue{2}}), 2);
}

}  // namespace
}  // namespace vorline
