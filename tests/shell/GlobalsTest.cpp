// Loading the prefix source from includes/prefix.vrl in the application folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "shell/Globals.h"

namespace vorline {
namespace {

namespace fs = std::filesystem;

class GlobalsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vorline-globals-XXXXXX";
    home_ = mkdtemp(pattern);
    setenv("VORLINE_HOME", home_.c_str(), 1);
    Globals::prefixSource.clear();
  }
  void TearDown() override {
    unsetenv("VORLINE_HOME");
    fs::remove_all(home_);
    Globals::prefixSource.clear();
  }
  void writePrefix(const std::string& bytes) {
    fs::create_directories(home_ / "includes");
    std::ofstream(home_ / "includes" / "prefix.vrl", std::ios::binary) << bytes;
  }
  fs::path home_;
};

TEST_F(GlobalsTest, WithoutTheFolderOrTheFileThePrefixIsEmpty) {
  Globals::vrln_Initialize();
  EXPECT_EQ(Globals::prefixSource, "");
  fs::create_directories(home_ / "includes");
  Globals::vrln_Initialize();
  EXPECT_EQ(Globals::prefixSource, "");
}

TEST_F(GlobalsTest, AFolderNamedLikeTheFileGivesNoPrefix) {
  fs::create_directories(home_ / "includes" / "prefix.vrl");
  Globals::vrln_Initialize();
  EXPECT_EQ(Globals::prefixSource, "");
}

struct PrefixCase {
  const char* name;
  std::string file;
  std::string prefix;
};

class PrefixFileTest : public GlobalsTest, public ::testing::WithParamInterface<PrefixCase> {};

TEST_P(PrefixFileTest, EveryLineEndsWithOneLineEnding) {
  writePrefix(GetParam().file);
  Globals::vrln_Initialize();
  EXPECT_EQ(Globals::prefixSource, GetParam().prefix);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PrefixFileTest,
    ::testing::Values(PrefixCase{"Empty", "", ""},
                      PrefixCase{"NoFinalLineEnd", "a = 1\nb = 2", "a = 1\nb = 2\n"},
                      PrefixCase{"FinalLineEnd", "a = 1\nb = 2\n", "a = 1\nb = 2\n"},
                      PrefixCase{"CarriageReturns", "a\r\nb\rc\n", "a\nb\nc\n"},
                      PrefixCase{"BlankLineKept", "a\n\nb\n", "a\n\nb\n"},
                      PrefixCase{"Latin1", "x = \"caf\xE9\"\n", "x = \"caf\xC3\xA9\"\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorline
