// use and include against a scratch application folder: where files are found, how their
// text is spliced, and the guards against files that bring themselves in.
#include <gtest/gtest.h>

#include <filesystem>

#include "converter/ConverterCases.h"
#include "converter/FakeConverterOwner.h"
#include "converter/ckScriptConverter.h"
#include "converter/ckWorkingText.h"
#include "platform/files/ScratchFolder.h"

namespace vorline {
namespace {

size_t count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size()))
    ++n;
  return n;
}

class ConverterDirectivesTest : public testing::Test {
 protected:
  ConverterDirectivesTest() {
    converter.owner = &host;
    host.currentPath = (scratch.root() / "docs").string() + "/";
    std::filesystem::create_directories(scratch.root() / "docs");
  }
  // One run as the window makes it: the source-line list starts empty.
  std::string convert(const std::string& pad) {
    host.lines.clear();
    host.calls.clear();
    return converter.convertSource(VL_PREFIX + pad);
  }
  void include(const std::string& name, const std::string& text) {
    scratch.write("app/includes/" + name, text);
  }

  ScratchFolder scratch;
  FakeConverterOwner host;
  ckScriptConverter converter;
};

TEST_F(ConverterDirectivesTest, WorkedExampleOfASplice) {
  include("lib.vrl", "def f(a) return a*2");
  EXPECT_EQ(convert("use lib\nx = f(2)"),
            "function f(a as double) as double\nreturn a*2\nend function\n\n" VL_ANS
            "dim x as double\ntagLine 0\n\ntagLine 1\nx = f(2)\nsetVar \"x\", x\nprintAny x\n\n");
  EXPECT_EQ(host.registered(), "use lib\nx = f(2)\n");
}

TEST_F(ConverterDirectivesTest, UseOnTheLastLineIsFollowedByARegisteredEmptyLine) {
  include("lib.vrl", "@inside\n");
  EXPECT_EQ(convert("use lib"), "\n" VL_ANS "tagLine 0\n\ninside\ntagLine 1\n\n");
  EXPECT_EQ(host.registered(), "use lib\n\n");
}

TEST_F(ConverterDirectivesTest, MissingFileOnTheLastLineStillAddsALineEnding) {
  EXPECT_EQ(convert("use nothing"), "\n" VL_ANS "tagLine 0\ntagLine 1\n\n");
  EXPECT_EQ(host.registered(), "use nothing\n\n");
  EXPECT_EQ(convert("use nothing\nx"), "\n" VL_ANS "tagLine 0\ntagLine 1\nprint str(x)\n\n");
}

TEST_F(ConverterDirectivesTest, UseAddsTheExtensionToWhateverNameItIsGiven) {
  include("stats.vrl.vrl", "@doubled\n");
  include(".vrl", "@bare\n");
  const std::string script = convert("USE stats.vrl\nuse\nuse stats");
  EXPECT_EQ(count(script, "doubled\n"), 1u);
  EXPECT_EQ(count(script, "bare\n"), 1u);
}

TEST_F(ConverterDirectivesTest, UseNeverLeavesTheIncludesFolder) {
  scratch.write("app/secret.vrl", "@secret\n");
  EXPECT_EQ(count(convert("use ../secret"), "secret\n"), 0u);
}

TEST_F(ConverterDirectivesTest, IncludeFindsFilesByTheirPathForms) {
  include("lib.vrl", "@from_includes\n");
  scratch.write("app/sub/lib.vrl", "@from_app_sub\n");
  scratch.write("home/pads/lib.vrl", "@from_home\n");
  scratch.write("docs/lib.vrl", "@from_docs\n");
  scratch.write("other/abs.vrl", "@from_absolute\n");
  EXPECT_EQ(count(convert("include lib.vrl"), "from_includes\n"), 1u);
  EXPECT_EQ(count(convert("include sub/lib.vrl"), "from_app_sub\n"), 1u);
  EXPECT_EQ(count(convert("include ~/pads/lib.vrl"), "from_home\n"), 1u);
  EXPECT_EQ(count(convert("include ./lib.vrl"), "from_docs\n"), 1u);
  EXPECT_EQ(
      count(convert("include " + (scratch.root() / "other/abs.vrl").string()), "from_absolute\n"),
      1u);
}

