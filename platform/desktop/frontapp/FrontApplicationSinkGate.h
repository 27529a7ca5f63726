#pragma once

#include "platform/desktop/frontapp/WindowActivationRelay.h"
#include "platform/system/control/DBusServerObject.h"
#include "shared/control/FrontApplicationSink.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QHash>
#include <QString>

namespace halvane {

// The window facts our GNOME Shell extension and KWin script push on each focus change, let
// through to the relay. A call is heard only while the relay's listener stands for a GNOME or KDE
// session, from the connection that owns that desktop's name (org.gnome.Shell or org.kde.KWin),
// and only when the bus says that connection belongs to the desktop's compositor program.
class FrontApplicationSinkGate : public FrontApplicationSink {
 public:
  FrontApplicationSinkGate(const QDBusConnection& bus, WindowActivationRelay& relay);

  QString refusal(const QString& sender) override;
  void windowActivated(const QMap<QString, QString>& facts) override;

 private:
  QString ownerOf(const QString& name);
  QString programOf(const QString& sender);

  QDBusConnection bus_;
  WindowActivationRelay& relay_;
  QDBusServiceWatcher watcher_;
  QHash<QString, QString> owners_;    // trusted name -> unique name, as last seen
  QHash<QString, QString> programs_;  // unique name -> its program; unique names are never reused
};

// What the helper's server object adds to serve com.halvane.keyboard.FrontApplicationSink,
// delivering to relay.
DBusServerObject::InterfaceMaker frontApplicationSink(WindowActivationRelay& relay);

}  // namespace halvane
