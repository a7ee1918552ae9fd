// The drawing view, checked by reading the picture's pixels.
#include "glue/GlueTestSupport.h"
#include "platform/script/ScriptEngine.h"

namespace vorline::gluetest {
namespace {

using vorline::Color;

const Color kWhite{255, 255, 255, 0};
const Color kBlack{0, 0, 0, 0};
const Color kGreen{0, 200, 0, 0};

class GlueView : public GlueFixture {
 protected:
  Color px(int64_t x, int64_t y) { return glue.gCanvas->Pixel(x, y); }
  int count(const Color& c) {
    int n = 0;
    for (int64_t y = 0; y < glue.gCanvas->Height(); ++y)
      for (int64_t x = 0; x < glue.gCanvas->Width(); ++x) n += px(x, y) == c;
    return n;
  }
};

TEST_F(GlueView, EveryViewFunctionWithoutAViewDoesNothing) {
  int shown = 0;
  glue.onShowView = [&](const std::shared_ptr<vorline::Picture>& p) { shown += p ? 10 : 1; };
  glue.viewSetPenColor(1, 2, 3);
  glue.viewDrawPoint(1, 1);
  glue.viewSetPenSize(4);
  glue.viewDrawRectangle(0, 0, 5, 5);
  glue.viewDrawOval(0, 0, 5, 5);
  glue.viewFillRectangle(0, 0, 5, 5);
  glue.viewFillOval(0, 0, 5, 5);
  glue.viewDrawLine(0, 0, 5, 5);
  glue.viewClear();
  glue.showView();
  EXPECT_EQ(glue.gCanvas, nullptr);
  EXPECT_EQ(shown, 1);
}

TEST_F(GlueView, CreateViewMakesAWhitePictureOfThatSize) {
  glue.createView(30, 20);
  ASSERT_NE(glue.gCanvas, nullptr);
  EXPECT_EQ(glue.gCanvas->Width(), 30);
  EXPECT_EQ(glue.gCanvas->Height(), 20);
  EXPECT_EQ(count(kWhite), 600);
}

TEST_F(GlueView, ThePenColourStaysForLinesRectanglesAndOvals) {
  glue.createView(40, 40);
  glue.viewSetPenColor(0, 200, 0);
  glue.viewDrawLine(0, 0, 39, 0);
  glue.viewDrawRectangle(0, 10, 10, 10);
  glue.viewFillOval(20, 20, 10, 10);
  EXPECT_EQ(px(39, 0), kGreen);
  EXPECT_EQ(px(9, 19), kGreen);
  EXPECT_EQ(px(25, 25), kGreen);
  EXPECT_EQ(count(kGreen) + count(kWhite), 1600);  // nothing drawn in another colour
}

TEST_F(GlueView, DrawPointColoursExactlyOnePixelWhateverThePen) {
  glue.createView(10, 10);
  glue.viewSetPenSize(5);
  glue.viewDrawPoint(4, 6);
  EXPECT_EQ(px(4, 6), kBlack);
  EXPECT_EQ(count(kBlack), 1);
  glue.viewDrawPoint(-1, 3);  // outside: nothing
  glue.viewDrawPoint(10, 3);
  EXPECT_EQ(count(kBlack), 1);
}

TEST_F(GlueView, ThePenSizeWidensOutlines) {
  glue.createView(20, 20);
  glue.viewSetPenSize(3);
  glue.viewDrawRectangle(0, 0, 20, 20);
  EXPECT_EQ(px(2, 10), kBlack);
  EXPECT_EQ(px(3, 10), kWhite);
  EXPECT_EQ(px(17, 17), kBlack);
  EXPECT_EQ(count(kBlack), 400 - 14 * 14);
}

TEST_F(GlueView, OvalAndRectangleOfTheSameBoxDiffer) {
  glue.createView(40, 20);
  glue.viewDrawRectangle(0, 0, 20, 20);
  glue.viewDrawOval(20, 0, 20, 20);
  EXPECT_EQ(px(0, 0), kBlack);
  EXPECT_EQ(px(20, 0), kWhite);  // the oval leaves the corner
  EXPECT_EQ(px(30, 0), kBlack);  // and touches the middle of each side
  EXPECT_EQ(px(20, 10), kBlack);
  EXPECT_EQ(px(39, 10), kBlack);
  EXPECT_EQ(px(30, 10), kWhite);
}

TEST_F(GlueView, FillRectangleAndClear) {
  glue.createView(50, 30);
  glue.viewFillRectangle(10, 5, 20, 10);
  EXPECT_EQ(count(kBlack), 200);
  glue.viewFillRectangle(-100, -100, 1000, 1000);
  EXPECT_EQ(count(kBlack), 1500);
  glue.viewClear();
  EXPECT_EQ(count(kWhite), 1500);
}

TEST_F(GlueView, ANewViewDropsTheOldDrawingAndPen) {
  glue.createView(10, 10);
  glue.viewSetPenColor(0, 200, 0);
  glue.viewSetPenSize(4);
  glue.viewFillRectangle(0, 0, 10, 10);
  glue.createView(10, 10);
  EXPECT_EQ(count(kWhite), 100);
  glue.viewDrawLine(0, 5, 9, 5);
  EXPECT_EQ(count(kBlack), 10);  // black, one pixel wide: the platform's pen again
}

TEST_F(GlueView, ARefusedSizeKeepsTheOldView) {
  glue.createView(10, 10);
  auto old = glue.gCanvas;
  EXPECT_THROW(glue.createView(0, 10), vorline::RuntimeException);
  EXPECT_THROW(glue.createView(1000000, 1000000), vorline::RuntimeException);
  EXPECT_EQ(glue.gCanvas, old);
}

TEST_F(GlueView, ColourComponentsOutsideTheRangeAreClamped) {
  glue.createView(4, 4);
  glue.viewSetPenColor(300, -5, 128);
  glue.viewDrawPoint(0, 0);
  EXPECT_EQ(px(0, 0), (Color{255, 0, 128, 0}));
}

TEST_F(GlueView, ShowViewHandsThePictureToTheWindow) {
  std::shared_ptr<vorline::Picture> shown;
  glue.onShowView = [&](const std::shared_ptr<vorline::Picture>& p) { shown = p; };
  glue.createView(5, 5);
  glue.showView();
  EXPECT_EQ(shown, glue.gCanvas);
  EXPECT_EQ(count(kWhite), 25);
}

}  // namespace
}  // namespace vorline::gluetest
