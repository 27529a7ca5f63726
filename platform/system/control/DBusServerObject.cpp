#include "platform/system/control/DBusServerObject.h"

#include "platform/system/log/SystemLog.h"
#include "shared/control/ControlChannel.h"
#include "shared/control/KeyboardServerRoot.h"

#include <QDBusConnectionInterface>

namespace halvane {

namespace {

QString serviceName() {
  return QString::fromLatin1(control::kServiceName);
}
QString serverPath() {
  return QString::fromLatin1(control::kServerPath);
}

}  // namespace

DBusServerObject::DBusServerObject(SystemLog& log, const QDBusConnection& bus)
    : log_(log), bus_(bus) {}

DBusServerObject::~DBusServerObject() {
  unregister();
}

void DBusServerObject::unregister() {
  if (ownsName_) bus_.unregisterService(serviceName());
  ownsName_ = false;
  if (root_) bus_.unregisterObject(serverPath());
  root_.reset();
}

bool DBusServerObject::registerServer(KeyboardServer& server) {
  unregister();
  if (!bus_.isConnected()) {
    log_.log(QStringLiteral("HVKeyboardServer: no session bus, running without the server"));
    return false;
  }
  root_ = std::make_unique<KeyboardServerRoot>(server);
  for (const InterfaceMaker& make : interfaces_) make(*root_, bus_);
  if (diagnostics_) root_->serveDiagnostics(*diagnostics_);
  // The object answers before the name appears, so a client that sees the name can call at once.
  if (!bus_.registerObject(serverPath(), root_.get(), QDBusConnection::ExportAdaptors)) {
    log_.log(QStringLiteral("HVKeyboardServer: path %1 already served, running without the server")
                 .arg(serverPath()));
    root_.reset();
    return false;
  }
  const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
      bus_.interface()->registerService(serviceName(), QDBusConnectionInterface::DontQueueService,
                                        QDBusConnectionInterface::DontAllowReplacement);
  if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
    log_.log(QStringLiteral("HVKeyboardServer: name %1 refused (%2), running without the server")
                 .arg(serviceName(),
                      reply.isValid() ? QStringLiteral("taken") : reply.error().message()));
    unregister();
    return false;
  }
  ownsName_ = true;
  return true;
}

}  // namespace halvane
