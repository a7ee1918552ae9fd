#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

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

// Whether the process has ended (gone, or a zombie that nothing reaps yet); a bound that only a
// process left running reaches.
bool ends(pid_t pid) {
  for (int i = 0; i < 1000; ++i) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return true;
    const size_t close = line.rfind(')');
    if (close != std::string::npos && line.size() > close + 2 && line[close + 2] == 'Z')
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

// The shell's children end with it: a command stopped while its child sleeps leaves no
// process behind.
TEST(Shell, AStopEndsEveryProcessTheCommandStarted) {
  ScratchFolder scratch;
  const std::filesystem::path pidFile = scratch.root() / "child";
  Shell sh;
  sh.ShouldStop = [&] {
    std::ifstream in(pidFile);
    std::string pid;
    return std::getline(in, pid) && !pid.empty();
  };
  sh.Execute("sleep 300 & echo $! > '" + pidFile.string() + "'; wait");
  ASSERT_TRUE(sh.WasStopped());
  std::ifstream in(pidFile);
  pid_t child = 0;
  ASSERT_TRUE(in >> child);
  EXPECT_TRUE(ends(child)) << "sleep 300 runs on";
  if (::kill(child, 0) == 0) ::kill(child, SIGKILL);
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
