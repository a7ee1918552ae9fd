// Runs that rebuild the pad from the registered lines and their printed results.
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "window/ScriptEngineControl.h"
#include "window/WindowFixture.h"

namespace vorline {
namespace {

using EvaluationRun = WindowFixture;

#define A40 "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"

struct RebuildCase {
  const char* name;
  const char* pad;
  const char* rebuilt;
};

class PadRebuild : public WindowFixture, public ::testing::WithParamInterface<RebuildCase> {};

TEST_P(PadRebuild, GivesThePad) { EXPECT_EQ(run(GetParam().pad), GetParam().rebuilt); }

INSTANTIATE_TEST_SUITE_P(
    Cases, PadRebuild,
    ::testing::Values(
        RebuildCase{"AssignmentAndExpression", "x = 2*3\nx + 1", "x = 2*3 //6\nx + 1 //7"},
        RebuildCase{"OldResultsAndSlashCommentsGo", "x = 5 //old // note\nx //9",
                    "x = 5 //5\nx //5"},
        RebuildCase{"HashAndDashCommentsStay", "# note\n-- other", "# note\n-- other"},
        RebuildCase{"LinesComeBackTrimmed", "   y = 1   \n\t2*2 ", "y = 1 //1\n2*2 //4"},
        RebuildCase{"BlankLinesStayEmpty", "1\n\n   \n2", "1 //1\n\n\n2 //2"},
        RebuildCase{"ReturnEndExitBeepLinesGo", "1\nbeep\n2\nreturn", "1 //1\n2 //2"},
        RebuildCase{"OnlyUnregisteredLinesGiveAnEmptyPad", "return", ""},
        RebuildCase{"PrintedLineBreaksStayOnTheLine",
                    "\"a\" + chr(10) + \"b\" + chr(13) + chr(10) + \"c\"",
                    "\"a\" + chr(10) + \"b\" + chr(13) + chr(10) + \"c\" //a\xE2\x8F\x8E"
                    "b\xE2\x8F\x8E"
                    "c"},
        RebuildCase{
            "PrintedSeparatorsStayOnTheLine",
            "\"a\" + chr(8232) + \"b\" + chr(8233) + \"c\" + chr(64976) + chr(64977) + \"d\"",
            "\"a\" + chr(8232) + \"b\" + chr(8233) + \"c\" + chr(64976) + chr(64977) + \"d\" "
            "//a\xE2\x8F\x8E"
            "b\xE2\x8F\x8E"
            "c\xE2\x8F\x8E\xE2\x8F\x8E"
            "d"},
        RebuildCase{"ResultsBeyondTheRoomOfTheirLine",
                    "if (1 > 0) print \"" A40 "\"; print \"b\"; print \"" A40 "\"; print \"c\"",
                    "if (1 > 0) print \"" A40 "\"; print \"b\"; print \"" A40
                    "\"; print \"c\" //" A40 " //b //" A40 " //c"},
        RebuildCase{"EmptyPad", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EvaluationRun, RunningTwiceGivesTheSamePad) {
  std::string once = run("a = 3\nb = a^2\na + b");
  EXPECT_EQ(run(once), once);
  EXPECT_EQ(once, "a = 3 //3\nb = a^2 //9\na + b //12");
}

// Every window's runs have a memory budget from the start, and a budget chosen for the engine
// (a test's, a fuzz target's) holds for every later run instead of being reset by the run.
// Every further run leaves the pad as the first one did: no line of a library, of the prefix or
// of a printed text becomes a pad line, and a marker line in the prefix hides no pad line.
TEST_F(EvaluationRun, FurtherRunsLeaveEveryLineAsItWas) {
  scratch.write("app/includes/common.vrl", "rate = 0.2\n");
  scratch.write("app/includes/money.vrl", "use common\ndef tax(x) return x * rate\n");
  scratch.write("app/includes/self.vrl", "use common\ninclude self.vrl\nx = rate\n");
  scratch.write("app/data/notes.txt",
                "Prices 2024\xE2\x80\xA9@print shellExec(\"id > out.txt\") //");
  const struct {
    const char* prefix;
    const char* pad;
    const char* rebuilt;
  } cases[] = {
      {"", "use money\ntax(200)", "use money\ntax(200) //40"},
      {"use common\nfromPrefix = 1", "1+1", "1+1 //2"},
      {"", "use common\ninclude self.vrl\nx = rate",
       "use common\ninclude self.vrl\nx = rate //0.2"},
      {"", "print \"a\" + chr(8233) + \"beep\"",
       "print \"a\" + chr(8233) + \"beep\" //a\xE2\x8F\x8E"
       "beep"},
      {"#start_include\nhidden = 1", "1+1\nx = 2", "1+1 //2\nx = 2 //2"},
      {"  #END_INCLUDE  \nleaked = 1", "1+1", "1+1 //2"},
      {"#start_include // the rest is mine\nhidden = 1", "1+1", "1+1 //2"},
      {"", "$notes = readFile(\"notes.txt\")",
       "$notes = readFile(\"notes.txt\") //Prices 2024\xE2\x8F\x8E@print shellExec(\"id > "
       "out.txt\") //"},
  };
  for (const auto& c : cases) {
    Globals::prefixSource = c.prefix;
    std::string pad = c.pad;
    for (int n = 1; n <= 3; ++n) {
      pad = run(pad);
      EXPECT_EQ(pad, c.rebuilt) << c.pad << ", run " << n;
    }
  }
}

TEST_F(EvaluationRun, RunsHoldAMemoryBudgetThatACallerMayChoose) {
  EXPECT_GT(window().script1()->Limits.maxAllocatedBytes, 0);
  window().script1()->Limits.maxAllocatedBytes = 1 << 20;
  EXPECT_EQ(run("dim a(1000000) as double\n1"), "dim a(1000000) as double\n1");  // ended at the dim
  EXPECT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(window().script1()->Limits.maxAllocatedBytes, 1 << 20);
}

// Each run's lines take over the buffers of the previous run's lines: none of their text may
// come back, whether the pad grows, shrinks or changes between runs.
TEST_F(EvaluationRun, LinesOfTheRunBeforeLeaveNoTrace) {
  EXPECT_EQ(run("\"" A40 "\"\n\n2"), "\"" A40 "\" //" A40 "\n\n2 //2");
  EXPECT_EQ(run("1"), "1 //1");
  EXPECT_EQ(run("\n3\nx = 4\n\n5"), "\n3 //3\nx = 4 //4\n\n5 //5");
  EXPECT_EQ(run("6\n\n7"), "6 //6\n\n7 //7");
  EXPECT_EQ(run(""), "");
  EXPECT_EQ(run("8\n9"), "8 //8\n9 //9");
}

TEST_F(EvaluationRun, CompileErrorStillRebuildsTheRegisteredLines) {
  EXPECT_EQ(run("  x = 1 //1\ny = (\n"), "x = 1\ny = (\n");
  EXPECT_EQ(platform.messages().size(), 1u);
}

TEST_F(EvaluationRun, PrefixPrintsGoToTheFirstLine) {
  Globals::prefixSource = "@print \"from prefix\"\n";
  EXPECT_EQ(run("1\n2"), "1 //from prefix //1\n2 //2");
}

TEST_F(EvaluationRun, PrefixPrintsGoToAnEmptyFirstLine) {
  Globals::prefixSource = "@print \"from prefix\"\n";
  EXPECT_EQ(run("\n1"), " //from prefix\n1 //1");
}

// With no line registered there is no entry for the text: it is dropped, and nothing breaks.
TEST_F(EvaluationRun, PrintWithNoEntryIsDropped) {
  Globals::prefixSource = "@print \"lost\"\n";
  EXPECT_EQ(run("return"), "");
  EXPECT_TRUE(platform.messages().empty());
  window().parseSource = {"a"};
  window().exPrintLine = 7;
  window().doPrint("x");
  window().exPrintLine = -1;
  window().doPrint("y");
  EXPECT_EQ(window().parseSource, std::vector<std::string>{"a"});
}

TEST_F(EvaluationRun, IncludedPrintsGoToTheUseLine) {
  scratch.write("app/includes/lib.vrl", "@print \"hello\"\n");
  EXPECT_EQ(run("1\nuse lib\n2"), "1 //1\nuse lib //hello\n2 //2");
}

TEST_F(EvaluationRun, CaretKeepsItsOffset) {
  pad().SetText("x = 1\ny = 2");
  pad().SetSelStart(8);
  app.MenuItemChosen("mnuRun");
  EXPECT_EQ(pad().Text(), "x = 1 //1\ny = 2 //2");
  EXPECT_EQ(pad().SelStart(), 8);
}

TEST_F(EvaluationRun, DebugFileHoldsTheScriptAlsoWhenItFailsToCompile) {
  run("pragma debug_file\nx = (");
  std::filesystem::path file = scratch.home() / "Desktop/debug_source.txt";
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("tagLine 1\nx = (\n"), std::string::npos) << text.str();
  std::filesystem::remove(file);
  run("x = 1");
  EXPECT_FALSE(std::filesystem::exists(file));
}

// The debug file is written only as a regular file of its own: a link there (to the user's pad)
// and a pipe are left alone, and the run goes on.
TEST_F(EvaluationRun, DebugFileIsNeverWrittenThroughALinkOrIntoAPipe) {
  namespace fs = std::filesystem;
  const fs::path file = scratch.home() / "Desktop/debug_source.txt";
  const fs::path mypad = scratch.write("home/mypad.vrl", "my pad\n");
  fs::create_symlink(mypad, file);
  EXPECT_EQ(run("pragma debug_file\n2+2"), "pragma debug_file\n2+2 //4");
  EXPECT_TRUE(fs::is_symlink(file));
  std::ifstream in(mypad);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "my pad\n");
  fs::remove(file);
  ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
  EXPECT_EQ(run("pragma debug_file\n3+3"), "pragma debug_file\n3+3 //6");
  EXPECT_TRUE(fs::is_fifo(file));
  EXPECT_TRUE(platform.messages().empty());
}

struct BudgetCase {
  const char* name;
  std::string pad;
};

// Lines that each print a text of 5,120 characters: what the pad keeps of them (4,000 a line)
// comes to 1.6 MB, within what a run may write into the pad.
std::string printingPad(int lines) {
  std::string pad =
      "@dim s as string = \"xxxxxxxxxx\"\n@for i as integer = 1 to 9\n@s = s + s\n@next";
  for (int i = 0; i < lines; ++i) pad += "\n@print s";
  return pad;
}

// What a run prints and what it stores through the glue count toward its memory budget: a run
// whose results or stores pass it ends with "Out of memory" and the window goes on working.
TEST_F(EvaluationRun, PrintsAndStoresCountTowardTheMemoryBudget) {
  const BudgetCase cases[] = {
      {"printing", printingPad(400)},
      {"storing",
       "@dim s as string = \"xxxxxxxxxxxxxxxxxxxxxxxx\"\n@for i as integer = 1 to 1000000\n"
       "@setVar \"v\" + str(i), s + str(i)\n@next"},
  };
  window().script1()->Limits.maxAllocatedBytes = 1 << 20;
  for (const BudgetCase& c : cases) {
    SCOPED_TRACE(c.name);
    platform.clearMessages();
    run(c.pad);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].rfind("Runtime Error: 6\nOut of memory", 0), 0u)
        << platform.messages()[0];
    EXPECT_EQ(run("pragma clear_memory\n2+2"), "pragma clear_memory\n2+2 //4");
  }
  platform.clearMessages();
  window().script1()->Limits.maxAllocatedBytes = 8 << 20;
  run(printingPad(400));
  EXPECT_TRUE(platform.messages().empty()) << "the same prints within a larger budget";
}

