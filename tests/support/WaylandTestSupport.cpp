#include "tests/support/WaylandTestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace halvane::test {

RuntimeDir::RuntimeDir(const QString& user) {
  if (!dir_.isValid()) return;
  if (!user.isEmpty()) {
    if (const passwd* pw = getpwnam(user.toLocal8Bit().constData())) {
      if (chown(dir_.path().toLocal8Bit().constData(), pw->pw_uid, pw->pw_gid) != 0) dir_.remove();
    }
  }
}

WindowClients::~WindowClients() {
  for (auto& process : processes_) stopProcess(*process, 500);
}

qint64 WindowClients::start(const QString& appId) {
  auto process = std::make_unique<QProcess>();
  process->setProcessEnvironment(environment_);
  process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process->start(QStringLiteral(WINDOW_CLIENT), {appId});
  if (!process->waitForStarted(5000)) return 0;
  const qint64 pid = process->processId();
  processes_.push_back(std::move(process));
  return pid;
}

void WindowClients::stop(qint64 pid) {
  for (auto& process : processes_) {
    if (process->processId() == pid) stopProcess(*process, 500);
  }
}

void stopProcess(QProcess& process, int graceMs) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(graceMs)) {
    process.kill();
    process.waitForFinished(graceMs);
  }
}

}  // namespace halvane::test
