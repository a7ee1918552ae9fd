// The shell service: runs one command line with /bin/sh -c and collects its standard output
// and error output together, as the bytes arrive. The shell runs in a process group of its own,
// and a command that is ended early ends with the whole group. A test or fuzz target that must
// start no process installs a runner of its own in place of /bin/sh.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vorline {

// What a replacement runner gives back for one command.
struct ShellOutcome {
  std::string output;
  int exitCode = 0;
  bool stopped = false;
};

// Runs one command in place of /bin/sh; shouldStop is the Shell's ShouldStop (may be empty).
using ShellRunner = std::function<ShellOutcome(const std::string& command,
                                               const std::function<bool()>& shouldStop)>;

// Every Shell runs its commands through the runner from now on; an empty one puts /bin/sh back.
void installShellRunner(ShellRunner runner);

class Shell {
 public:
  // Asked between the short waits while the command runs; true ends the command at once.
  std::function<bool()> ShouldStop;

  // Runs the command to its end (or until ShouldStop or the output limit ends it, together
  // with every process of its group). Standard
  // input is closed. Throws IOException when /bin/sh cannot be started, and
  // OutOfMemoryException when the output exceeds the limit.
  void Execute(const std::string& command);

  // The output, UTF-8 as it came, or read as Latin-1 when it is not valid UTF-8.
  const std::string& Result() const { return result_; }
  int ExitCode() const { return exitCode_; }
  bool WasStopped() const { return stopped_; }

  static constexpr int64_t kMaxOutputBytes = 64ll * 1024 * 1024;

 private:
  std::string result_;
  int exitCode_ = 0;
  bool stopped_ = false;
};

}  // namespace vorline
