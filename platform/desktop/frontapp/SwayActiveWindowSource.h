#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"
#include "platform/desktop/frontapp/ForeignToplevelActiveWindowSource.h"
#include "platform/desktop/frontapp/SwayIpc.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace halvane {

// sway: the activated toplevel from the foreign-toplevel protocol, with the pid that only
// sway's IPC tells. Both report the same focus change on their own sockets in either order;
// a toplevel waits a moment for its IPC event so that it is reported once, with its pid.
class SwayActiveWindowSource : public QObject, public ActiveWindowSource {
  Q_OBJECT

 public:
  SwayActiveWindowSource(std::unique_ptr<ForeignToplevelActiveWindowSource> toplevels,
                         const QString& swaySocket);

  void setActiveWindowHandler(Handler handler) override { handler_ = std::move(handler); }
  std::optional<WindowFacts> activeWindow() const override { return active_; }
  QString backendName() const override { return QStringLiteral("sway"); }

  // How long a toplevel waits for sway to name its pid.
  static constexpr int kPidWaitMs = 50;

 private:
  void onToplevel(const std::optional<WindowFacts>& facts);
  void onIpcFocus(const SwayIpc::Window& window);
  void report(const std::optional<WindowFacts>& facts);

  std::unique_ptr<ForeignToplevelActiveWindowSource> toplevels_;
  SwayIpc ipc_;
  std::optional<SwayIpc::Window> freshIpc_;  // an IPC focus no toplevel has taken yet
  std::optional<WindowFacts> waiting_;       // a toplevel waiting for its pid
  QTimer pidWait_;
  std::optional<WindowFacts> active_;
  Handler handler_;
};

}  // namespace halvane
