#pragma once

#include "platform/frontapp/ActiveWindowSource.h"

#include <QMap>
#include <QString>

#include <functional>
#include <optional>

namespace halvane {

// Where window facts that a desktop pushes to the helper over D-Bus (our GNOME Shell extension,
// our KWin script) meet the source that stands for that desktop. The D-Bus side calls deliver();
// at most one source listens.
class WindowActivationRelay {
 public:
  using Listener = std::function<void(const std::optional<WindowFacts>&)>;

  // The process's one relay, made on first use.
  static WindowActivationRelay& shared();

  // Replaces the listener; an empty one stops delivery.
  void setListener(Listener listener) { listener_ = std::move(listener); }
  bool hasListener() const { return static_cast<bool>(listener_); }
  void deliver(const std::optional<WindowFacts>& facts);

 private:
  Listener listener_;
};

// The facts a WindowActivated map carries (keys appId, wmClass, wmInstance, gtkApplicationId,
// desktopFile, pid); an empty map means no window. Unknown keys are ignored.
std::optional<WindowFacts> windowFactsFromMap(const QMap<QString, QString>& map);

}  // namespace halvane
