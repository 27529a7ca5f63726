#pragma once

#include "platform/desktop/overlay/OverlaySurface.h"
#include "platform/desktop/probe/SessionProbe.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

class QDBusPendingCallWatcher;

namespace halvane {

// The overlay as desktop notifications (org.freedesktop.Notifications), where nothing can draw
// above the desktop: each new text is one short-lived notification that replaces the one before,
// so a profile switch is always seen even though the fade and the dragging are not.
class NotificationOverlaySurface : public QObject, public OverlaySurface {
  Q_OBJECT

 public:
  static constexpr int kExpireTimeoutMs = 1500;
  static constexpr const char* kService = kNotificationsBusName;
  static constexpr const char* kPath = "/org/freedesktop/Notifications";
  static constexpr const char* kInterface = "org.freedesktop.Notifications";

  explicit NotificationOverlaySurface(const QDBusConnection& bus, QObject* parent = nullptr);

  // Empty when bus has a notification server (running or activatable), else why not.
  static QString unavailableReason(const QDBusConnection& bus);
  static QString unavailableReason(const SessionProbe& probe);

  void setShown(bool) override {}
  void setText(const QString& text) override;
  void setAlpha(float) override {}
  void setFrame(const QRect&) override {}

 private:
  void send(const QString& text);
  void replied(QDBusPendingCallWatcher* watcher);

  QDBusConnection bus_;
  // The server's id of the last notification, which the next one replaces (0: none yet).
  quint32 lastId_ = 0;
  bool callPending_ = false;
  // A text that came while a call was on its way: sent with the id the reply brings, so that it
  // replaces that notification instead of showing beside it.
  std::optional<QString> waiting_;
};

}  // namespace halvane
