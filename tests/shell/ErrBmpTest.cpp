// The error badge's picture: a 48 x 18 black sign on white, its sign within the 42 columns
// that the badge shows.
#include <gtest/gtest.h>

#include <QImage>

namespace vorline {
namespace {

TEST(ErrBmp, IsABlackSignOnWhiteThatFitsTheBadge) {
  QImage image(QStringLiteral(VORLINE_RESOURCES_DIR "/err.bmp"));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 48);
  EXPECT_EQ(image.height(), 18);
  int black = 0;
  int outside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      QRgb p = image.pixel(x, y);
      bool isBlack = p == qRgb(0, 0, 0);
      ASSERT_TRUE(isBlack || p == qRgb(255, 255, 255)) << "pixel " << x << "," << y;
      black += isBlack;
      outside += isBlack && x >= 42;
    }
  }
  EXPECT_GT(black, 100);
  EXPECT_LT(black, 48 * 18 / 2);
  EXPECT_EQ(outside, 0);
}

}  // namespace
}  // namespace vorline
