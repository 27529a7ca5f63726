#pragma once

#include "tests/support/PrivateBus.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

namespace halvane::test {

// A private directory usable as XDG_RUNTIME_DIR by `user` (mode 0700, owned by it).
class RuntimeDir {
 public:
  explicit RuntimeDir(const QString& user = {});
  bool isValid() const { return dir_.isValid(); }
  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

// Test windows (WindowClient) on a compositor, each its own process, stopped by pid.
class WindowClients {
 public:
  explicit WindowClients(QProcessEnvironment environment) : environment_(std::move(environment)) {}
  ~WindowClients();
  // Starts a window with this app_id; its pid, 0 when it did not start.
  qint64 start(const QString& appId);
  void stop(qint64 pid);

 private:
  QProcessEnvironment environment_;
  std::vector<std::unique_ptr<QProcess>> processes_;
};

// Ends a process this test started: SIGTERM, then SIGKILL after a grace period.
void stopProcess(QProcess& process, int graceMs = 2000);

}  // namespace halvane::test
