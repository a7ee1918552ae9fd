// The one search for the resources folder, as a program run from its build tree sees it (the
// installed case is the install test's).
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/ScratchFolder.h"
#include "shell/AppResources.h"

namespace vorline {
namespace {

TEST(AppResources, AFolderOfTheCallersOwnComesFirst) {
  ScratchFolder scratch;
  scratch.setEnv("VORLINE_RESOURCES_DIR", scratch.root().string());
  EXPECT_EQ(AppResources::Folder(), scratch.root().string());
  EXPECT_EQ(AppResources::Path("err.bmp"), (scratch.root() / "err.bmp").string());
}

TEST(AppResources, ARunFromTheBuildTreeReadsTheSourceTrees) {
  ScratchFolder scratch;
  scratch.unsetEnv("VORLINE_RESOURCES_DIR");
  EXPECT_EQ(AppResources::Folder(), VORLINE_RESOURCES_DIR);
  EXPECT_TRUE(std::filesystem::is_regular_file(AppResources::Path("prefix.vrl")));
}

}  // namespace
}  // namespace vorline
