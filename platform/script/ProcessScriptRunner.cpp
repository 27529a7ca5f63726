#include "platform/script/ProcessScriptRunner.h"

#include <QProcess>

#include <signal.h>
#include <unistd.h>

namespace halvane {
namespace {

void signalGroup(const QProcess& process, int signal) {
  const qint64 pid = process.processId();
  if (pid > 0) ::kill(-pid_t(pid), signal);
}

}  // namespace

void ProcessScriptRunner::run(const QString& scriptPath, const QString& handler,
                              const QString& key, const QString& param) {
  if (scriptPath.isEmpty()) return;
  QProcess process;
  process.setProgram(scriptPath);
  process.setArguments({handler, key, param});
  // The script's output goes where the helper's goes; no pipe is left for a child that the
  // script started in the background to hold open.
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.setStandardInputFile(QProcess::nullDevice());
  // A group of its own, so that stopping the script also stops what it is waiting for.
  process.setChildProcessModifier([] { ::setpgid(0, 0); });
  process.start();
  if (!process.waitForStarted(timeoutMs_)) return;
  if (process.waitForFinished(timeoutMs_)) return;

  signalGroup(process, SIGTERM);
  if (process.waitForFinished(kTerminateGraceMs)) return;
  signalGroup(process, SIGKILL);
  process.waitForFinished(kTerminateGraceMs);
}

}  // namespace halvane
