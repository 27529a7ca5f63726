#include "platform/desktop/frontapp/WindowActivationRelay.h"

namespace halvane {

void WindowActivationRelay::setListener(TrustedDesktop desktop, Listener listener) {
  desktop_ = std::move(desktop);
  listener_ = std::move(listener);
}

void WindowActivationRelay::clearListener() {
  desktop_ = {};
  listener_ = {};
}

std::optional<TrustedDesktop> WindowActivationRelay::trusted() const {
  if (!listener_ || desktop_.busName.isEmpty()) return std::nullopt;
  return desktop_;
}

void WindowActivationRelay::deliver(const std::optional<WindowFacts>& facts) {
  if (listener_) listener_(facts);
}

std::optional<WindowFacts> windowFactsFromMap(const QMap<QString, QString>& map) {
  if (map.isEmpty()) return std::nullopt;
  WindowFacts facts;
  facts.appId = map.value(QStringLiteral("appId"));
  facts.wmClass = map.value(QStringLiteral("wmClass"));
  facts.wmInstance = map.value(QStringLiteral("wmInstance"));
  facts.gtkApplicationId = map.value(QStringLiteral("gtkApplicationId"));
  facts.desktopFile = map.value(QStringLiteral("desktopFile"));
  bool ok = false;
  const qint64 pid = map.value(QStringLiteral("pid")).toLongLong(&ok);
  facts.pid = ok && pid > 0 ? pid : 0;
  return facts;
}

}  // namespace halvane
