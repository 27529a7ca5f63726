#pragma once

#include "shared/control/ControlChannel.h"
#include "shared/control/DiagnosticsServer.h"
#include "tests/support/PrivateBus.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QObject>
#include <QStringList>

namespace halvane::test {

// Listens on a bus for the helper's notifications and for the server name changing hands,
// keeping one ordered list of what was seen.
class BusRecorder : public QObject {
  Q_OBJECT

 public:
  explicit BusRecorder(QDBusConnection bus) : bus_(bus) {
    bus_.connect(QString(), QString::fromLatin1(control::kNotificationPath),
                 QString::fromLatin1(control::kNotificationInterface),
                 QString::fromLatin1(control::kNotificationSignal), this,
                 SLOT(notification(QDBusMessage)));
    bus_.connect(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                 QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameOwnerChanged"), this,
                 SLOT(nameOwnerChanged(QString, QString, QString)));
  }

  // "notification <name> <object> Index=<n>" and "server <new owner or ->" lines.
  QStringList events;

  int count(const QString& prefix) const {
    int n = 0;
    for (const QString& e : events) n += e.startsWith(prefix);
    return n;
  }

 private slots:
  void notification(const QDBusMessage& message) {
    const QList<QVariant> args = message.arguments();
    if (args.size() != 3) return;
    const auto info = qdbus_cast<QMap<QString, QString>>(args[2]);
    events << QStringLiteral("notification %1 %2 Index=%3")
                  .arg(args[0].toString(), args[1].toString(), info.value(QStringLiteral("Index")));
  }
  void nameOwnerChanged(const QString& name, const QString&, const QString& newOwner) {
    if (name == QLatin1String(control::kServiceName))
      events << QStringLiteral("server %1")
                    .arg(newOwner.isEmpty() ? QStringLiteral("-") : QStringLiteral("up"));
  }

 private:
  QDBusConnection bus_;
};

// The front application as the helper's diagnostics report it ("window" is "none" without one),
// asked without blocking the loop; empty when the helper does not answer. A switch the helper
// made before answering has been announced by then, and its notification handled here.
inline QMap<QString, QString> helperFrontApplication(const QDBusConnection& bus) {
  QDBusPendingCall call = bus.asyncCall(QDBusMessage::createMethodCall(
      QString::fromLatin1(control::kServiceName), QString::fromLatin1(control::kServerPath),
      QString::fromLatin1(control::kDiagnosticsInterface), QStringLiteral("FrontApplication")));
  if (!waitUntil([&] { return call.isFinished(); }) || call.isError()) return {};
  QCoreApplication::processEvents();  // signals that came before the answer
  return qdbus_cast<QMap<QString, QString>>(call.reply().arguments().value(0));
}

}  // namespace halvane::test
