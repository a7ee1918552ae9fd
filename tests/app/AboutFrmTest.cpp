// The About window: its design, its three labels, and its closing by any key or a click.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/AboutFrm.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/ui/Application.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Label.h"

namespace vorline {
namespace {

class AboutFrmTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::RegisterAppObject(&app);
    app.SetQuitOnLastWindowClosed(false);
  }
  void TearDown() override {
    for (const auto& w : std::vector(app.Windows())) w->Close();
    Application::RegisterAppObject(nullptr);
  }
  HeadlessPlatform platform;
  Application app;
};

TEST_F(AboutFrmTest, IsLaidOutFromItsDesign) {
  auto about = AboutFrm::Instance();
  EXPECT_EQ(about->Width(), 275);
  EXPECT_EQ(about->Height(), 182);
  EXPECT_EQ(about->MinWidth(), 64);
  EXPECT_EQ(about->MaxHeight(), 32000);
  EXPECT_EQ(about->Title(), "");
  EXPECT_EQ(designInt(*about->designValue("Frame")), 1);  // movable modal
  EXPECT_FALSE(designBool(*about->designValue("Resizeable"), true));
  EXPECT_TRUE(designBool(*about->designValue("CloseButton")));
  EXPECT_EQ(designColor(*about->designValue("BackColor")), (Color{255, 255, 255, 0}));
}

TEST_F(AboutFrmTest, ShowsTheNameTheVersionAndTheCreditsInThreeLabels) {
  auto about = AboutFrm::Instance();
  ASSERT_EQ(about->Controls().size(), 3u);
  EXPECT_EQ(about->Controls()[0]->Name(), "StaticText1");
  EXPECT_EQ(about->Controls()[1]->Name(), "StaticText2");
  EXPECT_EQ(about->Controls()[2]->Name(), "StaticText3");

  auto name = about->StaticText2();
  EXPECT_EQ(name->Text(), "Vorline");
  EXPECT_EQ((std::vector<int64_t>{name->Left(), name->Top(), name->Width(), name->Height()}),
            (std::vector<int64_t>{17, 23, 181, 18}));
  EXPECT_TRUE(designBool(*name->designValue("Bold")));
  EXPECT_EQ(name->TabIndex(), 1);

  auto version = about->StaticText3();
  EXPECT_EQ(version->Text(), "1.5.2");
  EXPECT_EQ(
      (std::vector<int64_t>{version->Left(), version->Top(), version->Width(), version->Height()}),
      (std::vector<int64_t>{200, 11, 55, 42}));
  EXPECT_EQ(designNumber(*version->designValue("TextSize")), 24.0);
  EXPECT_EQ(designColor(*version->designValue("TextColor")), (Color{237, 24, 30, 0}));

  auto credits = about->StaticText1();
  EXPECT_EQ(credits->Text(), AboutFrm::kCredits);
  EXPECT_EQ(
      (std::vector<int64_t>{credits->Left(), credits->Top(), credits->Width(), credits->Height()}),
      (std::vector<int64_t>{17, 56, 242, 70}));
  EXPECT_TRUE(designBool(*credits->designValue("Multiline")));
  EXPECT_EQ(designString(*credits->designValue("TextFont")), "System");

  for (const auto& label : {credits, name, version}) {
    EXPECT_TRUE(label->LockLeft() && label->LockTop());
    EXPECT_FALSE(label->LockRight() || label->LockBottom());
    EXPECT_FALSE(designBool(*label->designValue("Selectable"), true));
    EXPECT_EQ(label->Index(), kNoControlIndex);
  }
}

class AboutKeyTest : public AboutFrmTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(AboutKeyTest, AnyKeyClosesIt) {
  auto about = AboutFrm::Instance();
  about->ShowModal();
  EXPECT_FALSE(platform.sendKey(*about, GetParam()));  // the key goes on
  EXPECT_TRUE(about->IsClosed());
  EXPECT_TRUE(app.Windows().empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutKeyTest,
                         ::testing::Values("a", "Z", std::string(Keys::Escape),
                                           std::string(Keys::Return), std::string(Keys::Enter),
                                           " "));

TEST_F(AboutFrmTest, AClickClosesItOnTheRelease) {
  auto about = AboutFrm::Instance();
  about->ShowModal();
  about->DeliverMouseDown(100, 100);
  EXPECT_FALSE(about->IsClosed());
  about->DeliverMouseUp(100, 100);
  EXPECT_TRUE(about->IsClosed());
}

TEST_F(AboutFrmTest, TheOpenWindowIsReusedAndAClosedOneReplaced) {
  auto first = AboutFrm::Instance();
  EXPECT_EQ(AboutFrm::Instance(), first);
  first->Close();
  auto second = AboutFrm::Instance();
  EXPECT_NE(second, first);
  EXPECT_EQ(second->StaticText2()->Text(), "Vorline");
  EXPECT_FALSE(second->IsClosed());
}

}  // namespace
}  // namespace vorline
