#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"
#include "platform/desktop/frontapp/LineSocket.h"
#include "platform/system/unixsocket/UnixSocket.h"

#include <QHash>
#include <QObject>

#include <memory>
#include <optional>

namespace halvane {

// Hyprland (HYPRLAND_INSTANCE_SIGNATURE): the event socket (.socket2.sock) names the active
// window by address (activewindowv2>>ADDRESS); the request socket (.socket.sock) answers
// `j/clients` with every window's class and pid, asked again for an address not yet known.
class HyprlandActiveWindowSource : public QObject, public ActiveWindowSource {
  Q_OBJECT

 public:
  static constexpr int kRetryMs = 500;
  // socketDir holds .socket.sock and .socket2.sock:
  // $XDG_RUNTIME_DIR/hypr/<signature>, or /tmp/hypr/<signature> before Hyprland 0.40.
  explicit HyprlandActiveWindowSource(const QString& socketDir);
  ~HyprlandActiveWindowSource() override;
  static QString socketDir(const QString& signature);

  void setActiveWindowHandler(Handler handler) override { handler_ = std::move(handler); }
  std::optional<WindowFacts> activeWindow() const override { return active_; }
  QString backendName() const override { return QStringLiteral("hyprland"); }

 private:
  void onEvent(const QByteArray& line);
  void requestClients();
  void onClients(const QByteArray& json);
  void resolve();
  void report(const std::optional<WindowFacts>& facts);

  QString requestPath_;
  LineSocket events_;
  std::unique_ptr<UnixSocket> request_;
  QByteArray reply_;
  QHash<QString, WindowFacts> clients_;  // by address, "0x" and lower-case hex
  std::optional<QString> wanted_;        // the address Hyprland called active
  std::optional<WindowFacts> active_;
  Handler handler_;
};

}  // namespace halvane
