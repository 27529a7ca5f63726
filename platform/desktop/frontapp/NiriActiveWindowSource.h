#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"
#include "platform/desktop/frontapp/LineSocket.h"

#include <QJsonObject>
#include <QObject>

#include <map>
#include <optional>

namespace halvane {

// niri (NIRI_SOCKET): its JSON event stream. The stream opens with every window
// (WindowsChanged) and then tells of windows opening or changing, closing, and the focus moving.
class NiriActiveWindowSource : public QObject, public ActiveWindowSource {
  Q_OBJECT

 public:
  static constexpr int kRetryMs = 500;
  explicit NiriActiveWindowSource(const QString& socketPath);
  ~NiriActiveWindowSource() override { socket_.disconnect(this); }

  void setActiveWindowHandler(Handler handler) override { handler_ = std::move(handler); }
  std::optional<WindowFacts> activeWindow() const override { return active_; }
  QString backendName() const override { return QStringLiteral("niri"); }

 private:
  void handle(const QJsonObject& event);
  void remember(const QJsonObject& window);
  void update();

  LineSocket socket_;
  std::map<qint64, WindowFacts> windows_;
  std::optional<qint64> focused_;
  std::optional<WindowFacts> active_;
  bool reported_ = false;
  Handler handler_;
};

}  // namespace halvane
