#include "platform/system/script/ProcessScriptRunner.h"

#include <QFileInfo>
#include <QProcess>

#include <cstdio>

#include <signal.h>
#include <unistd.h>

namespace halvane {
namespace {

void signalGroup(const QProcess& process, int signal) {
  const qint64 pid = process.processId();
  if (pid > 0) ::kill(-pid_t(pid), signal);
}

// Like a macro, a request types a few combinations at most: a script stuck in a loop must not
// flood the desktop with keys.
constexpr int kMaxCombinationsPerRun = 8;

// "combo <virtual key code> <modifier mask>", decimal.
std::optional<std::pair<int, int>> parseCombination(const QByteArray& line) {
  const QList<QByteArray> words = line.simplified().split(' ');
  if (words.size() != 3 || words[0] != "combo") return std::nullopt;
  bool keyOk = false, maskOk = false;
  const int key = words[1].toInt(&keyOk);
  const int mask = words[2].toInt(&maskOk);
  if (!keyOk || !maskOk || key < 0 || key > 0xFFFF) return std::nullopt;
  return std::pair{key, mask};
}

}  // namespace

ScriptFrontApplication ScriptFrontApplication::fromPath(const std::optional<QString>& path) {
  if (!path || path->isEmpty()) return {};
  if (path->endsWith(QLatin1String(".desktop")))
    return {QFileInfo(*path).fileName().chopped(int(qstrlen(".desktop"))), QString()};
  return {QString(), *path};
}

void ScriptFrontApplication::addTo(QProcessEnvironment& environment) const {
  // Always both, so that nothing the helper itself was started with stands for them.
  environment.insert(QStringLiteral("HALVANE_FRONT_DESKTOP_ID"), desktopId);
  environment.insert(QStringLiteral("HALVANE_FRONT_EXECUTABLE"), executable);
}

void ProcessScriptRunner::run(const QString& scriptPath, const QString& handler, const QString& key,
                              const QString& param) {
  if (scriptPath.isEmpty()) return;
  QProcess process;
  process.setProgram(scriptPath);
  process.setArguments({handler, key, param});
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  (front_ ? front_() : ScriptFrontApplication()).addTo(environment);
  process.setProcessEnvironment(environment);
  // Standard output is read for the script's requests; errors go where the helper's go.
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.setStandardInputFile(QProcess::nullDevice());
  // A group of its own, so that stopping the script also stops what it is waiting for.
  process.setChildProcessModifier([] { ::setpgid(0, 0); });
  process.start();
  if (!process.waitForStarted(timeoutMs_)) return;
  if (!process.waitForFinished(timeoutMs_)) {
    signalGroup(process, SIGTERM);
    if (!process.waitForFinished(kTerminateGraceMs)) {
      signalGroup(process, SIGKILL);
      process.waitForFinished(kTerminateGraceMs);
    }
  }
  perform(process.readAllStandardOutput());
}

void ProcessScriptRunner::perform(const QByteArray& output) {
  int performed = 0;
  for (const QByteArray& line : output.split('\n')) {
    if (line.isEmpty()) continue;
    if (const auto combination = parseCombination(line)) {
      if (combinations_ && performed < kMaxCombinationsPerRun) {
        combinations_(combination->first, combination->second);
        ++performed;
      }
      continue;
    }
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
  }
  std::fflush(stdout);
}

}  // namespace halvane
