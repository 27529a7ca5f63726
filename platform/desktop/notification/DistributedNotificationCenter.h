#pragma once

#include <QMap>
#include <QString>

#include <functional>

namespace halvane {

using NotificationUserInfo = QMap<QString, QString>;

// System-wide notifications between the user's processes, delivered at once.
class DistributedNotificationCenter {
 public:
  using Observer = std::function<void(const QString& name, const QString& object,
                                      const NotificationUserInfo& userInfo)>;

  virtual ~DistributedNotificationCenter() = default;
  virtual void postNotification(const QString& name, const QString& object,
                                const NotificationUserInfo& userInfo) = 0;
  // Calls observer on the main loop for every notification, of any name, whose object is object.
  virtual void addObserver(const QString& object, Observer observer) = 0;
};

}  // namespace halvane
