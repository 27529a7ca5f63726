#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

namespace halvane::test {

// The fake logind program, serving on the bus at address.
class FakeLogindProcess {
 public:
  explicit FakeLogindProcess(const QString& address) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address);
    process_.setProcessEnvironment(env);
    process_.start(QStringLiteral(HALVANE_FAKE_LOGIND), {});
    ready_ = readLine() == "ready";
  }
  ~FakeLogindProcess() {
    process_.closeWriteChannel();
    if (!process_.waitForFinished(2000)) process_.kill();
    process_.waitForFinished(2000);
  }
  bool ready() const { return ready_; }
  // Sends one command; true once the fake has sent its signal.
  bool send(const char* command) {
    process_.write(command);
    process_.write("\n");
    return readLine() == "ok";
  }

 private:
  QByteArray readLine() {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!process_.canReadLine() && elapsed.elapsed() < 5000) process_.waitForReadyRead(100);
    return process_.readLine().trimmed();
  }
  QProcess process_;
  bool ready_ = false;
};

}  // namespace halvane::test
