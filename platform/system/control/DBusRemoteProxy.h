#pragma once

#include "platform/system/control/RemoteProxy.h"
#include "shared/control/DBusTimeouts.h"

#include <QDBusConnection>
#include <QString>

#include <memory>

class HVKeyboardServerProxy;

namespace halvane {

// The server object on D-Bus. Calls go to the well-known name, so a helper that was restarted
// after the pane connected is reached again; while no process holds the name, the bus answers
// every call at once with an error.
class DBusRemoteProxy : public RemoteProxy {
 public:
  // The proxy, or nullptr when no process holds the server name (the helper is not running).
  static std::unique_ptr<DBusRemoteProxy> connect(
      const QDBusConnection& bus = QDBusConnection::sessionBus(),
      int timeoutMs = dbus::kHelperCallTimeoutMs);
  ~DBusRemoteProxy() override;

  std::optional<int> getCurrentProfile() override;
  bool setCurrentProfile(int index) override;
  bool reloadPrefs() override;

  // The D-Bus error name of the last failed call (empty after a call that succeeded).
  QString lastError() const { return lastError_; }

 private:
  DBusRemoteProxy(const QDBusConnection& bus, int timeoutMs);
  template <typename Reply>
  bool finish(Reply& reply);

  std::unique_ptr<HVKeyboardServerProxy> proxy_;
  QString lastError_;
};

}  // namespace halvane
