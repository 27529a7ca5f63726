#pragma once

#include "platform/system/control/DiagnosticsClient.h"
#include "shared/control/DBusTimeouts.h"

#include <QDBusConnection>

#include <memory>

class DiagnosticsProxy;

namespace halvane {

// DiagnosticsClient on D-Bus: the proxy generated from the interface description, calling the
// helper's well-known name.
class DBusDiagnosticsClient : public DiagnosticsClient {
 public:
  // Nothing when no process holds the server name (the helper is not running).
  static std::unique_ptr<DBusDiagnosticsClient> connect(
      const QDBusConnection& bus = QDBusConnection::sessionBus(),
      int timeoutMs = dbus::kServiceCallTimeoutMs);
  ~DBusDiagnosticsClient() override;

  std::optional<Report> frontApplication() override;
  std::optional<Report> backends() override;
  std::optional<Report> settingsLoad() override;
  bool watchFrontApplication(std::function<void(const Report&)> handler) override;

 private:
  DBusDiagnosticsClient(const QDBusConnection& bus, int timeoutMs);

  std::unique_ptr<DiagnosticsProxy> proxy_;
};

}  // namespace halvane
