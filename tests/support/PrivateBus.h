#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace halvane::test {

using namespace std::chrono_literals;

// Polls until condition holds or timeout passes, running the Qt loop meanwhile.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5000ms);

// A dbus-daemon of the test's own, ended with the object: tests neither need a session bus nor
// disturb one, and nothing another test registers can hold the names these tests register.
class PrivateBus {
 public:
  PrivateBus();
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  // Empty when the daemon could not be started.
  QString address() const { return address_; }
  // This process's connection to the bus, made at the first call.
  QDBusConnection connection();
  // A further connection, as another process would have.
  QDBusConnection connect(const QString& name);
  // The environment a child process needs to use this bus as its session bus.
  QProcessEnvironment environment() const;

 private:
  QProcess daemon_;
  QString address_;
  QString defaultConnection_;
  QStringList connections_;
};

}  // namespace halvane::test
