#pragma once

#include "platform/desktop/notification/DistributedNotificationCenter.h"

#include <utility>
#include <vector>

namespace halvane {

// Delivers in-process, synchronously, and records every post.
class FakeDistributedNotificationCenter : public DistributedNotificationCenter {
 public:
  struct Posted {
    QString name, object;
    NotificationUserInfo userInfo;
  };
  void postNotification(const QString& name, const QString& object,
                        const NotificationUserInfo& userInfo) override {
    posted.push_back({name, object, userInfo});
    const auto observers = observers_;
    for (const auto& [wanted, observer] : observers)
      if (wanted == object) observer(name, object, userInfo);
  }
  void addObserver(const QString& object, Observer observer) override {
    observers_.emplace_back(object, std::move(observer));
  }
  std::vector<Posted> posted;

 private:
  std::vector<std::pair<QString, Observer>> observers_;
};

}  // namespace halvane
