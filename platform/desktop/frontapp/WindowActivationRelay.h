#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace halvane {

// The one sender a desktop's source trusts: the bus name its compositor owns, and the names of
// the programs that may own it (any client can claim a well-known name on the session bus).
struct TrustedDesktop {
  QString busName;
  QStringList programs;
};

// Where window facts that a desktop pushes to the helper over D-Bus (our GNOME Shell extension,
// our KWin script) meet the source that stands for that desktop. The D-Bus side calls deliver();
// at most one source listens, and only while one listens is any sender trusted.
class WindowActivationRelay {
 public:
  using Listener = std::function<void(const std::optional<WindowFacts>&)>;

  // Replaces the listener and whom it trusts.
  void setListener(TrustedDesktop desktop, Listener listener);
  // Stops delivery: no sender is trusted any more.
  void clearListener();
  bool hasListener() const { return static_cast<bool>(listener_); }
  // The sender to hear; nothing while no source listens (not a GNOME or KDE session).
  std::optional<TrustedDesktop> trusted() const;
  // Hands the listener a window in front; the same window again is no change and not handed on.
  void deliver(const std::optional<WindowFacts>& facts);

 private:
  TrustedDesktop desktop_;
  Listener listener_;
  std::optional<std::optional<WindowFacts>> last_;  // what the listener heard last, if anything
};

// The facts a WindowActivated map carries (keys appId, wmClass, wmInstance, gtkApplicationId,
// desktopFile, pid); an empty map means no window. Unknown keys are ignored.
std::optional<WindowFacts> windowFactsFromMap(const QMap<QString, QString>& map);

}  // namespace halvane