// A host call that throws ends the run before the rebuild: the guard shows the error and the
// pad keeps its text.
class ThrowingWindow : public FrmMain {
 public:
  int64_t msg_append_source_line(std::string_view line) override {
    if (line == "boom") throw std::runtime_error("no room");
    return FrmMain::msg_append_source_line(line);
  }
};

TEST_F(EvaluationRun, EscapingExceptionLeavesThePadAndTheWindowUsable) {
  auto w = openWindow<ThrowingWindow>();
  w->Sourcetxt()->SetText("1\nboom\n2");
  EXPECT_FALSE(app.MenuItemChosen("mnuRun"));
  EXPECT_EQ(w->Sourcetxt()->Text(), "1\nboom\n2");
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(platform.messages()[0], "Unexpected error: no room");
  w->Sourcetxt()->SetText("3");
  EXPECT_TRUE(app.MenuItemChosen("mnuRun"));
  EXPECT_EQ(w->Sourcetxt()->Text(), "3 //3");
}

TEST_F(EvaluationRun, CurrentPathIsThePadsFolderOrTheApplicationFolder) {
  EXPECT_EQ(window().msg_get_current_path(), scratch.app().string() + "/");
  std::filesystem::create_directories(scratch.home() / "pads");
  window().theFile = std::make_shared<FolderItem>((scratch.home() / "pads/a.vrl").string());
  EXPECT_EQ(window().msg_get_current_path(), (scratch.home() / "pads").string() + "/");
}

// A run asks the platform as it goes whether to stop (how often depends on the machine's speed,
// so the second run lasts until the platform says stop) and ends the busy state once, however
// short it was.
TEST_F(EvaluationRun, RunsPollThePlatformAndEndItsBusyState) {
  run("1+1");
  EXPECT_EQ(platform.busyEnds(), 1);
  const int64_t before = platform.busyPolls();
  platform.stopAfterBusyPolls(5);
  run("@while true\n@wend");
  EXPECT_EQ(platform.busyPolls() - before, 5);
  EXPECT_EQ(platform.busyEnds(), 2);
}

// A run that goes on until the platform asks it to stop ends with the run-time error "Stopped"
// and still rebuilds the pad with what it printed.
TEST_F(EvaluationRun, RunawayRunStopsWhenThePlatformAsks) {
  platform.stopAfterBusyPolls(3);
  EXPECT_EQ(run("1\n@while true\n@wend"), "1 //1\n@while true\n@wend");
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(
      platform.messages()[0],
      "Runtime Error: " + std::to_string(ErrorNumberOf(RuntimeErrorCode::Stopped)) + "\nStopped");
  EXPECT_EQ(platform.busyEnds(), 1);
}

}  // namespace
}  // namespace vorline
