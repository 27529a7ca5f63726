#pragma once

#include "platform/desktop/notification/DistributedNotificationCenter.h"

#include <QDBusConnection>
#include <QObject>

#include <utility>
#include <vector>

class QDBusMessage;

namespace halvane {

// Notifications as one D-Bus signal, Notification(s name, s object, a{ss} userInfo), sent to
// every connection of the bus. Observers hear it from any sender, on the main loop.
class DBusDistributedNotificationCenter : public QObject, public DistributedNotificationCenter {
  Q_OBJECT

 public:
  explicit DBusDistributedNotificationCenter(
      const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
  ~DBusDistributedNotificationCenter() override;

  void postNotification(const QString& name, const QString& object,
                        const NotificationUserInfo& userInfo) override;
  void addObserver(const QString& object, Observer observer) override;

 private slots:
  void deliver(const QDBusMessage& message);

 private:
  QDBusConnection bus_;
  bool listening_ = false;
  std::vector<std::pair<QString, Observer>> observers_;
};

}  // namespace halvane
