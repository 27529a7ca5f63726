#include "platform/desktop/notification/DBusDistributedNotificationCenter.h"

#include "shared/control/ControlChannel.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>

namespace halvane {

namespace {

QString path() {
  return QString::fromLatin1(control::kNotificationPath);
}
QString interface() {
  return QString::fromLatin1(control::kNotificationInterface);
}
QString member() {
  return QString::fromLatin1(control::kNotificationSignal);
}

}  // namespace

DBusDistributedNotificationCenter::DBusDistributedNotificationCenter(const QDBusConnection& bus,
                                                                     QObject* parent)
    : QObject(parent), bus_(bus) {
  qDBusRegisterMetaType<NotificationUserInfo>();
}

DBusDistributedNotificationCenter::~DBusDistributedNotificationCenter() {
  if (listening_)
    bus_.disconnect(QString(), path(), interface(), member(),
                    QString::fromLatin1(control::kNotificationSignature), this,
                    SLOT(deliver(QDBusMessage)));
}

void DBusDistributedNotificationCenter::postNotification(const QString& name, const QString& object,
                                                         const NotificationUserInfo& userInfo) {
  QDBusMessage signal = QDBusMessage::createSignal(path(), interface(), member());
  signal << name << object << QVariant::fromValue(userInfo);
  bus_.send(signal);
}

void DBusDistributedNotificationCenter::addObserver(const QString& object, Observer observer) {
  observers_.emplace_back(object, std::move(observer));
  if (listening_) return;
  // Any sender; Qt passes only signals with exactly this signature to the slot.
  listening_ = bus_.connect(QString(), path(), interface(), member(),
                            QString::fromLatin1(control::kNotificationSignature), this,
                            SLOT(deliver(QDBusMessage)));
}

void DBusDistributedNotificationCenter::deliver(const QDBusMessage& message) {
  const QList<QVariant> args = message.arguments();
  if (args.size() != 3) return;
  const QString name = args.at(0).toString();
  const QString object = args.at(1).toString();
  const auto userInfo = qdbus_cast<NotificationUserInfo>(args.at(2));
  // An observer may add observers while it runs; those hear the next notification.
  const auto observers = observers_;
  for (const auto& [wanted, observer] : observers)
    if (wanted == object) observer(name, object, userInfo);
}

}  // namespace halvane
