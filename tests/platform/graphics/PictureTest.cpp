#include <gtest/gtest.h>

#include "platform/graphics/Picture.h"
#include "platform/values/RuntimeException.h"

namespace vorline {
namespace {

const Color kWhite{255, 255, 255, 0};
const Color kRed{255, 0, 0, 0};
const Color kBlue{0, 0, 255, 0};

class PictureTest : public ::testing::Test {
 protected:
  Picture pic{40, 30};
  Graphics& g = pic.Graphics();

  int countColoured(const Color& c) {
    int n = 0;
    for (int y = 0; y < pic.Height(); ++y)
      for (int x = 0; x < pic.Width(); ++x) n += pic.Pixel(x, y) == c;
    return n;
  }
};

TEST_F(PictureTest, StartsWhiteWithABlackOnePixelPen) {
  EXPECT_EQ(countColoured(kWhite), 40 * 30);
  EXPECT_EQ(g.ForeColor, (Color{0, 0, 0, 0}));
  EXPECT_EQ(g.PenWidth, 1);
  EXPECT_EQ(&pic.Graphics(), &g);  // one context, one pen, for the picture's lifetime
}

TEST_F(PictureTest, FillRectCoversExactlyItsPixels) {
  g.ForeColor = kRed;
  g.FillRect(2, 3, 4, 5);
  EXPECT_EQ(countColoured(kRed), 20);
  EXPECT_EQ(pic.Pixel(2, 3), kRed);
  EXPECT_EQ(pic.Pixel(5, 7), kRed);
  EXPECT_EQ(pic.Pixel(6, 7), kWhite);
  EXPECT_EQ(pic.Pixel(5, 8), kWhite);
}

TEST_F(PictureTest, DrawRectOutlinesInsideTheRectangleWithThePen) {
  g.ForeColor = kBlue;
  g.DrawRect(5, 5, 10, 8);
  EXPECT_EQ(countColoured(kBlue), 2 * 10 + 2 * 6);
  EXPECT_EQ(pic.Pixel(14, 12), kBlue);
  EXPECT_EQ(pic.Pixel(10, 9), kWhite);
  g.PenWidth = g.PenHeight = 2;
  g.DrawRect(20, 5, 10, 8);
  EXPECT_EQ(pic.Pixel(21, 6), kBlue);
  EXPECT_EQ(pic.Pixel(22, 7), kWhite);
}

TEST_F(PictureTest, OvalsStayInsideTheirRectangle) {
  g.ForeColor = kRed;
  g.FillOval(0, 0, 20, 20);
  EXPECT_EQ(pic.Pixel(10, 10), kRed);
  EXPECT_EQ(pic.Pixel(0, 0), kWhite);
  EXPECT_EQ(pic.Pixel(19, 19), kWhite);
  for (int y = 0; y < 30; ++y)
    for (int x = 20; x < 40; ++x) ASSERT_EQ(pic.Pixel(x, y), kWhite);
  g.ForeColor = kBlue;
  g.DrawOval(20, 0, 20, 20);
  EXPECT_EQ(pic.Pixel(30, 10), kWhite);  // an outline only
  EXPECT_EQ(pic.Pixel(30, 0), kBlue);    // touching the top edge
  EXPECT_EQ(pic.Pixel(20, 10), kBlue);   // and the left edge
  EXPECT_EQ(pic.Pixel(20, 0), kWhite);   // not the corner
}

TEST_F(PictureTest, LinesIncludeBothEndsAndTakeThePenWidth) {
  g.ForeColor = kRed;
  g.DrawLine(1, 1, 5, 1);
  EXPECT_EQ(countColoured(kRed), 5);
  g.DrawLine(-1e15, 20, 1e15, 20);  // far ends are cut, the course stays
  for (int x = 0; x < 40; ++x) ASSERT_EQ(pic.Pixel(x, 20), kRed) << x;
  g.PenWidth = 3;
  g.DrawLine(10, 10, 30, 10);
  EXPECT_EQ(pic.Pixel(20, 9), kRed);
  EXPECT_EQ(pic.Pixel(20, 11), kRed);
}

TEST_F(PictureTest, ClearRectWhitensAndFarCoordinatesAreHarmless) {
  g.ForeColor = kRed;
  g.FillRect(-1e18, -1e18, 2e18, 2e18);
  EXPECT_EQ(countColoured(kRed), 40 * 30);
  g.ClearRect(0, 0, 40, 30);
  EXPECT_EQ(countColoured(kWhite), 40 * 30);
  g.FillOval(-1e12, -1e12, 2e12, 2e12);
  g.DrawOval(-5, -5, 0, -3);
  g.FillRect(10, 10, -5, 5);
}

TEST(PictureSize, RefusedSizesRaise) {
  EXPECT_THROW(Picture(0, 10), RuntimeException);
  EXPECT_THROW(Picture(10, -1), RuntimeException);
  EXPECT_THROW(Picture(100000, 100000), RuntimeException);
  EXPECT_THROW(Picture(10, 10, 8), RuntimeException);
  EXPECT_THROW(Picture(10, 10).Pixel(10, 0), RuntimeException);
}

}  // namespace
}  // namespace vorline
