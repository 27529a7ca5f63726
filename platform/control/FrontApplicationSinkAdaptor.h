#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QHash>
#include <QMap>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace halvane {

// com.halvane.keyboard.FrontApplicationSink on the helper's server object: the window facts our
// GNOME Shell extension and KWin script push on each focus change. Only the connection that
// currently owns org.gnome.Shell or org.kde.KWin is heard; any other caller gets an
// access-denied error and changes nothing.
class FrontApplicationSinkAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "com.halvane.keyboard.FrontApplicationSink")

 public:
  using Deliver = std::function<void(const QMap<QString, QString>& facts)>;
  // A child of root, the object exported at the server path.
  FrontApplicationSinkAdaptor(QObject* root, const QDBusConnection& bus, Deliver deliver);

  // The names whose owner may call.
  static QStringList trustedNames();

 public slots:
  void WindowActivated(const QMap<QString, QString>& facts, const QDBusMessage& message);
  void WindowActivated(const QVariantMap& facts, const QDBusMessage& message);

 private:
  bool accepts(const QDBusMessage& message);
  QString ownerOf(const QString& name);

  QDBusConnection bus_;
  Deliver deliver_;
  QDBusServiceWatcher watcher_;
  QHash<QString, QString> owners_;  // trusted name -> unique name, as last seen
};

}  // namespace halvane
