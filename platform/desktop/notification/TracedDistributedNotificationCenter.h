#pragma once

#include "platform/desktop/notification/DistributedNotificationCenter.h"
#include "platform/system/trace/Trace.h"

#include <QJsonObject>

namespace halvane {

class TracedDistributedNotificationCenter : public DistributedNotificationCenter {
 public:
  TracedDistributedNotificationCenter(DistributedNotificationCenter& inner, Trace& trace)
      : inner_(inner), trace_(trace) {}
  void postNotification(const QString& name, const QString& object,
                        const NotificationUserInfo& userInfo) override {
    QJsonObject info;
    for (auto it = userInfo.begin(); it != userInfo.end(); ++it) info.insert(it.key(), it.value());
    trace_.write(
        TraceEvent("notification").add("name", name).add("object", object).add("userInfo", info));
    inner_.postNotification(name, object, userInfo);
  }
  void addObserver(const QString& object, Observer observer) override {
    inner_.addObserver(object, std::move(observer));
  }

 private:
  DistributedNotificationCenter& inner_;
  Trace& trace_;
};

}  // namespace halvane
