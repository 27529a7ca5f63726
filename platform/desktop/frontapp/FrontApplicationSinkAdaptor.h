#pragma once

#include "platform/desktop/frontapp/WindowActivationRelay.h"
#include "platform/system/control/DBusServerObject.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QHash>
#include <QMap>
#include <QString>
#include <QVariantMap>

namespace halvane {

// com.halvane.keyboard.FrontApplicationSink on the helper's server object: the window facts our
// GNOME Shell extension and KWin script push on each focus change. A call is heard only while
// the relay's listener stands for a GNOME or KDE session, from the connection that owns that
// desktop's name (org.gnome.Shell or org.kde.KWin), and only when the bus says that connection
// belongs to the desktop's compositor program; any other caller gets an access-denied error and
// changes nothing.
class FrontApplicationSinkAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "com.halvane.keyboard.FrontApplicationSink")

 public:
  // A child of root, the object exported at the server path; accepted calls go to relay.
  FrontApplicationSinkAdaptor(QObject* root, const QDBusConnection& bus,
                              WindowActivationRelay& relay);

 public slots:
  void WindowActivated(const QMap<QString, QString>& facts, const QDBusMessage& message);
  void WindowActivated(const QVariantMap& facts, const QDBusMessage& message);

 private:
  bool accepts(const QDBusMessage& message);
  QString refusal(const QString& sender);
  QString ownerOf(const QString& name);
  QString programOf(const QString& sender);

  QDBusConnection bus_;
  WindowActivationRelay& relay_;
  QDBusServiceWatcher watcher_;
  QHash<QString, QString> owners_;    // trusted name -> unique name, as last seen
  QHash<QString, QString> programs_;  // unique name -> its program; unique names are never reused
};

// What the helper's server object adds to serve the sink, delivering to relay.
DBusServerObject::InterfaceMaker frontApplicationSink(WindowActivationRelay& relay);

}  // namespace halvane
