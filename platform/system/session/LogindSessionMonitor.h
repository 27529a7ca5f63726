#pragma once

#include "platform/system/session/SessionMonitor.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusMessage;

namespace halvane {

// systemd-logind on the system bus: the manager's PrepareForSleep(true) and the Active property
// of this process's session (the caller's own, else XDG_SESSION_ID's, else the user's display
// session, as logind resolves "auto"). Without a system bus or logind it stays silent.
class LogindSessionMonitor : public QObject, public SessionMonitor {
  Q_OBJECT

 public:
  // bus: the system bus, or a private one in tests.
  explicit LogindSessionMonitor(QDBusConnection bus = QDBusConnection::systemBus(),
                                QObject* parent = nullptr);
  void setHandler(Handler handler) override { handler_ = std::move(handler); }
  // The session's object path, empty when none was found.
  QString sessionPath() const { return sessionPath_; }

 private slots:
  void prepareForSleep(bool start);
  void propertiesChanged(const QString& interface, const QVariantMap& changed,
                         const QStringList& invalidated);
  void activeRead(const QDBusMessage& reply);

 private:
  QString findSession() const;
  void send(Event event);

  QDBusConnection bus_;
  QString sessionPath_;
  Handler handler_;
};

}  // namespace halvane
