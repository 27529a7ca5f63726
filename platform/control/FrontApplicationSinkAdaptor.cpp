#include "platform/control/FrontApplicationSinkAdaptor.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusReply>

namespace halvane {

FrontApplicationSinkAdaptor::FrontApplicationSinkAdaptor(QObject* root, const QDBusConnection& bus,
                                                         Deliver deliver)
    : QDBusAbstractAdaptor(root), bus_(bus), deliver_(std::move(deliver)) {
  qDBusRegisterMetaType<QMap<QString, QString>>();
  setAutoRelaySignals(false);
  // The owners are followed from NameOwnerChanged, so a call costs no round trip to the bus.
  watcher_.setConnection(bus_);
  watcher_.setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
  watcher_.setWatchedServices(trustedNames());
  QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                   [this](const QString& name, const QString&, const QString& newOwner) {
                     owners_.insert(name, newOwner);
                   });
}

QStringList FrontApplicationSinkAdaptor::trustedNames() {
  return {QStringLiteral("org.gnome.Shell"), QStringLiteral("org.kde.KWin")};
}

QString FrontApplicationSinkAdaptor::ownerOf(const QString& name) {
  auto it = owners_.find(name);
  if (it == owners_.end()) {
    // Not seen change hands since start: ask the bus once.
    const QDBusReply<QString> reply = bus_.interface()->serviceOwner(name);
    it = owners_.insert(name, reply.isValid() ? reply.value() : QString());
  }
  return it.value();
}

bool FrontApplicationSinkAdaptor::accepts(const QDBusMessage& message) {
  const QString sender = message.service();
  if (!sender.isEmpty()) {
    for (const QString& name : trustedNames()) {
      if (ownerOf(name) == sender) return true;
    }
  }
  message.setDelayedReply(true);
  bus_.send(message.createErrorReply(
      QDBusError::AccessDenied,
      QStringLiteral("WindowActivated is accepted only from org.gnome.Shell or org.kde.KWin")));
  return false;
}

void FrontApplicationSinkAdaptor::WindowActivated(const QMap<QString, QString>& facts,
                                                  const QDBusMessage& message) {
  if (accepts(message) && deliver_) deliver_(facts);
}

void FrontApplicationSinkAdaptor::WindowActivated(const QVariantMap& facts,
                                                  const QDBusMessage& message) {
  QMap<QString, QString> text;
  for (auto it = facts.begin(); it != facts.end(); ++it) {
    text.insert(it.key(), it.value().toString());
  }
  WindowActivated(text, message);
}

}  // namespace halvane