TEST_F(ConverterDirectivesTest, IncludeHasNoParentFolderForm) {
  scratch.write("lib.vrl", "@from_parent\n");  // the parent of the pad's folder
  EXPECT_EQ(count(convert("include ../lib.vrl"), "from_parent\n"), 0u);
}

TEST_F(ConverterDirectivesTest, OnlyTheFirstDotSlashIsReplacedWhereverItStands) {
  host.currentPath = "docs/";  // a relative current folder shows where the replacement lands
  scratch.write("app/docs/b.vrl", "@mid_path\n");
  const std::string path = (scratch.root() / "app").string() + "/./b.vrl";
  EXPECT_EQ(count(convert("include " + path), "mid_path\n"), 1u);
}

TEST_F(ConverterDirectivesTest, IncludeAsksForTheCurrentFolderFirstEveryTime) {
  convert("include lib.vrl\nuse lib");
  const std::vector<std::string> expected{"declares", "append include lib.vrl", "path",
                                          "append use lib", "append "};
  EXPECT_EQ(host.calls, expected);
}

TEST_F(ConverterDirectivesTest, LineEndingsOfTheFileDoNotMatter) {
  include("lf.vrl", "#end_include\nx\n");
  include("none.vrl", "#end_include\nx");
  include("crlf.vrl", "#end_include\r\nx\r\n");
  const std::string expected = convert("use lf");
  EXPECT_EQ(convert("use none"), expected);
  EXPECT_EQ(convert("use crlf"), expected);
  include("cr.vrl", "@a\r@b\r\n@c");
  EXPECT_EQ(count(convert("use cr"), "\na\n\nb\n\nc\n"), 1u);
}

TEST_F(ConverterDirectivesTest, AnEmptyFileSplicesAnEmptyBlock) {
  include("empty.vrl", "");
  EXPECT_EQ(convert("use empty\nx"), "\n" VL_ANS "tagLine 0\ntagLine 1\nprint str(x)\n\n");
}

TEST_F(ConverterDirectivesTest, FileTextThatIsNotUtf8IsReadAsLatin1) {
  include("latin.vrl", "@caf\xE9\n");
  include("bom.vrl", "\xEF\xBB\xBF@marked\n");
  EXPECT_EQ(count(convert("use latin"), "caf\xC3\xA9\n"), 1u);
  EXPECT_EQ(count(convert("use bom"), "\nmarked\n"), 1u);
}

TEST_F(ConverterDirectivesTest, BlockGoesRightAfterTheUseLineAndNestsInTheBlockAroundIt) {
  include("lib.vrl", "@L\n");
  EXPECT_EQ(converter.convertSource("#start_include\n  @A\n  use lib\n  @B\n#end_include\n"),
            "\n" VL_ANS "\nA\n\n\nL\n\nB\ntagLine 0\n\n");
  EXPECT_EQ(host.registered(), "\n");
}

// Only the lines outside every include block are registered, whatever the files that the
// blocks bring in hold: libraries that use libraries, stray markers, a file that brings itself
// in after another.
TEST_F(ConverterDirectivesTest, NoLineOfASplicedFileIsRegistered) {
  include("common.vrl", "rate = 0.2\n");
  include("money.vrl", "use common\ndef tax(x) return x * rate\n");
  include("ends.vrl", "#end_include\n@ends\n#end_include\nafter_end\n");
  include("opens.vrl", "#start_include\n@opens\n");
  include("self.vrl", "use common\ninclude self.vrl\nx = rate\n");
  const struct {
    const char* pad;
    const char* registered;
  } cases[] = {
      {"use money\ntax(200)", "use money\ntax(200)\n"},
      {"use ends\nlast", "use ends\nlast\n"},
      {"use opens\nlast", "use opens\nlast\n"},
      {"use money\nuse money", "use money\nuse money\n\n"},
      {"include self.vrl\nx", "include self.vrl\nx\n"},
  };
  for (const auto& c : cases) {
    convert(c.pad);
    EXPECT_EQ(host.registered(), c.registered) << c.pad;
  }
}

