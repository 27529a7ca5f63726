#include "platform/desktop/frontapp/WindowActivationRelay.h"

namespace halvane {

void WindowActivationRelay::setListener(TrustedDesktop desktop, Listener listener) {
  desktop_ = std::move(desktop);
  listener_ = std::move(listener);
  last_.reset();
}

void WindowActivationRelay::clearListener() {
  desktop_ = {};
  listener_ = {};
  last_.reset();
}

std::optional<TrustedDesktop> WindowActivationRelay::trusted() const {
  if (!listener_ || desktop_.busName.isEmpty()) return std::nullopt;
  return desktop_;
}

void WindowActivationRelay::deliver(const std::optional<WindowFacts>& facts) {
  if (!listener_) return;
  // A window that stays in front is no change: a desktop's piece may say it twice (the Shell
  // extension's focus signal and its greeting of a newly started helper can cross), and a
  // second report would undo a profile the user chose meanwhile.
  if (last_ && *last_ == facts) return;
  last_ = facts;
  listener_(facts);
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
