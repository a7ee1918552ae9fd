// The shipped prefix: plot draws the curve with both axes into a 400 x 300 view, and the plot
// settings live in the memory, where a pad's value wins over the defaults.
#include <cmath>
#include <fstream>
#include <sstream>

#include "platform/graphics/Picture.h"
#include "window/WindowFixture.h"

namespace vorline {
namespace {

const Color kAxis{0, 0, 0, 0};
const Color kCurve{0, 0, 255, 0};

class Plot : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    std::ifstream in(VORLINE_RESOURCES_DIR "/prefix.vrl");
    std::string line;
    while (std::getline(in, line)) Globals::prefixSource += line + "\n";
    ASSERT_FALSE(Globals::prefixSource.empty());
  }
  std::shared_ptr<Picture> view() { return window().lastShownView; }
  double setting(const char* name) { return memory(name).toDouble(); }
};

TEST_F(Plot, SineCrossesTheCentreAndPeaksNearHalfPi) {
  EXPECT_EQ(run("plot sin(plotX)"), "plot sin(plotX)");
  ASSERT_TRUE(platform.messages().empty()) << platform.messages()[0];
  std::shared_ptr<Picture> v = view();
  ASSERT_TRUE(v);
  EXPECT_EQ(v->Width(), 400);
  EXPECT_EQ(v->Height(), 300);
  EXPECT_EQ(v->Pixel(200, 150), kCurve) << "sin 0 = 0 at the centre";
  EXPECT_EQ(v->Pixel(200, 20), kAxis) << "the y axis";
  EXPECT_EQ(v->Pixel(20, 150), kAxis) << "the x axis";
  // x = pi/2 lies at column 231.4, y = 1 at row 135.
  int64_t column = std::lround((M_PI / 2 + 10) / 20 * 400);
  bool peak = false;
  for (int64_t row = 133; row <= 136; ++row) peak = peak || v->Pixel(column, row) == kCurve;
  EXPECT_TRUE(peak);
  EXPECT_EQ(v->Pixel(column, 160), Color({255, 255, 255, 0})) << "nothing below the peak";
}

TEST_F(Plot, TickMarksCrossTheAxes) {
  run("plot 20");
  std::shared_ptr<Picture> v = view();
  ASSERT_TRUE(v);
  // Ten steps: a mark every 40 pixels along the x axis, two pixels above and below it.
  EXPECT_EQ(v->Pixel(40, 148), kAxis);
  EXPECT_EQ(v->Pixel(40, 152), kAxis);
  EXPECT_EQ(v->Pixel(60, 148), Color({255, 255, 255, 0}));
  EXPECT_EQ(v->Pixel(198, 30), kAxis);
}

TEST_F(Plot, DefaultsAreKeptAndAPadsValueWins) {
  run("1");
  EXPECT_EQ(setting("plotXMax"), 10);
  EXPECT_EQ(setting("plotXMin"), -10);
  EXPECT_EQ(setting("plotXStep"), 400);
  run("plotXMin = 0\nplot plotX");
  EXPECT_EQ(view()->Pixel(0, 150), kCurve) << "x = 0 is now the left edge";
  run("plot plotX");
  EXPECT_EQ(setting("plotXMin"), 0) << "the stored value wins over the default";
  EXPECT_EQ(view()->Pixel(0, 150), kCurve);
  app.MenuItemChosen("mnuCalculatorReset");
  run("plot plotX");
  EXPECT_EQ(setting("plotXMin"), -10);
  EXPECT_EQ(view()->Pixel(200, 150), kCurve);
}

TEST_F(Plot, AwkwardCurvesDrawWithoutErrors) {
  run("plot tan(plotX)\nplot sqrt(plotX)\nplot 1/plotX\nplot log(plotX)");
  EXPECT_TRUE(platform.messages().empty()) << platform.messages()[0];
  run("plotYMax = -20\nplot plotX");
  EXPECT_TRUE(platform.messages().empty()) << platform.messages()[0];
}

}  // namespace
}  // namespace vorline
