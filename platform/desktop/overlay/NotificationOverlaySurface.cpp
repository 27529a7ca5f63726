#include "platform/desktop/overlay/NotificationOverlaySurface.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace halvane {

NotificationOverlaySurface::NotificationOverlaySurface(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), bus_(bus) {}

QString NotificationOverlaySurface::unavailableReason(const QDBusConnection& bus) {
  SessionProbe probe;
  probeBus(probe, bus);
  return unavailableReason(probe);
}

QString NotificationOverlaySurface::unavailableReason(const SessionProbe& probe) {
  if (!probe.busConnected)
    return QCoreApplication::translate("NotificationOverlaySurface", "no session bus");
  if (probe.busNames.contains(QLatin1String(kService))) return {};
  return QCoreApplication::translate("NotificationOverlaySurface",
                                     "no notification server on the session bus");
}

void NotificationOverlaySurface::setText(const QString& text) {
  // No text: the overlay fades out, which a notification does by itself.
  if (text.isNull()) return;
  if (callPending_) {
    waiting_ = text;
    return;
  }
  send(text);
}

void NotificationOverlaySurface::send(const QString& text) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                     QString::fromLatin1(kInterface), QStringLiteral("Notify"));
  // Transient: kept out of the history, since it is stale a moment later.
  const QVariantMap hints{{QStringLiteral("transient"), true}};
  call << QStringLiteral("Halvane") << lastId_ << QString() << text << QString() << QStringList()
       << hints << qint32(kExpireTimeoutMs);
  callPending_ = true;
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, &NotificationOverlaySurface::replied);
}

void NotificationOverlaySurface::replied(QDBusPendingCallWatcher* watcher) {
  watcher->deleteLater();
  callPending_ = false;
  const QDBusPendingReply<quint32> reply = *watcher;
  // Without an id the next notification is a new one; nothing else is lost.
  lastId_ = reply.isValid() ? reply.value() : 0;
  if (waiting_) {
    const QString text = *waiting_;
    waiting_.reset();
    send(text);
  }
}

}  // namespace halvane
