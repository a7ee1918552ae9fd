#include "platform/services/Shell.h"

#include <signal.h>
#include <unistd.h>

#include <QProcess>
#include <QStringConverter>
#include <QStringList>
#include <utility>

#include "platform/values/IOException.h"
#include "platform/values/OutOfMemoryException.h"

namespace vorline {
namespace {

constexpr int kSliceMilliseconds = 20;

ShellRunner& installedRunner() {
  static ShellRunner runner;
  return runner;
}

// Valid UTF-8 stays as it is; anything else is read as Latin-1, so no byte is lost.
std::string decodeOutput(const QByteArray& bytes) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
  return QString::fromLatin1(bytes).toStdString();
}

// The shell leads a process group of its own, so that ending it reaches what it started too
// (a "sleep 300" of the command would otherwise run on when the run is stopped).
void endProcess(QProcess& process) {
  const qint64 leader = process.processId();
  if (leader > 0) ::kill(-static_cast<pid_t>(leader), SIGKILL);
  process.kill();
  process.waitForFinished(1000);
}

}  // namespace

void installShellRunner(ShellRunner runner) { installedRunner() = std::move(runner); }

// Waits in short slices so that a stop request or runaway output ends the command promptly.
void Shell::Execute(const std::string& command) {
  result_.clear();
  exitCode_ = 0;
  stopped_ = false;
  if (const ShellRunner& runner = installedRunner()) {
    ShellOutcome outcome = runner(command, ShouldStop);
    result_ = std::move(outcome.output);
    exitCode_ = outcome.exitCode;
    stopped_ = outcome.stopped;
    return;
  }
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.setChildProcessModifier([] { ::setpgid(0, 0); });
  process.start("/bin/sh", {"-c", QString::fromStdString(command)});
  if (!process.waitForStarted(5000)) throw IOException("cannot start /bin/sh");
  process.closeWriteChannel();
  QByteArray output;
  bool finished = false;
  while (!finished) {
    finished =
        process.waitForFinished(kSliceMilliseconds) || process.state() == QProcess::NotRunning;
    output += process.readAll();
    if (output.size() > kMaxOutputBytes) {
      endProcess(process);
      throw OutOfMemoryException("shell output beyond " + std::to_string(kMaxOutputBytes) +
                                 " bytes");
    }
    if (!finished && ShouldStop && ShouldStop()) {
      endProcess(process);
      stopped_ = true;
      break;
    }
  }
  exitCode_ = process.exitCode();
  result_ = decodeOutput(output);
}

}  // namespace vorline
