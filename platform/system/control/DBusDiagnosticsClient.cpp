#include "platform/system/control/DBusDiagnosticsClient.h"

#include "DiagnosticsProxy.h"
#include "shared/control/ControlChannel.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>

namespace halvane {
namespace {

// Blocks without running the event loop: halvanectl asks, prints and ends.
std::optional<DiagnosticsClient::Report> finish(
    QDBusPendingReply<DiagnosticsClient::Report> reply) {
  reply.waitForFinished();
  if (reply.isError()) return std::nullopt;
  return reply.value();
}

}  // namespace

std::unique_ptr<DBusDiagnosticsClient> DBusDiagnosticsClient::connect(const QDBusConnection& bus,
                                                                      int timeoutMs) {
  if (!bus.isConnected() || !bus.interface()) return nullptr;
  const QDBusReply<bool> registered =
      bus.interface()->isServiceRegistered(QString::fromLatin1(control::kServiceName));
  if (!registered.isValid() || !registered.value()) return nullptr;
  return std::unique_ptr<DBusDiagnosticsClient>(new DBusDiagnosticsClient(bus, timeoutMs));
}

DBusDiagnosticsClient::DBusDiagnosticsClient(const QDBusConnection& bus, int timeoutMs) {
  qDBusRegisterMetaType<QMap<QString, QString>>();
  proxy_ = std::make_unique<DiagnosticsProxy>(QString::fromLatin1(control::kServiceName),
                                              QString::fromLatin1(control::kServerPath), bus);
  proxy_->setTimeout(timeoutMs);
}

DBusDiagnosticsClient::~DBusDiagnosticsClient() = default;

std::optional<DiagnosticsClient::Report> DBusDiagnosticsClient::frontApplication() {
  return finish(proxy_->FrontApplication());
}

std::optional<DiagnosticsClient::Report> DBusDiagnosticsClient::backends() {
  return finish(proxy_->Backends());
}

std::optional<DiagnosticsClient::Report> DBusDiagnosticsClient::settingsLoad() {
  return finish(proxy_->SettingsLoad());
}

bool DBusDiagnosticsClient::watchFrontApplication(std::function<void(const Report&)> handler) {
  if (!proxy_->connection().isConnected()) return false;
  // Connecting to the proxy's signal subscribes to it on the bus.
  return bool(QObject::connect(proxy_.get(), &DiagnosticsProxy::FrontApplicationChanged,
                               proxy_.get(), std::move(handler)));
}

}  // namespace halvane
