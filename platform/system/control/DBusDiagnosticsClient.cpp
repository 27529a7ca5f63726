#include "platform/system/control/DBusDiagnosticsClient.h"

#include "shared/control/ControlChannel.h"
#include "shared/control/DiagnosticsServer.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>

namespace halvane {
namespace {

QString service() {
  return QString::fromLatin1(control::kServiceName);
}
QString path() {
  return QString::fromLatin1(control::kServerPath);
}
QString interface() {
  return QString::fromLatin1(control::kDiagnosticsInterface);
}

}  // namespace

std::unique_ptr<DBusDiagnosticsClient> DBusDiagnosticsClient::connect(const QDBusConnection& bus,
                                                                      int timeoutMs) {
  if (!bus.isConnected() || !bus.interface()) return nullptr;
  const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(service());
  if (!registered.isValid() || !registered.value()) return nullptr;
  return std::unique_ptr<DBusDiagnosticsClient>(new DBusDiagnosticsClient(bus, timeoutMs));
}

DBusDiagnosticsClient::DBusDiagnosticsClient(const QDBusConnection& bus, int timeoutMs)
    : bus_(bus), timeoutMs_(timeoutMs) {
  qDBusRegisterMetaType<QMap<QString, QString>>();
}

std::optional<DiagnosticsClient::Report> DBusDiagnosticsClient::call(const QString& method) {
  const QDBusMessage message =
      QDBusMessage::createMethodCall(service(), path(), interface(), method);
  const QDBusReply<QMap<QString, QString>> reply = bus_.call(message, QDBus::Block, timeoutMs_);
  if (!reply.isValid()) return std::nullopt;
  return reply.value();
}

std::optional<DiagnosticsClient::Report> DBusDiagnosticsClient::frontApplication() {
  return call(QStringLiteral("FrontApplication"));
}

std::optional<DiagnosticsClient::Report> DBusDiagnosticsClient::backends() {
  return call(QStringLiteral("Backends"));
}

std::optional<DiagnosticsClient::Report> DBusDiagnosticsClient::settingsLoad() {
  return call(QStringLiteral("SettingsLoad"));
}

bool DBusDiagnosticsClient::watchFrontApplication(std::function<void(const Report&)> handler) {
  handler_ = std::move(handler);
  return bus_.connect(service(), path(), interface(), QStringLiteral("FrontApplicationChanged"),
                      this, SLOT(frontApplicationChanged(QMap<QString, QString>)));
}

void DBusDiagnosticsClient::frontApplicationChanged(const QMap<QString, QString>& report) {
  if (handler_) handler_(report);
}

}  // namespace halvane
