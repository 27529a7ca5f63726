#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

namespace halvane::test {

// A dbus-daemon of the test's own: tests neither need a session bus nor disturb one, and
// nothing another test registers can hold the names these tests register.
class PrivateBus {
 public:
  PrivateBus();
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  // Empty when the daemon could not be started.
  QString address() const { return address_; }
  // A new connection to this bus, as another process would have.
  QDBusConnection connect(const QString& name);
  // The environment a child process needs to use this bus as its session bus.
  QProcessEnvironment environment() const;

 private:
  QProcess daemon_;
  QString address_;
  QStringList connections_;
};

// Waits on the event loop until done() holds, at most timeoutMs; true when it held.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

}  // namespace halvane::test
