// Runs a part of a test as a user whom file modes bind. Root may write a read-only file or
// folder, so under root the part runs in a child process with the ids of "nobody", after the
// folder it works in was handed to that user; any other user runs it in place. The part
// returns a report (empty for "all as expected") that comes back to the test.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

namespace vorline {

inline constexpr uid_t kNobody = 65534;

inline void handOver(const std::filesystem::path& root) {
  if (::chown(root.c_str(), kNobody, kNobody) != 0) return;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0) return;
}

inline std::string runUnprivileged(const std::filesystem::path& folder,
                                   const std::function<std::string()>& part) {
  if (::geteuid() != 0) return part();
  handOver(folder);
  int channel[2];
  if (::pipe(channel) != 0) return "no pipe";
  pid_t child = ::fork();
  if (child < 0) return "no child process";
  if (child == 0) {
    ::close(channel[0]);
    std::string report;
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
      report = "could not become nobody";
    else
      report = part();
    ssize_t ignored = ::write(channel[1], report.data(), report.size());
    (void)ignored;
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string report;
  char buffer[512];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return "the child process failed: " + report;
  return report;
}

}  // namespace vorline
