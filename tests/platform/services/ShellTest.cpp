#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/files/ScratchFolder.h"
#include "platform/script/ScriptEngine.h"
#include "platform/services/Shell.h"

namespace vorline {
namespace {

TEST(Shell, CollectsOutputAndErrorOutputTogether) {
  Shell sh;
  sh.Execute("printf 'out\\n'; printf 'err\\n' >&2; exit 3");
  EXPECT_EQ(sh.Result(), "out\nerr\n");
  EXPECT_EQ(sh.ExitCode(), 3);
  EXPECT_FALSE(sh.WasStopped());
}

TEST(Shell, KeepsBytesAsTheyCome) {
  Shell sh;
  sh.Execute("printf 'a\\r\\nb'");
  EXPECT_EQ(sh.Result(), "a\r\nb");
}

TEST(Shell, ReadsOutputThatIsNotUtf8AsLatin1) {
  Shell sh;
  sh.Execute("printf 'caf\\351'");
  EXPECT_EQ(sh.Result(), "caf\xc3\xa9");
}

TEST(Shell, StandardInputIsClosed) {
  Shell sh;
  sh.Execute("cat; echo done");
  EXPECT_EQ(sh.Result(), "done\n");
}

// The shell's own complaint comes back as the result, whatever its wording; 127 is the exit code
// that every POSIX shell gives a command it cannot find.
TEST(Shell, AMissingCommandReportsThroughItsOutput) {
  Shell sh;
  sh.Execute("no_such_command_vorline_xyz");
  EXPECT_FALSE(sh.Result().empty());
  EXPECT_EQ(sh.ExitCode(), 127);
  EXPECT_FALSE(sh.WasStopped());
}

// The command ends at the request: left to run out, it would leave its mark behind.
TEST(Shell, AStopRequestEndsALongCommand) {
  ScratchFolder scratch;
  const std::filesystem::path mark = scratch.root() / "finished";
  Shell sh;
  int asked = 0;
  sh.ShouldStop = [&] { return ++asked >= 3; };
  sh.Execute("sleep 30; echo done > '" + mark.string() + "'");
  EXPECT_TRUE(sh.WasStopped());
  EXPECT_EQ(asked, 3);
  EXPECT_FALSE(std::filesystem::exists(mark));
}

TEST(Shell, RunawayOutputIsAnErrorNotAnExhaustedMemory) {
  Shell sh;
  EXPECT_THROW(sh.Execute("yes 0123456789012345678901234567890123456789"), RuntimeException);
}

// The seam that tests and fuzz targets use to start no process: the runner gets the command
// and the stop request, its outcome is the Shell's; removing it brings /bin/sh back.
TEST(Shell, AnInstalledRunnerStandsInForTheShell) {
  std::string seen;
  bool stopRequestPassed = false;
  installShellRunner([&](const std::string& command, const std::function<bool()>& shouldStop) {
    seen = command;
    stopRequestPassed = shouldStop && shouldStop();
    return ShellOutcome{"replaced", 4, true};
  });
  Shell sh;
  sh.ShouldStop = [] { return true; };
  sh.Execute("echo real");
  installShellRunner(nullptr);
  EXPECT_EQ(seen, "echo real");
  EXPECT_TRUE(stopRequestPassed);
  EXPECT_EQ(sh.Result(), "replaced");
  EXPECT_EQ(sh.ExitCode(), 4);
  EXPECT_TRUE(sh.WasStopped());

  sh.ShouldStop = nullptr;
  sh.Execute("echo real");
  EXPECT_EQ(sh.Result(), "real\n");
}

}  // namespace
}  // namespace vorline