TEST_F(ConverterDirectivesTest, FileThatUsesItselfIsSplicedOnce) {
  include("self.vrl", "@self\nuse self\n");
  EXPECT_EQ(count(convert("use self"), "self\n"), 1u);
}

TEST_F(ConverterDirectivesTest, FilesThatUseEachOtherAreSplicedOnceEach) {
  include("a.vrl", "@in_a\nuse b\n");
  include("b.vrl", "@in_b\nuse a\n");
  const std::string script = convert("use a");
  EXPECT_EQ(count(script, "in_a\n"), 1u);
  EXPECT_EQ(count(script, "in_b\n"), 1u);
}

TEST_F(ConverterDirectivesTest, FilesAreToldApartByTheirCanonicalPath) {
  include("a.vrl", "@in_a\ninclude " + scratch.includes().string() + "//a.vrl\nuse link\n");
  std::filesystem::create_symlink(scratch.includes() / "a.vrl", scratch.includes() / "link.vrl");
  EXPECT_EQ(count(convert("use a"), "in_a\n"), 1u);
}

TEST_F(ConverterDirectivesTest, CycleIsFoundWhateverTheMarkersInsideTheFileDo) {
  // The file ends include mode early; its own "use" still stands inside its splice.
  include("odd.vrl", "#end_include\n@odd\nuse odd\n#start_include\n");
  EXPECT_EQ(count(convert("use odd"), "odd\n"), 1u);
}

TEST_F(ConverterDirectivesTest, SameFileOneAfterTheOtherIsSplicedEachTime) {
  include("lib.vrl", "def f(a) return a\n");
  include("leaf.vrl", "@leaf\n");
  include("twice.vrl", "use leaf\nuse leaf\n");
  include("left.vrl", "use leaf\n");
  include("right.vrl", "use leaf\n");
  EXPECT_EQ(count(convert("use lib\nuse lib"), "function f("), 2u);
  EXPECT_EQ(count(convert("use twice"), "leaf\n"), 2u);
  EXPECT_EQ(count(convert("use left\nuse right"), "leaf\n"), 2u);
}

TEST_F(ConverterDirectivesTest, SplicesStopAtTheBudgetOfOneConversion) {
  // Each file uses the next one twice: 4095 splices without a budget.
  for (int i = 0; i < 12; ++i) {
    const std::string next = "use f" + std::to_string(i + 1) + "\n";
    include("f" + std::to_string(i) + ".vrl", "@hit\n" + next + next);
  }
  const std::string script = convert("use f0");
  EXPECT_EQ(count(script, "hit\n"), ckWorkingText::kMaxSplices);
  // The next conversion has a budget of its own.
  EXPECT_EQ(count(convert("use f11"), "hit\n"), 1u);
}

TEST_F(ConverterDirectivesTest, SplicesStopAtTheWorkingTextBudget) {
  include("big.vrl", "@big\n#" + std::string(6 * 1024 * 1024, 'x') + "\n");
  include("huge.vrl", "@huge\n#" + std::string(ckWorkingText::kMaxBytes, 'x') + "\n");
  EXPECT_EQ(count(convert("use big\nuse big\nuse big"), "big\n"), 2u);
  EXPECT_EQ(count(convert("use huge"), "huge\n"), 0u);
}

// Files that report length 0 and read on without end (pagemap), or that wait for data (kmsg,
// readable by root), splice nothing; the lines after them convert as usual.
TEST_F(ConverterDirectivesTest, FilesThatNeverEndOrWouldBlockSpliceNothing) {
  for (const char* path : {"/proc/self/pagemap", "/proc/kmsg"}) {
    if (!std::filesystem::exists(path)) continue;
    const std::string script = convert(std::string("include ") + path + "\nafter = 1");
    EXPECT_NE(script.find("after = 1\n"), std::string::npos) << path;
    EXPECT_LT(script.size(), size_t{1} << 20) << path;
    EXPECT_EQ(host.registered(), std::string("include ") + path + "\nafter = 1\n") << path;
  }
}

}  // namespace
}  // namespace vorline
