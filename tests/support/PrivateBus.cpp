#include "tests/support/PrivateBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QUuid>

namespace halvane::test {

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > timeout.count()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(2);
  }
  return true;
}

PrivateBus::PrivateBus() {
  daemon_.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"),
                 QStringLiteral("--print-address=1")});
  if (!daemon_.waitForStarted(5000)) return;
  while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
  }
  address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
  for (const QString& name : connections_) QDBusConnection::disconnectFromBus(name);
  if (daemon_.state() != QProcess::NotRunning) {
    daemon_.terminate();
    if (!daemon_.waitForFinished(5000)) daemon_.kill();
    daemon_.waitForFinished(5000);
  }
}

QDBusConnection PrivateBus::connection() {
  if (defaultConnection_.isEmpty())
    defaultConnection_ =
        QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
  return connect(defaultConnection_);
}

QDBusConnection PrivateBus::connect(const QString& name) {
  if (!connections_.contains(name)) connections_.append(name);
  return QDBusConnection::connectToBus(address_, name);
}

QProcessEnvironment PrivateBus::environment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
  return environment;
}

}  // namespace halvane::test
