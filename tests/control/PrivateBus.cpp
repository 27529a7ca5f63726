#include "tests/control/PrivateBus.h"

#include "tests/control/ApplicationEnvironment.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace halvane::test {

namespace {

[[maybe_unused]] ::testing::Environment* const kApplication = ::testing::AddGlobalTestEnvironment(
    new ApplicationEnvironment<QCoreApplication>("control_tests"));

}  // namespace

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

QDBusConnection PrivateBus::connect(const QString& name) {
  connections_.append(name);
  return QDBusConnection::connectToBus(address_, name);
}

QProcessEnvironment PrivateBus::environment() const {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
  return env;
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
  return QTest::qWaitFor(done, timeoutMs);
}

}  // namespace halvane::test
