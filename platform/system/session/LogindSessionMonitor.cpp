#include "platform/system/session/LogindSessionMonitor.h"

#include "shared/control/DBusTimeouts.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>

namespace halvane {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSession = QStringLiteral("org.freedesktop.login1.Session");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kActive = QStringLiteral("Active");

}  // namespace

LogindSessionMonitor::LogindSessionMonitor(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
  if (!bus_.isConnected()) return;
  bus_.connect(kService, kManagerPath, kManager, QStringLiteral("PrepareForSleep"), this,
               SLOT(prepareForSleep(bool)));
  sessionPath_ = findSession();
  if (sessionPath_.isEmpty()) return;
  bus_.connect(kService, sessionPath_, kProperties, QStringLiteral("PropertiesChanged"), this,
               SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
}

QString LogindSessionMonitor::findSession() const {
  // "auto" is a path alias; its signals come from the session's real path, so ask for that.
  QString id = qEnvironmentVariable("XDG_SESSION_ID");
  if (id.isEmpty()) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/org/freedesktop/login1/session/auto"), kProperties,
        QStringLiteral("Get"));
    get << kSession << QStringLiteral("Id");
    const QDBusReply<QDBusVariant> reply =
        bus_.call(get, QDBus::Block, dbus::kServiceCallTimeoutMs);
    if (!reply.isValid()) return QString();
    id = reply.value().variant().toString();
  }
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kManager,
                                                     QStringLiteral("GetSession"));
  call << id;
  const QDBusReply<QDBusObjectPath> path =
      bus_.call(call, QDBus::Block, dbus::kServiceCallTimeoutMs);
  return path.isValid() ? path.value().path() : QString();
}

void LogindSessionMonitor::prepareForSleep(bool start) {
  // After resume (false) nothing is to be done: what was stopped stays stopped.
  if (start) send(Event::AboutToSleep);
}

void LogindSessionMonitor::propertiesChanged(const QString& interface, const QVariantMap& changed,
                                             const QStringList& invalidated) {
  if (interface != kSession) return;
  if (changed.contains(kActive)) {
    if (!changed.value(kActive).toBool()) send(Event::SessionInactive);
    return;
  }
  if (!invalidated.contains(kActive)) return;
  QDBusMessage get =
      QDBusMessage::createMethodCall(kService, sessionPath_, kProperties, QStringLiteral("Get"));
  get << kSession << kActive;
  bus_.callWithCallback(get, this, SLOT(activeRead(QDBusMessage)));
}

void LogindSessionMonitor::activeRead(const QDBusMessage& reply) {
  if (reply.arguments().isEmpty()) return;
  if (!reply.arguments().first().value<QDBusVariant>().variant().toBool())
    send(Event::SessionInactive);
}

void LogindSessionMonitor::send(Event event) {
  if (handler_) handler_(event);
}

}  // namespace halvane
